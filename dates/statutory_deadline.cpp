#include "dates/statutory_deadline.h"

#include "dates/deadline.h"

#include <algorithm>
#include <optional>

namespace pellumo {
namespace {

bool InCalendarRange(const QDate &day)
{
    return day.isValid() && day >= EarliestCalendarDate() && day <= LatestCalendarDate();
}

// The start plus the count in 64-bit arithmetic, so that no count wraps into
// a day the date page can show; nullopt outside that range.
std::optional<QDate> NominalLastDay(const QDate &start, int count, PeriodUnit unit)
{
    if (unit == PeriodUnit::Days) {
        const QDate day = QDate::fromJulianDay(start.toJulianDay() + count);
        return InCalendarRange(day) ? std::optional(day) : std::nullopt;
    }
    const qint64 months = unit == PeriodUnit::Years ? qint64(count) * 12 : qint64(count);
    const qint64 monthIndex = qint64(start.year()) * 12 + (start.month() - 1) + months;
    if (monthIndex > qint64(LatestCalendarDate().year()) * 12 + 11)
        return std::nullopt;
    const int year = static_cast<int>(monthIndex / 12);
    const int month = static_cast<int>(monthIndex % 12) + 1;
    // 民法典 第二百零二条: no day of that number, so the month's last day.
    const int day = std::min(start.day(), QDate(year, month, 1).daysInMonth());
    return QDate(year, month, day);
}

} // namespace

StatutoryDeadline ComputeStatutoryDeadline(const QDate &start, int count, PeriodUnit unit,
                                           const OfficialCalendar &calendar)
{
    if (count <= 0 || !InCalendarRange(start))
        return {};
    const std::optional<QDate> nominal = NominalLastDay(start, count, unit);
    if (!nominal)
        return {};
    StatutoryDeadline result{true, *nominal, *nominal, false};
    while (calendar.isRestDay(result.deadline)) {
        result.deadline = result.deadline.addDays(1);
        if (!InCalendarRange(result.deadline))
            return {};
    }
    // The days examined run from the nominal day to the deadline.
    result.beyondCoverage = result.deadline > calendar.coveredUntil();
    return result;
}

} // namespace pellumo
