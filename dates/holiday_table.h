#pragma once

// The holiday mark of the date page: a weekend part and a holiday part, each
// possibly empty. A marked day is only marked, never moved; whether the
// deadline passes to the next working day is for the user to decide.

#include <QDate>
#include <QString>
#include <span>

namespace pellumo {

// A holiday that moves with the lunar calendar, on its day in one year.
struct HolidayRow {
    QDate date;
    QString name;
};

// The dated holidays (清明节 and 中秋节 of 2009 to 2016), in the order they are
// consulted.
std::span<const HolidayRow> HolidayTable();

// "假日 " on Saturdays and Sundays, otherwise empty.
QString WeekendPart(const QDate &date);

// "国庆节 " for 1 to 7 October and "劳动节 " for 1 May in every year; otherwise
// the names of the table rows for that day; otherwise empty.
QString HolidayPart(const QDate &date);

// The whole mark as the window shows it: the weekend part, then the holiday part.
QString HolidayMark(const QDate &date);

} // namespace pellumo
