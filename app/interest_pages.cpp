#include "app/main_window.h"

#include "app/amount_fields.h"
#include "app/handler_failure.h"
#include "interest/delay_interest.h"
#include "interest/liquidated_damages.h"
#include "interest/rate_table.h"
#include "ui_damages_page.h"
#include "ui_interest_page.h"
#include "ui_main_window.h"

#include <QVBoxLayout>

namespace pellumo {
namespace {

// A result memo keeps its top edge and fills its panel below it, inside the
// bevels (how tall the panel is depends on the height of the tab bar). Its
// text sits close to the border, as in a plain memo, so that the longest
// explanation line fits on one line.
void SetUpResultMemo(QPlainTextEdit *memo)
{
    auto *panel = static_cast<QFrame *>(memo->parentWidget());
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, memo->y() - panel->frameWidth(), 0, 0);
    layout->addWidget(memo);
    memo->document()->setDocumentMargin(2);
}

}  // namespace

void TForm1::setUpInterestPages()
{
    m_interest = std::make_unique<Ui::InterestPage>();
    m_interest->setupUi(m_ui->TabSheet4);
    m_damages = std::make_unique<Ui::DamagesPage>();
    m_damages->setupUi(m_ui->TabSheet6);
    SetUpResultMemo(m_interest->Memo3);
    SetUpResultMemo(m_damages->Memo4);

    // Set before the bindings exist, so that nothing is calculated at start.
    const QDate today = QDate::currentDate();
    m_interest->DateTimePickerstart->setDate(today);
    m_interest->DateTimePickerend->setDate(today);
    m_damages->DateTimePicker2->setDate(today);
    m_damages->DateTimePicker3->setDate(today);
    m_damages->ComboBox4->setCurrentIndex(0);

    bind(m_interest->Editmoney, &QLineEdit::textChanged, &TForm1::Button4Click);
    bind(m_interest->Editmoney, &QLineEdit::returnPressed, &TForm1::EditmoneyKeyPress);
    bind(m_interest->DateTimePickerstart, &QDateEdit::dateChanged, &TForm1::Button4Click);
    bind(m_interest->DateTimePickerend, &QDateEdit::dateChanged, &TForm1::Button4Click);
    bind(m_interest->Button4, &QPushButton::clicked, &TForm1::Button4Click);
    bind(m_interest->SpeedButton9, &QToolButton::clicked, &TForm1::SpeedButton9Click);

    bind(m_damages->Edit3, &QLineEdit::textChanged, &TForm1::Button3Click);
    bind(m_damages->Edit3, &QLineEdit::returnPressed, &TForm1::Edit3KeyPress);
    bind(m_damages->Edit4, &QLineEdit::textChanged, &TForm1::Button3Click);
    // activated: only the user's choice recalculates, and every one of them
    // does (also with the arrow keys, without opening the list).
    bind(m_damages->ComboBox4, &QComboBox::activated, &TForm1::Button3Click);
    bind(m_damages->DateTimePicker2, &QDateEdit::dateChanged, &TForm1::Button3Click);
    bind(m_damages->DateTimePicker3, &QDateEdit::dateChanged, &TForm1::Button3Click);
    bind(m_damages->Button3, &QPushButton::clicked, &TForm1::Button3Click);
    bind(m_damages->SpeedButton10, &QToolButton::clicked, &TForm1::SpeedButton10Click);
}

// Enter empties the field; the empty amount then leaves the results on screen.
void TForm1::EditmoneyKeyPress()
{
    EmptyAndFocus(m_interest->Editmoney);
}

void TForm1::Button4Click()
{
    if (!m_rateTable)
        return;
    const DelayInterestResult result =
        DelayInterest(m_interest->Editmoney->text(), m_interest->DateTimePickerstart->date(),
                      m_interest->DateTimePickerend->date(), *m_rateTable);
    using Outcome = DelayInterestResult::Outcome;
    switch (result.outcome) {
    case Outcome::NoResult:
        return;
    case Outcome::InvalidAmount:
        // Silently back to "0": the change runs this handler again, nested,
        // and that run writes the complete result for 0.
        m_interest->Editmoney->setText(QStringLiteral("0"));
        return;
    case Outcome::WordsOnly:
        m_interest->Label9->setText(result.amountInWords);
        return;
    case Outcome::Complete:
        m_interest->Label9->setText(result.amountInWords);
        m_interest->Memo3->setPlainText(result.lines.join(QLatin1Char('\n')));
        return;
    }
}

void TForm1::Edit3KeyPress()
{
    EmptyAndFocus(m_damages->Edit3);
}

void TForm1::Button3Click()
{
    const QString amountText = m_damages->Edit3->text();
    const QString rateText = m_damages->Edit4->text();
    const LiquidatedDamagesResult result = LiquidatedDamages(
        amountText, rateText, m_damages->ComboBox4->currentIndex(), m_damages->ComboBox4->currentText(),
        m_damages->DateTimePicker2->date(), m_damages->DateTimePicker3->date());
    // Until both fields hold text the page keeps what it shows, the
    // explanation text included.
    if (amountText.isEmpty() || rateText.isEmpty())
        return;
    m_damages->Memo4->clear();
    using Outcome = LiquidatedDamagesResult::Outcome;
    if (result.outcome == Outcome::ConversionError)
        throw HandlerFailure(result.errorMessage);  // Label31 keeps the earlier reading
    m_damages->Label31->setText(result.amountInWords);
    if (result.outcome == Outcome::Complete)
        m_damages->Memo4->setPlainText(result.lines.join(QLatin1Char('\n')));
}

void TForm1::SpeedButton10Click()
{
    ClearDamages();
}

// The two emptied fields each run Button3Click, which stops at the empty
// field; the explanation text does not come back.
void TForm1::ClearDamages()
{
    m_damages->Memo4->clear();
    m_damages->Edit4->setText(QString());
    m_damages->Edit3->setText(QString());
    m_damages->Label31->clear();
}

}  // namespace pellumo
