#pragma once

#include <QString>

namespace pellumo {

// While an amount is being typed, its text passes through forms that are no
// value yet ("-", "+", ".", " ") or, on the fee pages, no value above zero
// yet ("0", "0."). Such an unfinished entry is left alone by the pages: no
// message, no reset, no emptying, until the text is a value.

// True when ParseMoney refuses the text but some text that begins with it is
// accepted: nothing but blanks and a sign typed so far, or a value beyond the
// double range whose exponent can still be lowered ("1e999" cannot, a long
// run of digits can, by typing "e-" and an exponent). The empty text counts.
bool IsUnfinishedMoneyText(const QString &text);

// True when the text does not read as a value above zero but typing on can
// still make it one: "0", "0.", ".", "+0", "+" and the forms above; not a
// negative sign ("-", "-0"), not a zero mantissa whose exponent has begun
// ("0e", "0e5"), not a text closed by a trailing blank ("0 ").
bool IsUnfinishedPositiveMoneyText(const QString &text);

} // namespace pellumo
