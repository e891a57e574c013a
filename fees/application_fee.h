#pragma once

#include "money/money.h"

namespace pellumo {

// Application fees under the 2007 Measures on the Payment of Litigation
// Costs, exact.
Money ExecutionFee(const Money &x);      // applying for execution
Money PreservationFee(const Money &x);   // property preservation, capped at 5000
Money PaymentOrderFee(const Money &x);   // exactly a third of the property-case acceptance fee

} // namespace pellumo
