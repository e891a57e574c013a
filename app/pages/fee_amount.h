#pragma once

#include <QList>
#include <QString>
#include <functional>

class QComboBox;
class QLineEdit;

namespace pellumo {

class Money;

// What the two fee pages share: an amount field that recalculates the page
// on every change and offers its choices only while it holds text.

// The field does not select its text when the focus arrives by the
// keyboard, so that typing goes on after the text instead of replacing it.
void KeepUnselectedOnFocus(QLineEdit *field);

// The change of an amount field: its drop-downs are offered only while it
// holds text.
void EnableWhileFilled(const QLineEdit *field, const QList<QComboBox *> &choices);

// The calculation of a fee page: the focus goes to the field and its text is
// read. An empty field, or an unfinished entry that typing on can still make
// an amount above zero ("0."), leaves the last results on screen; any other
// rejected amount empties the field. Otherwise showResults runs with the amount; from the
// reading on, any failure is treated like a rejected amount: the field is
// emptied and nothing is reported.
void CalculateFromAmount(QLineEdit *field, const std::function<void(const Money &amount)> &showResults);

// The forms of a fee page's drop-down, by item index: figures ("小写金额"),
// common numerals ("大写金额") and the banks' capitals ("人民币大写", without
// the prefix 人民币, which the voucher prints).
enum class FeeForm { Figures = 0, Words = 1, Capitals = 2 };

// The form a drop-down's current item names.
FeeForm FeeFormOf(const QComboBox *choice);

// A fee in the form the page's drop-down chose.
QString FeeText(const Money &fee, FeeForm form);

} // namespace pellumo
