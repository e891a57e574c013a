#include "app/pages/damages_page.h"

#include "app/services/handler_failure.h"
#include "app/widgets/amount_fields.h"
#include "app/widgets/result_memo.h"
#include "app/window/window_styles.h"
#include "interest/liquidated_damages.h"
#include "money/unfinished_money_text.h"
#include "ui_damages_page.h"

namespace pellumo {

DamagesPage::DamagesPage(const PageServices &services, QWidget *parent)
    : Page(services, parent), m_ui(std::make_unique<Ui::DamagesPage>())
{
    {
        const StylesWhileBuilding styles;
        m_ui->setupUi(this);
    }
    SetUpResultMemo(m_ui->Memo4);

    // Set before the bindings exist, so that nothing is calculated at start.
    const QDate today = QDate::currentDate();
    m_ui->DateTimePicker2->setDate(today);
    m_ui->DateTimePicker3->setDate(today);
    m_ui->ComboBox4->setCurrentIndex(0);

    bind(m_ui->Edit3, &QLineEdit::textChanged, &DamagesPage::Button3Click);
    bind(m_ui->Edit3, &QLineEdit::returnPressed, &DamagesPage::Edit3KeyPress);
    bind(m_ui->Edit4, &QLineEdit::textChanged, &DamagesPage::Button3Click);
    // activated: only the user's choice recalculates, and every one of them
    // does (also with the arrow keys, without opening the list).
    bind(m_ui->ComboBox4, &QComboBox::activated, &DamagesPage::Button3Click);
    bind(m_ui->DateTimePicker2, &QDateEdit::dateChanged, &DamagesPage::Button3Click);
    bind(m_ui->DateTimePicker3, &QDateEdit::dateChanged, &DamagesPage::Button3Click);
    bind(m_ui->Button3, &QPushButton::clicked, &DamagesPage::Button3Click);
    bind(m_ui->SpeedButton10, &QToolButton::clicked, &DamagesPage::SpeedButton10Click);
}

DamagesPage::~DamagesPage() = default;

void DamagesPage::Edit3KeyPress()
{
    EmptyAndFocus(m_ui->Edit3);
}

// The one place that calls the damages calculation.
void DamagesPage::Button3Click()
{
    const QString amountText = m_ui->Edit3->text();
    const QString rateText = m_ui->Edit4->text();
    const LiquidatedDamagesResult result =
        LiquidatedDamages(amountText, rateText, m_ui->ComboBox4->currentIndex(), m_ui->ComboBox4->currentText(),
                          m_ui->DateTimePicker2->date(), m_ui->DateTimePicker3->date());
    // While a field is empty or its entry unfinished ("-"), the page keeps
    // what it shows, the explanation text included.
    if (amountText.isEmpty() || rateText.isEmpty() || IsUnfinishedMoneyText(amountText) ||
        IsUnfinishedMoneyText(rateText))
        return;
    m_ui->Memo4->clear();
    using Outcome = LiquidatedDamagesResult::Outcome;
    if (result.outcome == Outcome::ConversionError)
        throw HandlerFailure(result.errorMessage);  // Label31 keeps the earlier reading
    m_ui->Label31->setText(result.amountInWords);
    if (result.outcome == Outcome::Complete)
        m_ui->Memo4->setPlainText(result.lines.join(QLatin1Char('\n')));
}

void DamagesPage::SpeedButton10Click()
{
    ClearDamages();
}

// The two emptied fields each run Button3Click, which stops at the empty
// field; the explanation text does not come back.
void DamagesPage::ClearDamages()
{
    m_ui->Memo4->clear();
    m_ui->Edit4->setText(QString());
    m_ui->Edit3->setText(QString());
    m_ui->Label31->clear();
}

} // namespace pellumo
