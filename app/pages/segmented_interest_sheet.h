#pragma once

#include "app/printing/calculation_sheet.h"
#include "interest/segmented_interest_text.h"

namespace pellumo {

// The data a segmented interest calculation used, as its sheet names it.
struct SegmentedInterestData {
    int rateHistoryVersion = 0;
    QDate knownThrough;  // the last day the rate history covers
    int calendarVersion = 0;
};

// The printed sheet of the page 分段计息 for a complete calculation: the
// principal, the period and the standard; a table of the segments (dates,
// days, rate, formula, interest); the total; the notes; the source of the
// rates and the legal basis; the choices on the page; the data versions.
CalculationSheet SegmentedInterestSheet(const SegmentedInterestRequest &request, const SegmentedInterest &result,
                                        const SegmentedInterestData &data, const QDate &calculationDay);

} // namespace pellumo
