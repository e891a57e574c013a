#pragma once

#include "money/money.h"

#include <array>

namespace pellumo {

// A rate of the fee schedules, exactly: every rate there is a whole number
// of per mille (2.5% = 25‰, 0.1% = 1‰), from 1‰ to 25‰. Made once: the fees
// are computed on every keystroke.
inline const Money &PerMille(int rate)
{
    static const std::array<Money, 26> rates = [] {
        std::array<Money, 26> made;
        for (int i = 0; i < int(made.size()); ++i)
            made[i] = Money::fraction(i, 1000);
        return made;
    }();
    return rates.at(rate);
}

} // namespace pellumo
