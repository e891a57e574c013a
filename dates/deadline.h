#pragma once

// The date page: the calendar day that lies a number of days (or months, or
// years) after a starting day. Counting begins on the day after the start, so
// 5 days from 1 October 2007 is 6 October 2007; a result on a weekend day or a
// holiday is marked, not moved (the statutory deadline, which moves, is
// ComputeStatutoryDeadline's).

#include "dates/statutory_deadline.h"

#include <QDate>
#include <QString>

namespace pellumo {

struct DeadlineResult {
    QDate date;
    QString dateText;       // "2007年10月6日"
    QString weekdayText;    // "星期六"
    QString weekendPart;    // "假日 " or empty
    QString holidayPart;    // "国庆节 ", "劳动节 ", "清明节", "中秋节" or empty
    QString mark() const { return weekendPart + holidayPart; }
};

struct DeadlineOutcome {
    enum class Kind { Nothing, Unfinished, Result, Failure };
    Kind kind = Kind::Nothing;
    DeadlineResult result;  // for Kind::Result
    qint32 count = 0;       // for Kind::Result: the count as read
};

// Nothing for an empty count text (the page keeps what it shows). Unfinished
// for a sign typed as the first character of a count ("-", "+", after
// leading blanks): the user is in the middle of typing a number, so the page
// keeps what it shows as well. Failure when the count is not a whole decimal
// number in the signed 32-bit range (leading blanks and one sign allowed,
// nothing after the digits), when the start is not a valid date, or when the
// result lies outside the calendar's range. The result is the start plus the
// count in the unit given: calendar days, or months and years ending on the
// day of the same number (the month's last day when it has none).
DeadlineOutcome ComputeDeadline(const QDate &start, const QString &countText,
                                PeriodUnit unit = PeriodUnit::Days);

// "2007年10月6日": year, month and day without leading zeros.
QString DateText(const QDate &date);
// "星期六": fixed names, whatever the machine's locale.
QString WeekdayText(const QDate &date);

QDate EarliestCalendarDate();   // the range the month calendar can show;
QDate LatestCalendarDate();     // a result outside it is a Failure

} // namespace pellumo
