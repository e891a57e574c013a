#include "app/widgets/rejected_input_hint.h"

#include <QAbstractSpinBox>
#include <QDeadlineTimer>
#include <QEvent>
#include <QLineEdit>
#include <QToolTip>

namespace pellumo {
namespace {

// How long the hint outlives the refused key while the clerk types on.
constexpr int HoldMilliseconds = 4000;

// Qt's tooltip hides itself at the next key press or release, the refused
// key's own release included, which would leave it on screen for a blink.
// The hint shows it again at each key of its field until the hold runs out,
// and takes it away when the field loses the focus.
class RejectedInputHint : public QObject
{
public:
    RejectedInputHint(QWidget *field, QString text) : QObject(field), m_field(field), m_text(std::move(text))
    {
        field->installEventFilter(this);
    }

    void show()
    {
        m_hold.setRemainingTime(HoldMilliseconds);
        // Just below the field, so that it does not hide what was typed.
        QToolTip::showText(m_field->mapToGlobal(QPoint(0, m_field->height())), m_text, m_field);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            if (!m_hold.hasExpired())
                QToolTip::showText(m_field->mapToGlobal(QPoint(0, m_field->height())), m_text, m_field);
            break;
        case QEvent::FocusOut:
        case QEvent::Hide:
            if (!m_hold.hasExpired() && QToolTip::text() == m_text)
                QToolTip::hideText();
            m_hold.setRemainingTime(0);
            break;
        default:
            break;
        }
        return false;
    }

private:
    QWidget *m_field;
    QString m_text;
    QDeadlineTimer m_hold{0};
};

void Explain(QWidget *field, QLineEdit *refusing, const QString &whatTheFieldTakes)
{
    auto *hint = new RejectedInputHint(field, whatTheFieldTakes);
    QObject::connect(refusing, &QLineEdit::inputRejected, hint, &RejectedInputHint::show);
}

} // namespace

void ExplainRejectedInput(QLineEdit *field, const QString &whatTheFieldTakes)
{
    Explain(field, field, whatTheFieldTakes);
}

void ExplainRejectedInput(QAbstractSpinBox *field, const QString &whatTheFieldTakes)
{
    Explain(field, field->findChild<QLineEdit *>(), whatTheFieldTakes);
}

} // namespace pellumo
