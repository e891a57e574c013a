#include "dates/calendar_texts.h"

#include "dates/deadline.h"
#include "dates/statutory_holidays.h"

namespace pellumo {
namespace {

// "10月5日", with the year in front only when it differs from the deadline's.
QString ShortDateText(const QDate &day, const QDate &deadline)
{
    const QString monthDay = QStringLiteral("%1月%2日").arg(day.month()).arg(day.day());
    return day.year() == deadline.year() ? monthDay : QStringLiteral("%1年").arg(day.year()) + monthDay;
}

// Why a rest day is one: "国庆节假期" or "周末".
QString RestReason(const QDate &day, const OfficialCalendar &calendar)
{
    const QString name = calendar.holidayName(day);
    return name.isEmpty() ? QStringLiteral("周末") : name + QStringLiteral("假期");
}

bool HasStatutoryHolidays(int year)
{
    return year >= FirstStatutoryHolidayYear() && year <= LastStatutoryHolidayYear();
}

} // namespace

QString DayKindText(const QDate &day, const OfficialCalendar &calendar)
{
    switch (calendar.kind(day)) {
    case DayKind::OfficialDayOff:
    case DayKind::ComputedHoliday:
        return calendar.holidayName(day) + QStringLiteral(" 放假");
    case DayKind::MakeUpWorkingDay:
        return QStringLiteral("调休上班日");
    case DayKind::Weekend:
        return QStringLiteral("周末");
    case DayKind::WorkingDay:
        break;
    }
    return QStringLiteral("工作日");
}

QString StatutoryDeadlineText(const StatutoryDeadline &deadline, const OfficialCalendar &calendar)
{
    if (!deadline.valid)
        return {};
    QString text = QStringLiteral("期间届满日：") + DateText(deadline.deadline) + QLatin1Char(' ')
        + WeekdayText(deadline.deadline);
    if (deadline.deadline != deadline.nominal) {
        text += QStringLiteral("（") + ShortDateText(deadline.nominal, deadline.deadline)
            + QStringLiteral("为") + RestReason(deadline.nominal, calendar) + QStringLiteral("，顺延）");
    }
    return text;
}

QString CoverageNote(const QDate &day, const OfficialCalendar &calendar)
{
    if (!day.isValid())
        return {};
    const QString year = QStringLiteral("%1年").arg(day.year());
    if (day < calendar.coveredFrom())
        return year + QStringLiteral("放假安排未收录，仅按周末计算");
    if (day <= calendar.coveredUntil())
        return {};
    if (HasStatutoryHolidays(day.year()))
        return year + QStringLiteral("放假安排尚未公布，仅按法定节假日和周末计算，未计调休");
    return year + QStringLiteral("法定节假日未收录，仅按周末计算");
}

} // namespace pellumo
