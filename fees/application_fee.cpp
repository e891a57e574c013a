#include "fees/application_fee.h"

#include "fees/acceptance_fee.h"
#include "fees/extended.h"

namespace pellumo {

double ExecutionFee(double x)
{
    const Extended a = x;
    Extended fee;
    if (a <= 10000)
        fee = 50;
    else if (a <= 500000)
        fee = a * 0.015 - 100;
    else if (a <= 5000000)
        fee = (a - 500000) * 0.01 + 7400;
    else if (a <= 10000000)
        fee = (a - 5000000) * 0.005 + 52400;
    else
        fee = (a - 10000000) * 0.001 + 77400;
    return static_cast<double>(fee);
}

// The fee for preserving property is at most 5000 yuan, reached from 896000 on.
double PreservationFee(double x)
{
    const Extended a = x;
    Extended fee;
    if (a <= 1000)
        fee = 30;
    else if (a <= 100000)
        fee = a * 0.01 + 20;
    else
        fee = (a - 100000) * 0.005 + 1020;
    if (fee > 5000)
        fee = 5000;
    return static_cast<double>(fee);
}

// A payment order costs a third of the property-case fee; the factor is the
// double nearest to 1/3, the product formed in extended precision.
double PaymentOrderFee(double x)
{
    constexpr double oneThird = 1.0 / 3.0;
    return static_cast<double>(Extended(PropertyCaseFee(x)) * oneThird);
}

} // namespace pellumo
