#pragma once

#include "app/pages/page.h"
#include "dates/case_periods_file.h"

#include <functional>
#include <memory>
#include <optional>

namespace Ui {
class CasePeriodsWindow;
}

class QLabel;
class QStackedWidget;
class QTableView;

namespace pellumo {

class CustodyModel;
class ExtensionsModel;
class NotCountedModel;
struct CalculationSheet;

// The window "审限与刑期", two tabs on one case: the trial period limit
// (审限) of a procedure from its 立案日, with the intervals not counted and
// the approved extensions in tables the user edits, and the first and last
// day of a sentence after the custody before it is offset. Both results are
// recomputed on every change, each step citing its article, or a message
// naming the row that keeps the case from being computed. The tab shown can
// be copied, printed and exported; the case saves to a file and opens again.
class CasePeriodsWindow : public Page
{
    Q_OBJECT
public:
    // The official calendar the page uses, asked for at each calculation
    // (it may have been updated since the window opened).
    using CalendarInUse = std::function<const OfficialCalendar &()>;
    CasePeriodsWindow(const PageServices &services, CalendarInUse calendar, QWidget *parent = nullptr);
    ~CasePeriodsWindow() override;

    // The case as the controls hold it (its asOf is the day in "剩余天数计至"),
    // and the way to put one on screen (an unset asOf leaves that day).
    CasePeriodsRecord caseOnScreen() const;
    void showCase(const CasePeriodsRecord &record);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void InputChange();
    void ComboBoxProcedureChange();
    void ButtonAddNotCountedClick();
    void ButtonRemoveNotCountedClick();
    void ButtonAddExtensionClick();
    void ButtonRemoveExtensionClick();
    void ButtonAddCustodyClick();
    void ButtonRemoveCustodyClick();
    void ButtonCopyClick();
    void ButtonSaveClick();
    void ButtonOpenClick();

    void setUpTables();
    void setUpFields();
    void bindControls();
    Procedure procedure() const;
    void showTrialPeriod(const TrialPeriodResult &result);
    void showSentence(const SentenceResult &result);
    static void showMessage(QStackedWidget *stack, QLabel *label, const QString &message, bool fault);
    void enableSheetButtons();
    std::optional<CalculationSheet> sheet() const;
    void addRowTo(QTableView *view);
    QByteArray keptBytesOnScreen() const;
    QString lastFolder() const;
    void rememberFolder(const QString &filePath) const;

    std::unique_ptr<Ui::CasePeriodsWindow> m_ui;
    CalendarInUse m_calendar;
    NotCountedModel *m_notCounted;
    ExtensionsModel *m_extensions;
    CustodyModel *m_custody;
    bool m_showingCase = false;  // no recompute while a case is put on screen
    // The last computed case and its results, whose text and sheet the
    // buttons build only when they are clicked.
    CasePeriodsRecord m_shownRecord;
    TrialPeriodResult m_trialResult;
    SentenceResult m_sentenceResult;
    // The case as last opened or saved: opening another asks before it
    // discards changes made since.
    QByteArray m_keptBytes;
};

} // namespace pellumo
