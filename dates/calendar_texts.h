#pragma once

// What the date page says about the official calendar: the kind of a day,
// the statutory deadline and why it moved, and what the calendar does not
// know yet.

#include "dates/official_calendar.h"
#include "dates/statutory_deadline.h"

#include <QDate>
#include <QString>

namespace pellumo {

// "国庆节 放假", "调休上班日", "周末" or "工作日".
QString DayKindText(const QDate &day, const OfficialCalendar &calendar);

// "期间届满日：2026年10月8日 星期四（10月5日为国庆节假期，顺延）"; without the
// bracket when the nominal day was no rest day; empty when there is no deadline.
QString StatutoryDeadlineText(const StatutoryDeadline &deadline, const OfficialCalendar &calendar);

// Empty when the notices cover the day's year. Otherwise what the day's kind
// rests on: the statutory holidays and weekends without the year's extra
// days off and make-up working days, or weekends only. For a deadline, give
// its deadline day: it is the latest day examined.
QString CoverageNote(const QDate &day, const OfficialCalendar &calendar);

} // namespace pellumo
