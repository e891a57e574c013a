#include "app/pages/interest_page.h"

#include "app/services/settings_files.h"
#include "app/update/rate_update.h"
#include "app/widgets/amount_fields.h"
#include "app/widgets/result_memo.h"
#include "app/window/window_styles.h"
#include "interest/delay_interest.h"
#include "interest/rate_table.h"
#include "interest/segmented_interest.h"
#include "money/unfinished_money_text.h"
#include "ui_interest_page.h"

namespace pellumo {

InterestPage::InterestPage(const PageServices &services, QWidget *parent)
    : Page(services, parent), m_ui(std::make_unique<Ui::InterestPage>()),
      m_rateTable(std::make_unique<RateTable>(
          services.settingsFiles->pathForReading(QString::fromLatin1(RateTableFileName))))
{
    {
        const StylesWhileBuilding styles;
        m_ui->setupUi(this);
    }
    SetUpResultMemo(m_ui->Memo3);

    // Set before the bindings exist, so that nothing is calculated at start.
    const QDate today = QDate::currentDate();
    m_ui->DateTimePickerstart->setDate(today);
    m_ui->DateTimePickerend->setDate(today);
    DateTimePickerendChange();

    bind(m_ui->Editmoney, &QLineEdit::textChanged, &InterestPage::Button4Click);
    bind(m_ui->Editmoney, &QLineEdit::returnPressed, &InterestPage::EditmoneyKeyPress);
    bind(m_ui->DateTimePickerstart, &QDateEdit::dateChanged, &InterestPage::Button4Click);
    bind(m_ui->DateTimePickerend, &QDateEdit::dateChanged, &InterestPage::Button4Click);
    bind(m_ui->DateTimePickerend, &QDateEdit::dateChanged, &InterestPage::DateTimePickerendChange);
    bind(m_ui->Button4, &QPushButton::clicked, &InterestPage::Button4Click);
    bind(m_ui->SpeedButton9, &QToolButton::clicked, &InterestPage::SpeedButton9Click);
}

InterestPage::~InterestPage() = default;

// Enter empties the field; the empty amount then leaves the results on screen.
void InterestPage::EditmoneyKeyPress()
{
    EmptyAndFocus(m_ui->Editmoney);
}

// The one place that calls the interest calculation.
void InterestPage::Button4Click()
{
    const DelayInterestResult result = DelayInterest(m_ui->Editmoney->text(), m_ui->DateTimePickerstart->date(),
                                                     m_ui->DateTimePickerend->date(), *m_rateTable);
    using Outcome = DelayInterestResult::Outcome;
    switch (result.outcome) {
    case Outcome::NoResult:
        return;
    case Outcome::InvalidAmount:
        if (IsUnfinishedMoneyText(m_ui->Editmoney->text()))
            return;  // "-", "+": the amount is still being typed
        // Silently back to "0": the change runs this handler again, nested,
        // and that run writes the complete result for 0.
        m_ui->Editmoney->setText(QStringLiteral("0"));
        return;
    case Outcome::WordsOnly:
        m_ui->Label9->setText(result.amountInWords);
        return;
    case Outcome::Complete:
        m_ui->Label9->setText(result.amountInWords);
        m_ui->Memo3->setPlainText(result.lines.join(QLatin1Char('\n')));
        return;
    }
}

// This page computes by the 2009 reply throughout; a delay that reaches
// 2014-08-01 falls from that day under 法释〔2014〕8号 (its 第七条), which the
// page 分段计息 applies.
void InterestPage::DateTimePickerendChange()
{
    m_ui->LabelRuleOf2014->setVisible(m_ui->DateTimePickerend->date() >= DailyDelayRateStart());
}

// The interest is not recomputed: its next calculation reads the new file.
// The boxes of the update are owned by the window.
void InterestPage::SpeedButton9Click()
{
    UpdateRateTable(window(), services());
}

} // namespace pellumo
