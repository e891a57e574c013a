#pragma once

#include <limits>

namespace pellumo {

// The fee and interest formulas are evaluated in the x87 80-bit extended format
// (64-bit significand), in the order the law's schedules write them. Rates are
// written as double literals: each rate is the double nearest to its decimal
// value, which the extended arithmetic then uses exactly.
using Extended = long double;
static_assert(std::numeric_limits<Extended>::digits == 64,
              "the fee formulas need the 80-bit extended format (64-bit significand)");

} // namespace pellumo
