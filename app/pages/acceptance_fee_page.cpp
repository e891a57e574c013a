#include "app/pages/acceptance_fee_page.h"

#include "app/all_fees/all_fees_window.h"
#include "app/dialogs/base_amount_dialog.h"
#include "app/pages/fee_amount.h"
#include "app/services/settings_files.h"
#include "app/services/system_calculator.h"
#include "app/widgets/amount_fields.h"
#include "app/widgets/clickable_label.h"
#include "app/widgets/result_button.h"
#include "app/widgets/result_rows.h"
#include "app/window/window_styles.h"
#include "fees/acceptance_fee.h"
#include "fees/base_amounts.h"
#include "fees/amount_reading.h"
#include "money/money.h"
#include "ui_acceptance_fee_page.h"

namespace pellumo {
namespace {

QString BaseAmountsFile()
{
    return QString::fromLatin1(BaseAmountsFileName);
}

} // namespace

AcceptanceFeePage::AcceptanceFeePage(const PageServices &services, QWidget *parent)
    : Page(services, parent), m_ui(std::make_unique<Ui::AcceptanceFeePage>())
{
    {
        const StylesWhileBuilding styles;
        m_ui->setupUi(this);
    }
    KeepUnselectedOnFocus(m_ui->edtBd);

    // Every choice the user makes in a drop-down recalculates, with the mouse
    // or the keyboard (activated); a selection set by the program does not.
    bind(m_ui->edtBd, &QLineEdit::textChanged, &AcceptanceFeePage::edtBdChange);
    bind(m_ui->edtBd, &QLineEdit::returnPressed, &AcceptanceFeePage::edtBdKeyPress);
    bind(m_ui->Button1, &QPushButton::clicked, &AcceptanceFeePage::Button1Click);
    bind(m_ui->ComboBox1, &QComboBox::activated, &AcceptanceFeePage::Button1Click);
    bind(m_ui->ComboBox2, &QComboBox::activated, &AcceptanceFeePage::Button1Click);
    bind(m_ui->SpeedButtonjishu, &QToolButton::clicked, &AcceptanceFeePage::SpeedButtonjishuClick);
    bind(m_ui->Image4, &ClickableLabel::clicked, &AcceptanceFeePage::Image4Click);
    bind(m_ui->allFeesButton, &QPushButton::clicked, &AcceptanceFeePage::allFeesButtonClick);
    BindResultRows({{m_ui->SpeedButton3, {m_ui->label}},
                    {m_ui->SpeedButton5, {m_ui->Label6, m_ui->Label7}},
                    {m_ui->SpeedButton6, {m_ui->Label4, m_ui->Label33}}},
                   *services.clipboard, *services.errors);

    // A child of the window rather than of the page: its fields (Edit1,
    // Edit2) are then found after the pages' controls of the same names.
    m_baseAmountDialog = new TForm2(services.settingsFiles->pathForWriting(BaseAmountsFile()),
                                    services.messageBoxes, window());
    connect(m_baseAmountDialog, &TForm2::baseAmountsSaved, this, &AcceptanceFeePage::ShowBaseAmounts);
    connect(m_baseAmountDialog, &TForm2::baseAmountsSaved, this, [this] {
        if (m_allFeesWindow)
            m_allFeesWindow->settingsChanged();  // its divorce and personality-rights fees use them
    });
}

AcceptanceFeePage::~AcceptanceFeePage() = default;

void AcceptanceFeePage::showAtFirstActivation()
{
    m_ui->edtBd->setFocus();
    readAndShowBaseAmounts();
}

void AcceptanceFeePage::edtBdKeyPress()
{
    EmptyAndFocus(m_ui->edtBd);
}

void AcceptanceFeePage::edtBdChange()
{
    EnableWhileFilled(m_ui->edtBd, {m_ui->ComboBox1, m_ui->ComboBox2});
    Button1Click();
}

void AcceptanceFeePage::Button1Click()
{
    m_ui->edtBd->setFocus();
    // Read anew on every run: a save in the base-amount dialog counts from the next calculation.
    const BaseAmounts amounts = readAndShowBaseAmounts();
    CalculateFromAmount(m_ui->edtBd, [this, &amounts](const Money &amount) { showFees(amount, amounts); });
}

// The one place that calls the fee calculations of this page.
void AcceptanceFeePage::showFees(const Money &x, const BaseAmounts &amounts)
{
    m_ui->Label24->setText(MoneyToChinese(x));
    Money property = PropertyCaseFee(x);
    Money divorce = DivorceCaseFee(x, amounts.divorce);
    Money personalityRights = PersonalityRightsCaseFee(x, amounts.personalityRights);
    const bool halved = m_ui->ComboBox1->currentIndex() == 1;
    m_ui->Label26->setVisible(halved);
    if (halved) {
        property = HalfFee(property);
        divorce = HalfFee(divorce);
        personalityRights = HalfFee(personalityRights);
    }
    const FeeForm form = FeeFormOf(m_ui->ComboBox2);
    m_ui->SpeedButton3->setText(FeeText(property, form));
    m_ui->SpeedButton5->setText(FeeText(divorce, form));
    m_ui->SpeedButton6->setText(FeeText(personalityRights, form));
}

BaseAmounts AcceptanceFeePage::readAndShowBaseAmounts()
{
    const BaseAmounts amounts = ReadBaseAmounts(services().settingsFiles->pathForReading(BaseAmountsFile()));
    ShowBaseAmounts(QString::number(amounts.divorce), QString::number(amounts.personalityRights));
    return amounts;
}

void AcceptanceFeePage::ShowBaseAmounts(const QString &D, const QString &P)
{
    m_ui->SpeedButtonjishu->setText(BaseAmountCaption(D, P));
}

// The dialog is filled from setjs.rar on every opening; what it saves shows
// in the caption at once, and the fees follow at the next calculation.
void AcceptanceFeePage::SpeedButtonjishuClick()
{
    const BaseAmounts amounts = ReadBaseAmounts(services().settingsFiles->pathForReading(BaseAmountsFile()));
    m_baseAmountDialog->setBaseAmounts(amounts.divorce, amounts.personalityRights);
    m_baseAmountDialog->exec();
}

void AcceptanceFeePage::Image4Click()
{
    OpenSystemCalculator(*services().shellLauncher);
}

void AcceptanceFeePage::allFeesButtonClick()
{
    const bool first = !m_allFeesWindow;
    OpenAllFeesWindow(m_allFeesWindow, services(), FeeKind::Property, this);
    if (first)
        bind(m_allFeesWindow.data(), &AllFeesWindow::localStandardsSaved,
             &AcceptanceFeePage::allFeesLocalStandardsSaved);
}

// The window's dialog saves the divorce and personality-rights base amounts too.
void AcceptanceFeePage::allFeesLocalStandardsSaved()
{
    readAndShowBaseAmounts();
}

} // namespace pellumo
