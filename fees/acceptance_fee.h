#pragma once

namespace pellumo {

// Case acceptance fees under the 2007 Measures on the Payment of Litigation
// Costs. Brackets are closed at the top: an amount equal to a threshold
// belongs to the lower bracket.
double PropertyCaseFee(double x);
double DivorceCaseFee(double x, int D);             // D: the divorce base amount
double PersonalityRightsCaseFee(double x, int P);   // P: the personality-rights base amount

} // namespace pellumo
