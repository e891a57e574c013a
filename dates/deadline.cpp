#include "dates/deadline.h"

#include "dates/holiday_table.h"

#include <array>
#include <limits>
#include <optional>

namespace pellumo {
namespace {

bool IsAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Leading blanks, one optional sign, then decimal digits up to the end of the
// text, within the signed 32-bit range. Hexadecimal forms ("$10", "0x10") are
// not numbers here: day counts are typed in decimal, and "0x10" read as 16
// days would be a trap. Linear in the length of the text, whatever it holds.
std::optional<qint32> ReadDayCount(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    // The magnitude stays at most 2^31, so it never overflows 64 bits however
    // many digits follow; leading zeros keep it at zero.
    const qint64 limit = negative ? qint64(1) << 31 : (qint64(1) << 31) - 1;
    qint64 magnitude = 0;
    for (; i < text.size(); ++i) {
        if (!IsAsciiDigit(text[i]))
            return std::nullopt;
        magnitude = magnitude * 10 + (text[i].unicode() - '0');
        if (magnitude > limit)
            return std::nullopt;
    }
    return static_cast<qint32>(negative ? -magnitude : magnitude);
}

// Start plus count in 64-bit Julian days, so that no count, however large,
// wraps into a date the calendar can show.
std::optional<QDate> ResultDate(const QDate &start, qint32 count)
{
    if (!start.isValid())
        return std::nullopt;
    const qint64 day = start.toJulianDay() + count;
    if (day < EarliestCalendarDate().toJulianDay() || day > LatestCalendarDate().toJulianDay())
        return std::nullopt;
    return QDate::fromJulianDay(day);
}

} // namespace

QString DateText(const QDate &date)
{
    return QStringLiteral("%1年%2月%3日")
        .arg(date.year(), 4, 10, QLatin1Char('0'))
        .arg(date.month())
        .arg(date.day());
}

// Fixed names, so that the weekend test sees "星期六" and "星期日" whatever the
// machine's locale.
QString WeekdayText(const QDate &date)
{
    static const std::array<QString, 7> names = {
        QStringLiteral("星期一"), QStringLiteral("星期二"), QStringLiteral("星期三"),
        QStringLiteral("星期四"), QStringLiteral("星期五"), QStringLiteral("星期六"),
        QStringLiteral("星期日")};
    return names[date.dayOfWeek() - 1];
}

QDate EarliestCalendarDate()
{
    return QDate(1752, 9, 14);
}

QDate LatestCalendarDate()
{
    return QDate(9999, 12, 31);
}

DeadlineOutcome ComputeDeadline(const QDate &start, const QString &countText)
{
    using Kind = DeadlineOutcome::Kind;
    if (countText.isEmpty())
        return {};
    const std::optional<qint32> count = ReadDayCount(countText);
    const std::optional<QDate> date = count ? ResultDate(start, *count) : std::nullopt;
    if (!date)
        return {Kind::Failure, {}};
    const DeadlineResult result{*date, DateText(*date), WeekdayText(*date), WeekendPart(*date),
                                HolidayPart(*date)};
    return {Kind::Result, result};
}

} // namespace pellumo
