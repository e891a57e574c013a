#include "fees/acceptance_fee.h"

#include "fees/extended.h"

namespace pellumo {

// The cumulative form of the marginal schedule: each addend keeps the fee
// continuous at the bracket's lower threshold. Evaluated in extended precision,
// product first, then the addend, exactly as written: 12345 gives a fee a
// little above 108.625, which rounds to 108.63 (plain doubles give 108.625
// exactly and lose the fen in the words form).
double PropertyCaseFee(double x)
{
    const Extended a = x;
    Extended fee;
    if (a <= 10000)
        fee = 50;
    else if (a <= 100000)
        fee = a * 0.025 - 200;
    else if (a <= 200000)
        fee = a * 0.02 + 300;
    else if (a <= 500000)
        fee = a * 0.015 + 1300;
    else if (a <= 1000000)
        fee = a * 0.01 + 3800;
    else if (a <= 2000000)
        fee = a * 0.009 + 4800;
    else if (a <= 5000000)
        fee = a * 0.008 + 6800;
    else if (a <= 10000000)
        fee = a * 0.007 + 11800;
    else if (a <= 20000000)
        fee = a * 0.006 + 21800;
    else
        fee = a * 0.005 + 41800;
    return static_cast<double>(fee);
}

// Divorce with property: nothing more up to 200000, then 0.5% of the excess.
double DivorceCaseFee(double x, int D)
{
    const Extended a = x;
    if (a <= 200000)
        return D;
    return static_cast<double>((a - 200000) * 0.005 + D);
}

// Personality rights with damages: nothing more up to 50000, 1% of the part
// up to 100000, 0.5% above; the 500 of the middle bracket is added before P.
double PersonalityRightsCaseFee(double x, int P)
{
    const Extended a = x;
    if (a <= 50000)
        return P;
    if (a <= 100000)
        return static_cast<double>((a - 50000) * 0.01 + P);
    return static_cast<double>((a - 100000) * 0.005 + 500 + P);
}

} // namespace pellumo
