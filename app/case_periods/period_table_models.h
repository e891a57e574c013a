#pragma once
// The three tables the user edits in the window 审限与刑期: the intervals not
// counted in the trial period, the approved extensions and the custody
// spells offset against a sentence, each a list of the calculation's own
// rows (the row model of the execution ledger's tables). A cell accepts only
// what its row can hold, so the lists are always complete rows.
#include "app/ledger/case_table_models.h"
#include "dates/sentence_term.h"
#include "dates/trial_period.h"

#include <functional>

namespace pellumo {

class NotCountedModel : public CaseRowsModel<NotCounted>
{
public:
    enum Column { First, Last, Reason };
    explicit NotCountedModel(QObject *parent);
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
};

class ExtensionsModel : public CaseRowsModel<Extension>
{
public:
    enum Column { Months, Days };
    explicit ExtensionsModel(QObject *parent);
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
};

class CustodyModel : public CaseRowsModel<CustodySpell>
{
public:
    enum Column { First, Last, Kind };
    explicit CustodyModel(QObject *parent);
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
};

// The editors of the cells besides the date field: a whole number of at most
// `digits` digits (a refused key says what the cell takes), the reason of a
// not-counted interval (typed, or one of `offered`, the reasons the law names
// for the procedure in the window), and the kind of custody.
QStyledItemDelegate *NewWholeNumberDelegate(int digits, const QString &whatTheCellTakes, QObject *parent);
QStyledItemDelegate *NewReasonDelegate(std::function<QStringList()> offered, QObject *parent);
QStyledItemDelegate *NewCustodyKindDelegate(QObject *parent);

} // namespace pellumo
