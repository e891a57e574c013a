#pragma once

#include <QString>

class QLineEdit;

namespace pellumo {

// A validator drops the keys it refuses without a sign, so a clerk who types
// "-500" while looking at the keyboard gets 500. Every field with a validator
// goes through this: each refused keystroke or paste shows at once, beside the
// field, a short tooltip of what the field takes.
void ExplainRejectedInput(QLineEdit *field, const QString &whatTheFieldTakes);

} // namespace pellumo
