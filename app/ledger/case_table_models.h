#pragma once
// The three tables of a case the user edits in the window 执行款计算: the
// debt items, the credits and the excluded periods, each a list of the
// calculation's own rows. A cell accepts only what its row can hold (an
// amount in yuan with at most two decimals, a day), so the lists are always
// complete rows the calculation can be given.
#include "interest/execution_ledger.h"

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

class QStyledItemDelegate;
class QTableView;

namespace pellumo {

// Reads an amount cell: digits with at most two decimals, up to
// 999999999999.99, blanks around it allowed; nothing otherwise.
std::optional<Money> AmountTyped(const QString &text);

// Removes the selected rows of a case table, else the current one (the
// button and the Delete key of every table a user edits).
void RemoveChosenRows(QTableView *view);

// What the three models share: a list of rows, a header, rows added and
// removed as a whole.
template <typename Row>
class CaseRowsModel : public QAbstractTableModel
{
public:
    explicit CaseRowsModel(QStringList header, QObject *parent) : QAbstractTableModel(parent), m_header(std::move(header)) {}

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(m_rows.size()); }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(m_header.size()); }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        return orientation == Qt::Horizontal ? QVariant(m_header.value(section)) : QVariant(section + 1);
    }

    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
    }

    const QList<Row> &rows() const { return m_rows; }

    void setRows(const QList<Row> &rows)
    {
        beginResetModel();
        m_rows = rows;
        endResetModel();
    }

    // Inserts `row` before position `at` (at the end for any other value).
    int insertRow(int at, const Row &row)
    {
        if (at < 0 || at > m_rows.size())
            at = int(m_rows.size());
        beginInsertRows({}, at, at);
        m_rows.insert(at, row);
        endInsertRows();
        return at;
    }

    bool removeRows(int first, int count, const QModelIndex &parent = {}) override
    {
        if (parent.isValid() || first < 0 || count <= 0 || first + count > m_rows.size())
            return false;
        beginRemoveRows({}, first, first + count - 1);
        m_rows.remove(first, count);
        endRemoveRows();
        return true;
    }

protected:
    QList<Row> m_rows;

private:
    QStringList m_header;
};

class DebtItemsModel : public CaseRowsModel<DebtItem>
{
public:
    enum Column { Name, Amount, Kind, LastPerformanceDay, InDoubledBase };
    explicit DebtItemsModel(QObject *parent);
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
};

class CreditsModel : public CaseRowsModel<Credit>
{
public:
    enum Column { Day, Amount };
    explicit CreditsModel(QObject *parent);
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
};

class ExcludedPeriodsModel : public CaseRowsModel<ExcludedPeriod>
{
public:
    enum Column { First, Last };
    explicit ExcludedPeriodsModel(QObject *parent);
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
};

// Read-only rows of text: the result tables. Figures align on the right.
class TextRowsModel : public QAbstractTableModel
{
public:
    TextRowsModel(QStringList header, QList<int> figureColumns, QObject *parent);
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void setRows(QList<QStringList> rows);

private:
    QStringList m_header;
    QList<int> m_figureColumns;
    QList<QStringList> m_rows;
};

// The editors of the cells: a date field ("yyyy-MM-dd" with a calendar), a
// drop-down of the debt kinds, an amount field that takes yuan and fen.
QStyledItemDelegate *NewDateDelegate(QObject *parent);
QStyledItemDelegate *NewKindDelegate(QObject *parent);
QStyledItemDelegate *NewAmountDelegate(QObject *parent);

} // namespace pellumo
