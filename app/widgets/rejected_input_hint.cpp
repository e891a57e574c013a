#include "app/widgets/rejected_input_hint.h"

#include <QLineEdit>
#include <QToolTip>

namespace pellumo {

void ExplainRejectedInput(QLineEdit *field, const QString &whatTheFieldTakes)
{
    QObject::connect(field, &QLineEdit::inputRejected, field, [field, whatTheFieldTakes] {
        // Just below the field, so that it does not hide what was typed.
        const QPoint belowField = field->mapToGlobal(QPoint(0, field->height()));
        QToolTip::showText(belowField, whatTheFieldTakes, field);
    });
}

} // namespace pellumo
