#pragma once

#include "money/money.h"

#include <QString>

namespace pellumo {

// The general form with at most `digits` significant digits, rounded half
// away from zero on the exact value: fixed notation without trailing zeros
// while the integer part has at most `digits` digits and the value is at
// least 0.00001, otherwise "1.5E18" / "1E-6".
QString GeneralNumberText(const Money &value, int digits = 15);

// The exact decimal without trailing zeros or a trailing point ("5.31",
// "5.4", "6", "-0.0175"). Every value read from a decimal text has one; a
// value without a finite decimal expansion (one third) falls back to the
// general 15-digit form.
QString DecimalText(const Money &value);

} // namespace pellumo
