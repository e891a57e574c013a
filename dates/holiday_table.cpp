#include "dates/holiday_table.h"

#include <array>

namespace pellumo {

std::span<const HolidayRow> HolidayTable()
{
    const QString qingming = QStringLiteral("清明节");
    const QString midAutumn = QStringLiteral("中秋节");
    // Mid-Autumn fell on 3 October 2009 and on 15 September 2016. The first
    // of these never shows, as National Day is matched before the table.
    static const std::array<HolidayRow, 16> rows = {{
        {QDate(2009, 4, 4), qingming},    {QDate(2010, 4, 5), qingming},
        {QDate(2011, 4, 5), qingming},    {QDate(2012, 4, 4), qingming},
        {QDate(2013, 4, 4), qingming},    {QDate(2014, 4, 5), qingming},
        {QDate(2015, 4, 5), qingming},    {QDate(2016, 4, 4), qingming},
        {QDate(2009, 10, 3), midAutumn},  {QDate(2010, 9, 22), midAutumn},
        {QDate(2011, 9, 12), midAutumn},  {QDate(2012, 9, 30), midAutumn},
        {QDate(2013, 9, 19), midAutumn},  {QDate(2014, 9, 8), midAutumn},
        {QDate(2015, 9, 27), midAutumn},  {QDate(2016, 9, 15), midAutumn},
    }};
    return rows;
}

QString WeekendPart(const QDate &date)
{
    const int day = date.dayOfWeek();
    return day == Qt::Saturday || day == Qt::Sunday ? QStringLiteral("假日 ") : QString();
}

QString HolidayPart(const QDate &date)
{
    // The every-year rules come first, and the first rule that matches wins.
    if (date.month() == 10 && date.day() <= 7)
        return QStringLiteral("国庆节 ");
    if (date.month() == 5 && date.day() == 1)
        return QStringLiteral("劳动节 ");
    QString part;
    for (const HolidayRow &row : HolidayTable()) {
        if (row.date == date)
            part += row.name;
    }
    return part;
}

QString HolidayMark(const QDate &date)
{
    return WeekendPart(date) + HolidayPart(date);
}

} // namespace pellumo
