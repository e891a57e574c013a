#include "fees/acceptance_fee.h"

#include "fees/fee_rates.h"

namespace pellumo {

// The cumulative form of the marginal schedule: each addend keeps the fee
// continuous at the bracket's lower threshold.
Money PropertyCaseFee(const Money &x)
{
    if (x <= 10000)
        return 50;
    if (x <= 100000)
        return x * PerMille(25) - 200;
    if (x <= 200000)
        return x * PerMille(20) + 300;
    if (x <= 500000)
        return x * PerMille(15) + 1300;
    if (x <= 1000000)
        return x * PerMille(10) + 3800;
    if (x <= 2000000)
        return x * PerMille(9) + 4800;
    if (x <= 5000000)
        return x * PerMille(8) + 6800;
    if (x <= 10000000)
        return x * PerMille(7) + 11800;
    if (x <= 20000000)
        return x * PerMille(6) + 21800;
    return x * PerMille(5) + 41800;
}

// Divorce with property: nothing more up to 200000, then 0.5% of the excess.
Money DivorceCaseFee(const Money &x, int D)
{
    if (x <= 200000)
        return D;
    return (x - 200000) * PerMille(5) + D;
}

// Personality rights with damages: nothing more up to 50000, 1% of the part
// up to 100000, 0.5% above.
Money PersonalityRightsCaseFee(const Money &x, int P)
{
    if (x <= 50000)
        return P;
    if (x <= 100000)
        return (x - 50000) * PerMille(10) + P;
    return (x - 100000) * PerMille(5) + 500 + P;
}

Money HalfFee(const Money &fee)
{
    return fee * Money::fraction(1, 2);
}

} // namespace pellumo
