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

} // namespace

std::optional<QDate> PeriodEnd(const QDate &start, qint64 count, PeriodUnit unit)
{
    if (!start.isValid())
        return std::nullopt;
    if (unit == PeriodUnit::Days) {
        const qint64 julianDay = start.toJulianDay() + count;
        if (julianDay < EarliestCalendarDate().toJulianDay() || julianDay > LatestCalendarDate().toJulianDay())
            return std::nullopt;
        return QDate::fromJulianDay(julianDay);
    }
    const qint64 months = unit == PeriodUnit::Years ? count * 12 : count;
    const qint64 monthIndex = qint64(start.year()) * 12 + (start.month() - 1) + months;
    const qint64 firstIndex = qint64(EarliestCalendarDate().year()) * 12 + (EarliestCalendarDate().month() - 1);
    const qint64 lastIndex = qint64(LatestCalendarDate().year()) * 12 + (LatestCalendarDate().month() - 1);
    if (monthIndex < firstIndex || monthIndex > lastIndex)
        return std::nullopt;
    const int year = static_cast<int>(monthIndex / 12);
    const int month = static_cast<int>(monthIndex % 12) + 1;
    // 民法典 第二百零二条: no day of that number, so the month's last day.
    const QDate day(year, month, std::min(start.day(), QDate(year, month, 1).daysInMonth()));
    return InCalendarRange(day) ? std::optional(day) : std::nullopt;
}

StatutoryDeadline ComputeStatutoryDeadline(const QDate &start, int count, PeriodUnit unit,
                                           const OfficialCalendar &calendar)
{
    if (count <= 0 || !InCalendarRange(start))
        return {};
    const std::optional<QDate> nominal = PeriodEnd(start, count, unit);
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
