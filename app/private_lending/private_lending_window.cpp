#include "app/private_lending/private_lending_window.h"

#include "app/ledger/case_table_models.h"
#include "app/printing/sheet_actions.h"
#include "app/private_lending/private_lending_sheet.h"
#include "app/services/result_clipboard.h"
#include "app/widgets/rejected_input_hint.h"
#include "interest/private_lending_text.h"
#include "interest/rate_history_file.h"
#include "ui_private_lending_window.h"

#include <QHeaderView>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>

namespace pellumo {
namespace {

const QRegularExpression PrincipalPattern(QStringLiteral("\\d{0,12}(\\.\\d{0,2})?"));
const QRegularExpression RatePattern(QStringLiteral("\\d{0,3}(\\.\\d{0,4})?"));
const QDate FirstOffered(1900, 1, 1);
const QDate LastOffered(9999, 12, 31);

// What a clerk sees whole on a 1366×768 screen, title bar and task bar
// included. On a smaller screen (or at a larger scale) the window fits the
// screen; the inputs and results scroll while the buttons stay below them.
QSize OpeningSize(const QWidget *window)
{
    const QSize wanted(1180, 690);
    const QScreen *screen = window->screen();
    if (!screen)
        return wanted;
    return wanted.boundedTo(screen->availableGeometry().size() - QSize(24, 72));
}

// The decimal the field holds in full; nothing for "" or "." (a rate not
// agreed, a principal not yet typed). "5." reads as 5.
std::optional<Money> NumberIn(const QString &text)
{
    if (!std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isDigit(); }))
        return std::nullopt;
    return Money::fromPlainDecimal(text.endsWith(QLatin1Char('.')) ? text.chopped(1) : text);
}

// Every figure whole: the columns take their contents' width and the table
// scrolls sideways where the window is narrow; at least four rows show.
void SetUpSegmentTable(QTableView *view)
{
    QHeaderView *header = view->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setStretchLastSection(true);
    header->setHighlightSections(false);
    const QFontMetrics metrics(view->font());
    const int rowHeight = metrics.height() + metrics.height() / 2 + 4;
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(rowHeight);
    view->verticalHeader()->hide();
    view->setMinimumHeight(header->sizeHint().height() + 4 * rowHeight + view->horizontalScrollBar()->sizeHint().height() +
                           2 * view->frameWidth());
}

} // namespace

PrivateLendingWindow::PrivateLendingWindow(const PageServices &services, RateHistoryFile &history, QWidget *parent)
    : Page(services, parent), m_ui(std::make_unique<Ui::PrivateLendingWindow>()), m_history(history),
      m_segments(new TextRowsModel(CapSegmentHeader(), {1, 2, 3, 4, 5, 6, 7, 8}, this))
{
    m_ui->setupUi(this);
    setWindowFlag(Qt::Window);
    m_ui->TableSegments->setModel(m_segments);
    SetUpSegmentTable(m_ui->TableSegments);

    m_ui->EditPrincipal->setValidator(new QRegularExpressionValidator(PrincipalPattern, m_ui->EditPrincipal));
    ExplainRejectedInput(m_ui->EditPrincipal, QStringLiteral("本金只能是数字，最多两位小数"));
    for (QLineEdit *rate : {m_ui->EditLoanRate, m_ui->EditOverdueRate, m_ui->EditOtherCharges}) {
        rate->setValidator(new QRegularExpressionValidator(RatePattern, rate));
        ExplainRejectedInput(rate, QStringLiteral("年利率只能是不小于零的数字（百分数），最多四位小数"));
    }
    const QDate today = QDate::currentDate();
    for (QDateEdit *day : {m_ui->DateEditFormed, m_ui->DateEditLent, m_ui->DateEditDue, m_ui->DateEditFiled,
                           m_ui->DateEditUntil}) {
        day->setDateRange(FirstOffered, LastOffered);
        day->setDate(today);
        bind(day, &QDateEdit::dateChanged, &PrivateLendingWindow::InputChange);
    }
    QPalette warning = m_ui->LabelResultMessage->palette();
    warning.setColor(QPalette::Link, QColor(0xb0, 0, 0));
    m_ui->LabelResultMessage->setPalette(warning);
    QFont total = m_ui->LabelSupportedTotal->font();
    total.setBold(true);
    m_ui->LabelSupportedTotal->setFont(total);
    m_ui->LabelSupportedCapitals->setFont(total);

    for (QLineEdit *edit : {m_ui->EditPrincipal, m_ui->EditLoanRate, m_ui->EditOverdueRate, m_ui->EditOtherCharges})
        bind(edit, &QLineEdit::textChanged, &PrivateLendingWindow::InputChange);
    for (QComboBox *combo : {m_ui->ComboBoxLender, m_ui->ComboBoxDayCounting, m_ui->ComboBoxDaysPerYear})
        bind(combo, &QComboBox::currentIndexChanged, &PrivateLendingWindow::InputChange);
    bind(m_ui->ButtonCopy, &QPushButton::clicked, &PrivateLendingWindow::ButtonCopyClick);
    connect(m_ui->ButtonClose, &QPushButton::clicked, this, &QWidget::close);
    BindSheetButtons(m_ui->ButtonPrint, m_ui->ButtonExportPdf, services, [this] { return sheet(); });

    InputChange();
    resize(OpeningSize(this));
}

PrivateLendingWindow::~PrivateLendingWindow()
{
    for (QObject *child : findChildren<QObject *>())
        child->disconnect(this);
}

// The loan as the controls hold it; nothing, and what is missing, while the
// principal is not typed.
std::optional<PrivateLoan> PrivateLendingWindow::loanOnScreen(QString &problem) const
{
    const std::optional<Money> principal = NumberIn(m_ui->EditPrincipal->text());
    if (!principal) {
        problem = QStringLiteral("请填写借款本金、合同成立日、出借日、到期日、起诉日、计息截止日和约定的利率"
                                 "（未约定的利率不填）。");
        return std::nullopt;
    }
    PrivateLoan loan;
    loan.principal = *principal;
    loan.formed = m_ui->DateEditFormed->date();
    loan.lent = m_ui->DateEditLent->date();
    loan.due = m_ui->DateEditDue->date();
    loan.filed = m_ui->DateEditFiled->date();
    loan.until = m_ui->DateEditUntil->date();
    loan.loanRatePercent = NumberIn(m_ui->EditLoanRate->text());
    loan.overdueRatePercent = NumberIn(m_ui->EditOverdueRate->text());
    loan.otherChargesPercent = NumberIn(m_ui->EditOtherCharges->text()).value_or(Money());
    loan.lender = m_ui->ComboBoxLender->currentIndex() == 1 ? LenderKind::LicensedOrLocalFinancial : LenderKind::Private;
    loan.daysPerYear = m_ui->ComboBoxDaysPerYear->currentIndex() == 1 ? 365 : 360;
    loan.countLastDay = m_ui->ComboBoxDayCounting->currentIndex() == 0;
    return loan;
}

// The one place that calls the calculation.
void PrivateLendingWindow::InputChange()
{
    QString problem;
    const std::optional<PrivateLoan> loan = loanOnScreen(problem);
    if (!loan) {
        m_shownResult = {};
        showMessage(problem, false);
        return;
    }
    m_shownLoan = *loan;
    m_shownResult = ComputePrivateLendingInterest(m_shownLoan, m_history.current());
    if (m_shownResult.error.isEmpty())
        showResult(m_shownResult);
    else
        showMessage(QStringLiteral("无法计算：") + m_shownResult.error + QStringLiteral("。"), true);
}

void PrivateLendingWindow::showResult(const PrivateLendingResult &result)
{
    m_segments->setRows(CapSegmentRows(result));
    const QList<PrivateLendingTextLine> totals = PrivateLendingTotals(result);
    const QList<QLabel *> labels{m_ui->LabelAgreedTotal, m_ui->LabelSupportedTotal, m_ui->LabelNotSupportedTotal,
                                 m_ui->LabelVoidTotal};
    for (qsizetype i = 0; i < labels.size(); ++i)
        labels[i]->setText(totals[i].label + QStringLiteral("：") + totals[i].value);
    m_ui->LabelSupportedCapitals->setText(QStringLiteral("大写：人民币") + MoneyToRmbCapitals(result.supportedTotal));
    QStringList steps;
    for (const QString &step : result.steps)
        steps << QString::number(steps.size() + 1) + QStringLiteral(". ") + step;
    for (const QString &note : PrivateLendingNotes(result))
        steps << QStringLiteral("注：") + note + QStringLiteral("。");
    m_ui->MemoSteps->setPlainText(steps.join(QLatin1Char('\n')));
    m_ui->StackResult->setCurrentWidget(m_ui->PageResult);
    for (QPushButton *button : {m_ui->ButtonCopy, m_ui->ButtonPrint, m_ui->ButtonExportPdf})
        button->setEnabled(true);
}

void PrivateLendingWindow::showMessage(const QString &message, bool fault)
{
    m_ui->LabelResultMessage->setForegroundRole(fault ? QPalette::Link : QPalette::WindowText);
    m_ui->LabelResultMessage->setText(message);
    m_ui->StackResult->setCurrentWidget(m_ui->PageMessage);
    for (QPushButton *button : {m_ui->ButtonCopy, m_ui->ButtonPrint, m_ui->ButtonExportPdf})
        button->setEnabled(false);
}

void PrivateLendingWindow::ButtonCopyClick()
{
    services().clipboard->copy(PrivateLendingCopyText(m_shownLoan, m_shownResult));
}

std::optional<CalculationSheet> PrivateLendingWindow::sheet()
{
    if (!m_shownResult.error.isEmpty() || m_ui->StackResult->currentWidget() != m_ui->PageResult)
        return std::nullopt;
    return PrivateLendingSheet(m_ui->EditCaseNumber->text(), m_ui->EditParties->text(), m_shownLoan, m_shownResult,
                               m_history.current());
}

} // namespace pellumo
