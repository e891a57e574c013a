#pragma once

namespace pellumo {

// Application fees under the 2007 Measures on the Payment of Litigation Costs.
double ExecutionFee(double x);      // applying for execution
double PreservationFee(double x);   // property preservation, capped at 5000
double PaymentOrderFee(double x);   // a third of the property-case acceptance fee

} // namespace pellumo
