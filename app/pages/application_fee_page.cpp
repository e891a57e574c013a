#include "app/pages/application_fee_page.h"

#include "app/all_fees/all_fees_window.h"
#include "app/pages/fee_amount.h"
#include "app/services/system_calculator.h"
#include "app/widgets/amount_fields.h"
#include "app/widgets/clickable_label.h"
#include "app/widgets/result_button.h"
#include "app/widgets/result_rows.h"
#include "app/window/window_styles.h"
#include "fees/application_fee.h"
#include "money/money.h"
#include "ui_application_fee_page.h"

namespace pellumo {

ApplicationFeePage::ApplicationFeePage(const PageServices &services, QWidget *parent)
    : Page(services, parent), m_ui(std::make_unique<Ui::ApplicationFeePage>())
{
    {
        const StylesWhileBuilding styles;
        m_ui->setupUi(this);
    }
    KeepUnselectedOnFocus(m_ui->Edit7);

    bind(m_ui->Edit7, &QLineEdit::textChanged, &ApplicationFeePage::Edit7Change);
    bind(m_ui->Edit7, &QLineEdit::returnPressed, &ApplicationFeePage::Edit7KeyPress);
    bind(m_ui->Button2, &QPushButton::clicked, &ApplicationFeePage::Button2Click);
    bind(m_ui->ComboBox3, &QComboBox::activated, &ApplicationFeePage::Button2Click);
    bind(m_ui->Image5, &ClickableLabel::clicked, &ApplicationFeePage::Image4Click);
    bind(m_ui->allFeesButton, &QPushButton::clicked, &ApplicationFeePage::allFeesButtonClick);
    BindResultRows({{m_ui->SpeedButton4, {m_ui->Label18}},
                    {m_ui->SpeedButton7, {m_ui->Label20}},
                    {m_ui->SpeedButton8, {m_ui->Label21}}},
                   *services.clipboard, *services.errors);
}

ApplicationFeePage::~ApplicationFeePage() = default;

void ApplicationFeePage::Edit7KeyPress()
{
    EmptyAndFocus(m_ui->Edit7);
}

void ApplicationFeePage::Edit7Change()
{
    EnableWhileFilled(m_ui->Edit7, {m_ui->ComboBox3});
    Button2Click();
}

void ApplicationFeePage::Button2Click()
{
    CalculateFromAmount(m_ui->Edit7, [this](const Money &amount) { showFees(amount); });
}

// The one place that calls the fee calculations of this page.
void ApplicationFeePage::showFees(const Money &x)
{
    m_ui->Label25->setText(MoneyToChinese(x));
    const FeeForm form = FeeFormOf(m_ui->ComboBox3);
    m_ui->SpeedButton4->setText(FeeText(ExecutionFee(x), form));
    m_ui->SpeedButton7->setText(FeeText(PreservationFee(x), form));
    m_ui->SpeedButton8->setText(FeeText(PaymentOrderFee(x), form));
}

void ApplicationFeePage::Image4Click()
{
    OpenSystemCalculator(*services().shellLauncher);
}

void ApplicationFeePage::allFeesButtonClick()
{
    OpenAllFeesWindow(m_allFeesWindow, services(), FeeKind::Execution, this);
}

} // namespace pellumo
