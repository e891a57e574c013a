#include "dates/official_calendar.h"

#include "dates/statutory_holidays.h"

#include <algorithm>

namespace pellumo {
namespace {

bool IsWeekend(const QDate &day)
{
    return day.dayOfWeek() == Qt::Saturday || day.dayOfWeek() == Qt::Sunday;
}

} // namespace

OfficialCalendar::OfficialCalendar(std::vector<OfficialDay> days, QDate coveredUntil, int version)
    : m_days(std::move(days)), m_coveredUntil(coveredUntil), m_version(version)
{
}

const OfficialDay *OfficialCalendar::rowOf(const QDate &day) const
{
    const auto row = std::lower_bound(m_days.begin(), m_days.end(), day,
                                      [](const OfficialDay &row, const QDate &d) { return row.date < d; });
    return row != m_days.end() && row->date == day ? &*row : nullptr;
}

DayKind OfficialCalendar::kind(const QDate &day) const
{
    if (!day.isValid())
        return DayKind::WorkingDay;
    if (day > m_coveredUntil && !StatutoryHolidayName(day).isEmpty())
        return DayKind::ComputedHoliday;
    if (const OfficialDay *row = rowOf(day)) {
        if (row->dayOff)
            return DayKind::OfficialDayOff;
        // A "work" row on a weekday only confirms an ordinary working day
        // (2020-02-03, the end of the prolonged Spring Festival).
        if (IsWeekend(day))
            return DayKind::MakeUpWorkingDay;
    }
    return IsWeekend(day) ? DayKind::Weekend : DayKind::WorkingDay;
}

bool OfficialCalendar::isRestDay(const QDate &day) const
{
    const DayKind dayKind = kind(day);
    return dayKind == DayKind::OfficialDayOff || dayKind == DayKind::ComputedHoliday
        || dayKind == DayKind::Weekend;
}

QString OfficialCalendar::holidayName(const QDate &day) const
{
    switch (kind(day)) {
    case DayKind::OfficialDayOff:
        return rowOf(day)->name;
    case DayKind::ComputedHoliday:
        return StatutoryHolidayName(day);
    default:
        return {};
    }
}

QDate OfficialCalendar::coveredUntil() const
{
    return m_coveredUntil;
}

QDate OfficialCalendar::coveredFrom() const
{
    const auto firstDayOff = std::find_if(m_days.begin(), m_days.end(),
                                          [](const OfficialDay &row) { return row.dayOff; });
    if (firstDayOff == m_days.end())
        return m_coveredUntil.addDays(1);
    return QDate(firstDayOff->date.year(), 1, 1);
}

int OfficialCalendar::version() const
{
    return m_version;
}

} // namespace pellumo
