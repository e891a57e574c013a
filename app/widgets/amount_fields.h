#pragma once

#include <QLineEdit>

namespace pellumo {

// Enter in an amount or day-count field: empty it and keep the focus there.
// Emptying fires the field's change handler, whose calculation stops at the
// empty text, so the last results stay on screen.
inline void EmptyAndFocus(QLineEdit *field)
{
    field->setText(QString());
    field->setFocus();
}

} // namespace pellumo
