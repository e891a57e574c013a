#pragma once

// The last day of a period under 民事诉讼法 第八十五条: the day the period
// starts is not counted, and a last day that is a rest day passes to the
// first day after it that is not one. Months and years end on the day of the
// same number in the month reached, or on that month's last day when it has
// none (民法典 第二百零二条).

#include "dates/official_calendar.h"

#include <QDate>
#include <optional>

namespace pellumo {

enum class PeriodUnit { Days, Months, Years };

struct StatutoryDeadline {
    bool valid = false;        // false for a count of zero or less, or a day outside the date page's range
    QDate nominal;             // the start plus the count
    QDate deadline;            // nominal, or the first day after it that is not a rest day
    bool beyondCoverage = false;   // some day examined lies after coveredUntil()
};

// The start plus the count in the unit, with no rest day moved; nullopt when
// the start is no valid date or that day lies outside the date page's range. Computed in 64
// bits, so that no count wraps into a day the page can show.
std::optional<QDate> PeriodEnd(const QDate &start, qint64 count, PeriodUnit unit);

StatutoryDeadline ComputeStatutoryDeadline(const QDate &start, int count, PeriodUnit unit,
                                           const OfficialCalendar &calendar);

} // namespace pellumo
