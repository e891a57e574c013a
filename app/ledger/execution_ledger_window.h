#pragma once

#include "app/pages/page.h"
#include "interest/execution_case_file.h"
#include "interest/execution_ledger.h"

#include <memory>

namespace Ui {
class ExecutionLedgerWindow;
}

class QTableView;

namespace pellumo {

class CreditsModel;
class DebtItemsModel;
class ExcludedPeriodsModel;
class RateHistoryFile;
class TextRowsModel;
struct CalculationSheet;

// The window "执行款计算": the money a judgment orders, the general interest
// it awards, the payments and court receipts, and the periods of suspension,
// each in a table the user edits; below them the result, recomputed on every
// change: each credit with its set-off, the doubled segments and what is
// still owed, in figures and in capitals, or a message naming the row that
// keeps the case from being computed. The case can be copied as text,
// printed, saved to a file and opened again; the window keeps nothing else.
class ExecutionLedgerWindow : public Page
{
    Q_OBJECT
public:
    // `history` is the rate history of the page that opens the window.
    ExecutionLedgerWindow(const PageServices &services, RateHistoryFile &history, QWidget *parent = nullptr);
    ~ExecutionLedgerWindow() override;

    // The case as the controls hold it, and the way to put one on screen.
    CaseRecord caseOnScreen() const;
    void showCase(const CaseRecord &record);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void InputChange();
    void ComboBoxRateKindChange();
    void ButtonAddItemClick();
    void ButtonRemoveItemClick();
    void ButtonAddCreditClick();
    void ButtonRemoveCreditClick();
    void ButtonAddExcludedClick();
    void ButtonRemoveExcludedClick();
    void ButtonCopyClick();
    void ButtonSaveClick();
    void ButtonOpenClick();

    std::optional<CalculationSheet> sheet();
    QString inputProblem() const;
    void showLedger(const ExecutionLedger &ledger);
    void showMessage(const QString &message, bool fault);
    static bool untouched(const ExecutionCase &c);
    void addRowTo(QTableView *view);
    void stackRowsWhenNarrow(int room);
    void arrangeOwed(int columns);
    QString lastFolder() const;
    void rememberFolder(const QString &filePath) const;

    std::unique_ptr<Ui::ExecutionLedgerWindow> m_ui;
    RateHistoryFile &m_history;
    DebtItemsModel *m_items;
    CreditsModel *m_credits;
    ExcludedPeriodsModel *m_excluded;
    TextRowsModel *m_creditResults;
    TextRowsModel *m_segments;
    bool m_showingCase = false;  // no recompute while a case is put on screen
    // The last computed case and its result, whose text and sheet the buttons
    // build only when they are clicked.
    CaseRecord m_shownRecord;
    ExecutionLedger m_shownLedger;
    // The case as last opened or saved: opening another asks before it
    // discards changes made since.
    QByteArray m_keptBytes;
};

} // namespace pellumo
