#pragma once
// A private-lending calculation laid out for paper, for the printing module.
#include "app/printing/calculation_sheet.h"
#include "interest/private_lending.h"

namespace pellumo {

// The sheet of a computed loan: the case, the loan as entered, the segments
// with their rules, rates and parts, the totals (the supported interest in
// figures and capitals), the notes, the steps with their articles and the
// rate data used.
CalculationSheet PrivateLendingSheet(const QString &caseNumber, const QString &parties, const PrivateLoan &loan,
                                     const PrivateLendingResult &result, const RateHistory &history);

} // namespace pellumo
