#include "fees/application_fee.h"

#include "fees/acceptance_fee.h"
#include "fees/fee_rates.h"

namespace pellumo {

Money ExecutionFee(const Money &x)
{
    if (x <= 10000)
        return 50;
    if (x <= 500000)
        return x * PerMille(15) - 100;
    if (x <= 5000000)
        return (x - 500000) * PerMille(10) + 7400;
    if (x <= 10000000)
        return (x - 5000000) * PerMille(5) + 52400;
    return (x - 10000000) * PerMille(1) + 77400;
}

// The fee for preserving property is at most 5000 yuan, reached from 896000 on.
Money PreservationFee(const Money &x)
{
    Money fee;
    if (x <= 1000)
        fee = 30;
    else if (x <= 100000)
        fee = x * PerMille(10) + 20;
    else
        fee = (x - 100000) * PerMille(5) + 1020;
    return fee > 5000 ? Money(5000) : fee;
}

Money PaymentOrderFee(const Money &x)
{
    return PropertyCaseFee(x) * Money::fraction(1, 3);
}

} // namespace pellumo
