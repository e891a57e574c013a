#include "app/pages/interest_in_force_page.h"

#include "app/ledger/execution_ledger_window.h"
#include "app/private_lending/private_lending_window.h"
#include "app/pages/official_calendar_source.h"
#include "app/pages/segmented_interest_sheet.h"
#include "app/printing/sheet_actions.h"
#include "app/services/result_clipboard.h"
#include "app/services/settings_files.h"
#include "app/widgets/amount_fields.h"
#include "app/widgets/contract_terms_fields.h"
#include "app/widgets/rejected_input_hint.h"
#include "app/widgets/result_memo.h"
#include "app/window/window_styles.h"
#include "dates/official_calendar_update.h"
#include "interest/interest_wording.h"
#include "interest/rate_history_file.h"
#include "money/money.h"
#include "ui_interest_in_force_page.h"

#include <QRegularExpressionValidator>
#include <algorithm>

namespace pellumo {
namespace {

// Yuan with at most two decimals, up to a trillion; a multiplier with at most
// four decimals.
const QRegularExpression PrincipalPattern(QStringLiteral("\\d{0,12}(\\.\\d{0,2})?"));
const QRegularExpression MultiplierPattern(QStringLiteral("\\d{0,3}(\\.\\d{0,4})?"));

// A text without a digit ("", ".") is unfinished, though it reads as zero.
std::optional<Money> NumberTyped(const QString &text)
{
    if (!std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isDigit(); }))
        return std::nullopt;
    return ParseMoney(text);
}

std::optional<Money> PositiveNumber(const QString &text)
{
    const std::optional<Money> value = NumberTyped(text);
    return value && *value > 0 ? value : std::nullopt;
}

RateBasis BasisAt(int index)
{
    switch (index) {
    case 1:
        return RateBasis::OverFiveYears;
    case 2:
        return RateBasis::ByTerm;
    default:
        return RateBasis::OneYear;
    }
}

} // namespace

InterestInForcePage::InterestInForcePage(const PageServices &services, QWidget *parent)
    : Page(services, parent), m_ui(std::make_unique<Ui::InterestInForcePage>()),
      m_history(std::make_unique<RateHistoryFile>(
          services.settingsFiles->pathForReading(QString::fromLatin1(RateHistoryFileName))))
{
    {
        const StylesWhileBuilding styles;
        m_ui->setupUi(this);
    }
    SetUpResultMemo(m_ui->MemoSegments);
    m_ui->EditPrincipal->setValidator(new QRegularExpressionValidator(PrincipalPattern, m_ui->EditPrincipal));
    m_ui->EditMultiplier->setValidator(new QRegularExpressionValidator(MultiplierPattern, m_ui->EditMultiplier));
    SetUpContractTermsFields(m_ui->EditBasisPoints, m_ui->DateEditRepricingDay);
    m_ui->LabelBasisPoints->setToolTip(BasisPointsHint());
    ExplainRejectedInput(m_ui->EditPrincipal, FieldTakes::Amount);
    ExplainRejectedInput(m_ui->EditMultiplier, FieldTakes::Multiplier);
    // Until there is a result to copy or print, the buttons read as disabled.
    for (QToolButton *button : {m_ui->SpeedButtonCopy, m_ui->SpeedButtonPrint, m_ui->SpeedButtonExportPdf}) {
        QPalette colours = button->palette();
        colours.setColor(QPalette::Disabled, QPalette::ButtonText, Qt::gray);
        button->setPalette(colours);
    }

    // Set before the bindings exist, so that nothing is calculated at start.
    const QDate today = QDate::currentDate();
    m_ui->DateTimePickerFirst->setDate(today);
    m_ui->DateTimePickerLast->setDate(today);

    bind(m_ui->EditPrincipal, &QLineEdit::textChanged, &InterestInForcePage::InputChange);
    bind(m_ui->EditPrincipal, &QLineEdit::returnPressed, &InterestInForcePage::EditPrincipalKeyPress);
    bind(m_ui->DateTimePickerFirst, &QDateEdit::dateChanged, &InterestInForcePage::InputChange);
    bind(m_ui->DateTimePickerLast, &QDateEdit::dateChanged, &InterestInForcePage::InputChange);
    bind(m_ui->ComboBoxCalculation, &QComboBox::currentIndexChanged, &InterestInForcePage::ComboBoxCalculationChange);
    bind(m_ui->ComboBoxBasis, &QComboBox::currentIndexChanged, &InterestInForcePage::InputChange);
    bind(m_ui->EditMultiplier, &QLineEdit::textChanged, &InterestInForcePage::InputChange);
    bind(m_ui->ComboBoxDaysPerYear, &QComboBox::currentIndexChanged, &InterestInForcePage::InputChange);
    bind(m_ui->EditBasisPoints, &QLineEdit::textChanged, &InterestInForcePage::InputChange);
    bind(m_ui->ComboBoxRepricing, &QComboBox::currentIndexChanged, &InterestInForcePage::ComboBoxRepricingChange);
    bind(m_ui->DateEditRepricingDay, &QDateEdit::dateChanged, &InterestInForcePage::InputChange);
    bind(m_ui->ComboBoxDayCount, &QComboBox::currentIndexChanged, &InterestInForcePage::InputChange);
    bind(m_ui->SpeedButtonCopy, &QToolButton::clicked, &InterestInForcePage::SpeedButtonCopyClick);
    BindSheetButtons(m_ui->SpeedButtonPrint, m_ui->SpeedButtonExportPdf, services, [this] { return shownSheet(); },
                     SheetButtonOptions{.askCaseDetails = true});
    bind(m_ui->SpeedButtonLedger, &QToolButton::clicked, &InterestInForcePage::SpeedButtonLedgerClick);
    bind(m_ui->SpeedButtonPrivateLending, &QToolButton::clicked, &InterestInForcePage::SpeedButtonPrivateLendingClick);
}

InterestInForcePage::~InterestInForcePage() = default;

// Enter empties the field, as on the other pages; the results stay.
void InterestInForcePage::EditPrincipalKeyPress()
{
    EmptyAndFocus(m_ui->EditPrincipal);
}

// The basis, multiplier and year length belong to the first calculation
// only; the doubled interest shows its rule in their place.
void InterestInForcePage::ComboBoxCalculationChange()
{
    m_ui->RatesInForceChoices->setVisible(!doubledDelay());
    m_ui->LabelDoubledRule->setVisible(doubledDelay());
    InputChange();
}

// The month and day matter only to a yearly repricing.
void InterestInForcePage::ComboBoxRepricingChange()
{
    m_ui->DateEditRepricingDay->setEnabled(RepricingAt(m_ui->ComboBoxRepricing->currentIndex()) == Repricing::Yearly);
    InputChange();
}

bool InterestInForcePage::doubledDelay() const
{
    return m_ui->ComboBoxCalculation->currentIndex() == 1;
}

// The one place that calls the calculation.
void InterestInForcePage::InputChange()
{
    const std::optional<Money> principal = NumberTyped(m_ui->EditPrincipal->text());
    if (!principal || principal->sign() < 0)
        return;  // empty or unfinished: the last results stay
    m_ui->LabelPrincipalWords->setText(MoneyToChinese(*principal));

    SegmentedInterestRequest request;
    request.principal = *principal;
    request.first = m_ui->DateTimePickerFirst->date();
    request.last = m_ui->DateTimePickerLast->date();
    if (doubledDelay()) {
        request.calculation = SegmentedInterestRequest::Calculation::DoubledDelay;
    } else {
        const std::optional<Money> multiplier = PositiveNumber(m_ui->EditMultiplier->text());
        const std::optional<int> basisPoints = BasisPointsIn(m_ui->EditBasisPoints->text());
        if (!multiplier || !basisPoints)
            return;
        request.basis = BasisAt(m_ui->ComboBoxBasis->currentIndex());
        request.multiplier = *multiplier;
        request.daysPerYear = m_ui->ComboBoxDaysPerYear->currentIndex() == 1 ? 365 : 360;
        request.basisPoints = *basisPoints;
        request.repricing = RepricingAt(m_ui->ComboBoxRepricing->currentIndex());
        request.repricingMonth = m_ui->DateEditRepricingDay->date().month();
        request.repricingDay = m_ui->DateEditRepricingDay->date().day();
        request.countLastDay = m_ui->ComboBoxDayCount->currentIndex() == 0;
    }

    const RateHistory &history = m_history->current();
    const SegmentedInterest result = CalculateSegmentedInterest(request, history);
    m_ui->MemoSegments->setPlainText(SegmentedInterestLines(request, result, history.knownThrough).join(QLatin1Char('\n')));
    m_shownRequest = request;
    m_shownResult = result;
    m_shownKnownThrough = history.knownThrough;
    m_shownHistoryVersion = history.version;
    const bool complete = result.outcome == SegmentedInterest::Outcome::Complete;
    m_ui->SpeedButtonCopy->setEnabled(complete);
    m_ui->SpeedButtonPrint->setEnabled(complete);
    m_ui->SpeedButtonExportPdf->setEnabled(complete);
}

std::optional<CalculationSheet> InterestInForcePage::shownSheet()
{
    if (m_shownResult.outcome != SegmentedInterest::Outcome::Complete)
        return std::nullopt;
    if (!m_calendar)
        m_calendar = std::make_unique<OfficialCalendarSource>(
            services().settingsFiles->pathForReading(QLatin1String(InstalledOfficialCalendarName)));
    else
        m_calendar->refresh();
    const SegmentedInterestData data{m_shownHistoryVersion, m_shownKnownThrough, m_calendar->calendar().version()};
    return SegmentedInterestSheet(m_shownRequest, m_shownResult, data, QDate::currentDate());
}

void InterestInForcePage::SpeedButtonCopyClick()
{
    services().clipboard->copy(SegmentedInterestCopyText(m_shownRequest, m_shownResult, m_shownKnownThrough));
}

// The ledger computes with the page's rate history. Closing the window only
// hides it: the case stays until the page goes, and the button brings it back.
void InterestInForcePage::SpeedButtonLedgerClick()
{
    if (!m_ledgerWindow)
        m_ledgerWindow = new ExecutionLedgerWindow(services(), *m_history, this);
    m_ledgerWindow->show();
    m_ledgerWindow->raise();
    m_ledgerWindow->activateWindow();
}

// Like the ledger: the window keeps its loan while the page lives.
void InterestInForcePage::SpeedButtonPrivateLendingClick()
{
    if (!m_privateLendingWindow)
        m_privateLendingWindow = new PrivateLendingWindow(services(), *m_history, this);
    m_privateLendingWindow->show();
    m_privateLendingWindow->raise();
    m_privateLendingWindow->activateWindow();
}

} // namespace pellumo
