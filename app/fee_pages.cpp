// The two fee pages: the case acceptance fee ("受理费") and the application
// fee ("申请费"), their result buttons and the base-amount caption.

#include "app/main_window.h"

#include "app/amount_fields.h"
#include "app/base_amount_dialog.h"
#include "app/clickable_label.h"
#include "app/result_button.h"
#include "fees/acceptance_fee.h"
#include "fees/amount_reading.h"
#include "fees/application_fee.h"
#include "fees/base_amounts.h"
#include "money/money.h"
#include "ui_acceptance_fee_page.h"
#include "ui_application_fee_page.h"
#include "ui_main_window.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <exception>

namespace pellumo {
namespace {

const QColor RowHighlight(255, 0, 0);
const QColor RowNormal(0, 0, 0);

// The amount fields do not select their text when the focus arrives by the
// keyboard, so that typing goes on after the text instead of replacing it.
// Qt selects on a tab or shortcut focus; the filter hands the field a plain
// focus event instead.
class KeepTextUnselectedOnFocus : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::FocusIn)
            return false;
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason && reason != Qt::ShortcutFocusReason)
            return false;
        QFocusEvent plain(QEvent::FocusIn, Qt::OtherFocusReason);
        QCoreApplication::sendEvent(watched, &plain);
        return true;
    }
};

void KeepUnselectedOnFocus(QLineEdit *field)
{
    field->installEventFilter(new KeepTextUnselectedOnFocus(field));
}

QString FeeText(const Money &fee, bool wordsForm)
{
    return wordsForm ? MoneyToChinese(fee) : MoneyToFigures(fee);
}

} // namespace

void TForm1::setUpFeePages()
{
    m_acceptance = std::make_unique<Ui::AcceptanceFeePage>();
    m_acceptance->setupUi(m_ui->TabSheet1);
    m_application = std::make_unique<Ui::ApplicationFeePage>();
    m_application->setupUi(m_ui->TabSheet5);
    KeepUnselectedOnFocus(m_acceptance->edtBd);
    KeepUnselectedOnFocus(m_application->Edit7);

    // Every choice the user makes in a drop-down recalculates, with the mouse
    // or the keyboard (activated); a selection set by the program does not.
    bind(m_acceptance->edtBd, &QLineEdit::textChanged, &TForm1::edtBdChange);
    bind(m_acceptance->edtBd, &QLineEdit::returnPressed, &TForm1::edtBdKeyPress);
    bind(m_acceptance->Button1, &QPushButton::clicked, &TForm1::Button1Click);
    bind(m_acceptance->ComboBox1, &QComboBox::activated, &TForm1::Button1Click);
    bind(m_acceptance->ComboBox2, &QComboBox::activated, &TForm1::Button1Click);
    bind(m_acceptance->SpeedButtonjishu, &QToolButton::clicked, &TForm1::SpeedButtonjishuClick);
    bind(m_acceptance->Image4, &ClickableLabel::clicked, &TForm1::Image4Click);

    bind(m_application->Edit7, &QLineEdit::textChanged, &TForm1::Edit7Change);
    bind(m_application->Edit7, &QLineEdit::returnPressed, &TForm1::Edit7KeyPress);
    bind(m_application->Button2, &QPushButton::clicked, &TForm1::Button2Click);
    bind(m_application->ComboBox3, &QComboBox::activated, &TForm1::Button2Click);
    bind(m_application->Image5, &ClickableLabel::clicked, &TForm1::Image4Click);

    const auto bindResultButton = [this](ResultButton *button, void (TForm1::*click)(), void (TForm1::*enter)(),
                                         void (TForm1::*leave)()) {
        bind(button, &ResultButton::clicked, click);
        bind(button, &ResultButton::pointerEntered, enter);
        bind(button, &ResultButton::pointerLeft, leave);
    };
    bindResultButton(m_acceptance->SpeedButton3, &TForm1::SpeedButton3Click, &TForm1::SpeedButton3MouseEnter,
                     &TForm1::SpeedButton3MouseLeave);
    bindResultButton(m_acceptance->SpeedButton5, &TForm1::SpeedButton5Click, &TForm1::SpeedButton5MouseEnter,
                     &TForm1::SpeedButton5MouseLeave);
    bindResultButton(m_acceptance->SpeedButton6, &TForm1::SpeedButton6Click, &TForm1::SpeedButton6MouseEnter,
                     &TForm1::SpeedButton6MouseLeave);
    bindResultButton(m_application->SpeedButton4, &TForm1::SpeedButton4Click, &TForm1::SpeedButton4MouseEnter,
                     &TForm1::SpeedButton4MouseLeave);
    bindResultButton(m_application->SpeedButton7, &TForm1::SpeedButton7Click, &TForm1::SpeedButton7MouseEnter,
                     &TForm1::SpeedButton7MouseLeave);
    bindResultButton(m_application->SpeedButton8, &TForm1::SpeedButton8Click, &TForm1::SpeedButton8MouseEnter,
                     &TForm1::SpeedButton8MouseLeave);
}

// ---- Acceptance fee page ----

void TForm1::edtBdKeyPress()
{
    EmptyAndFocus(m_acceptance->edtBd);
}

void TForm1::edtBdChange()
{
    const bool hasText = !m_acceptance->edtBd->text().isEmpty();
    m_acceptance->ComboBox1->setEnabled(hasText);
    m_acceptance->ComboBox2->setEnabled(hasText);
    Button1Click();
}

void TForm1::Button1Click()
{
    QLineEdit *amountField = m_acceptance->edtBd;
    amountField->setFocus();
    // Read anew on every run: a save in the base-amount dialog counts from the next calculation.
    const BaseAmounts amounts = ReadBaseAmounts(settingsFilePath(QString::fromLatin1(BaseAmountsFileName)));
    ShowBaseAmounts(QString::number(amounts.divorce), QString::number(amounts.personalityRights));

    // From the reading of the amount on, any failure is treated like a
    // rejected amount: the field is emptied and nothing is reported.
    try {
        const AmountReading reading = ReadAmount(amountField->text());
        if (reading.outcome == AmountReading::Outcome::Empty)
            return;  // the results of the last amount stay on screen
        if (reading.outcome == AmountReading::Outcome::Reject) {
            amountField->setText(QString());
            return;
        }
        const Money &x = reading.value;
        m_acceptance->Label24->setText(MoneyToChinese(x));

        Money property = PropertyCaseFee(x);
        Money divorce = DivorceCaseFee(x, amounts.divorce);
        Money personalityRights = PersonalityRightsCaseFee(x, amounts.personalityRights);
        const bool halved = m_acceptance->ComboBox1->currentIndex() == 1;
        m_acceptance->Label26->setVisible(halved);
        if (halved) {
            property = HalfFee(property);
            divorce = HalfFee(divorce);
            personalityRights = HalfFee(personalityRights);
        }
        const bool wordsForm = m_acceptance->ComboBox2->currentIndex() == 1;
        m_acceptance->SpeedButton3->setText(FeeText(property, wordsForm));
        m_acceptance->SpeedButton5->setText(FeeText(divorce, wordsForm));
        m_acceptance->SpeedButton6->setText(FeeText(personalityRights, wordsForm));
    } catch (const std::exception &) {
        amountField->setText(QString());
    }
}

void TForm1::ShowBaseAmounts(const QString &D, const QString &P)
{
    m_acceptance->SpeedButtonjishu->setText(BaseAmountCaption(D, P));
}

// The dialog is filled from setjs.rar on every opening; what it saves shows
// in the caption at once, and the fees follow at the next calculation.
void TForm1::SpeedButtonjishuClick()
{
    const BaseAmounts amounts = ReadBaseAmounts(settingsFilePath(QString::fromLatin1(BaseAmountsFileName)));
    m_baseAmountDialog->setBaseAmounts(amounts.divorce, amounts.personalityRights);
    m_baseAmountDialog->exec();
}

// ---- Application fee page ----

void TForm1::Edit7KeyPress()
{
    EmptyAndFocus(m_application->Edit7);
}

void TForm1::Edit7Change()
{
    m_application->ComboBox3->setEnabled(!m_application->Edit7->text().isEmpty());
    Button2Click();
}

void TForm1::Button2Click()
{
    QLineEdit *amountField = m_application->Edit7;
    amountField->setFocus();
    try {
        const AmountReading reading = ReadAmount(amountField->text());
        if (reading.outcome == AmountReading::Outcome::Empty)
            return;
        if (reading.outcome == AmountReading::Outcome::Reject) {
            amountField->setText(QString());
            return;
        }
        const Money &x = reading.value;
        m_application->Label25->setText(MoneyToChinese(x));
        const bool wordsForm = m_application->ComboBox3->currentIndex() == 1;
        m_application->SpeedButton4->setText(FeeText(ExecutionFee(x), wordsForm));
        m_application->SpeedButton7->setText(FeeText(PreservationFee(x), wordsForm));
        m_application->SpeedButton8->setText(FeeText(PaymentOrderFee(x), wordsForm));
    } catch (const std::exception &) {
        amountField->setText(QString());
    }
}

// ---- Result buttons ----

// The hidden Edit1 of the banner strip carries the text to the clipboard;
// it never takes the focus, so the focus stays in the amount field.
void TForm1::CopyResult(ResultButton *button)
{
    QLineEdit *carrier = m_ui->Edit1;
    carrier->setText(button->text());
    carrier->selectAll();
    carrier->copy();
}

void TForm1::HighlightRow(const QList<QLabel *> &labels, const QColor &colour)
{
    for (QLabel *label : labels) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colour);
        label->setPalette(palette);
    }
}

void TForm1::SpeedButton3Click() { CopyResult(m_acceptance->SpeedButton3); }
void TForm1::SpeedButton3MouseEnter() { HighlightRow({m_acceptance->label}, RowHighlight); }
void TForm1::SpeedButton3MouseLeave() { HighlightRow({m_acceptance->label}, RowNormal); }

void TForm1::SpeedButton5Click() { CopyResult(m_acceptance->SpeedButton5); }
void TForm1::SpeedButton5MouseEnter() { HighlightRow({m_acceptance->Label6, m_acceptance->Label7}, RowHighlight); }
void TForm1::SpeedButton5MouseLeave() { HighlightRow({m_acceptance->Label6, m_acceptance->Label7}, RowNormal); }

void TForm1::SpeedButton6Click() { CopyResult(m_acceptance->SpeedButton6); }
void TForm1::SpeedButton6MouseEnter() { HighlightRow({m_acceptance->Label4, m_acceptance->Label33}, RowHighlight); }
void TForm1::SpeedButton6MouseLeave() { HighlightRow({m_acceptance->Label4, m_acceptance->Label33}, RowNormal); }

void TForm1::SpeedButton4Click() { CopyResult(m_application->SpeedButton4); }
void TForm1::SpeedButton4MouseEnter() { HighlightRow({m_application->Label18}, RowHighlight); }
void TForm1::SpeedButton4MouseLeave() { HighlightRow({m_application->Label18}, RowNormal); }

void TForm1::SpeedButton7Click() { CopyResult(m_application->SpeedButton7); }
void TForm1::SpeedButton7MouseEnter() { HighlightRow({m_application->Label20}, RowHighlight); }
void TForm1::SpeedButton7MouseLeave() { HighlightRow({m_application->Label20}, RowNormal); }

void TForm1::SpeedButton8Click() { CopyResult(m_application->SpeedButton8); }
void TForm1::SpeedButton8MouseEnter() { HighlightRow({m_application->Label21}, RowHighlight); }
void TForm1::SpeedButton8MouseLeave() { HighlightRow({m_application->Label21}, RowNormal); }

} // namespace pellumo
