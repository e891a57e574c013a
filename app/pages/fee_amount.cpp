#include "app/pages/fee_amount.h"

#include "fees/amount_reading.h"
#include "money/money.h"
#include "money/unfinished_money_text.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <exception>

namespace pellumo {
namespace {

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

} // namespace

void KeepUnselectedOnFocus(QLineEdit *field)
{
    field->installEventFilter(new KeepTextUnselectedOnFocus(field));
}

void EnableWhileFilled(const QLineEdit *field, const QList<QComboBox *> &choices)
{
    const bool hasText = !field->text().isEmpty();
    for (QComboBox *choice : choices)
        choice->setEnabled(hasText);
}

void CalculateFromAmount(QLineEdit *field, const std::function<void(const Money &amount)> &showResults)
{
    field->setFocus();
    try {
        const AmountReading reading = ReadAmount(field->text());
        if (reading.outcome == AmountReading::Outcome::Empty)
            return;  // the results of the last amount stay on screen
        if (reading.outcome == AmountReading::Outcome::Reject) {
            if (IsUnfinishedPositiveMoneyText(field->text()))
                return;  // "0", "0.", "+": typing on can still give an amount above zero
            field->setText(QString());
            return;
        }
        showResults(reading.value);
    } catch (const std::exception &) {
        field->setText(QString());
    }
}

FeeForm FeeFormOf(const QComboBox *choice)
{
    switch (choice->currentIndex()) {
    case 1:
        return FeeForm::Words;
    case 2:
        return FeeForm::Capitals;
    default:
        return FeeForm::Figures;
    }
}

QString FeeText(const Money &fee, FeeForm form)
{
    switch (form) {
    case FeeForm::Words:
        return MoneyToChinese(fee);
    case FeeForm::Capitals:
        return MoneyToRmbCapitals(fee);
    case FeeForm::Figures:
        break;
    }
    return MoneyToFigures(fee);
}

} // namespace pellumo
