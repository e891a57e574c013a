#pragma once

#include "money/money.h"

namespace pellumo {

// Case acceptance fees under the 2007 Measures on the Payment of Litigation
// Costs, exact: the rates are the decimal rates of the schedule. Brackets are
// closed at the top: an amount equal to a threshold belongs to the lower
// bracket.
Money PropertyCaseFee(const Money &x);
Money DivorceCaseFee(const Money &x, int D);             // D: the divorce base amount
Money PersonalityRightsCaseFee(const Money &x, int P);   // P: the personality-rights base amount

// A half fee (减半交纳) is exactly one half of the fee.
Money HalfFee(const Money &fee);

} // namespace pellumo
