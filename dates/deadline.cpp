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

// A sign typed as the first character of a count, after any leading blanks:
// the beginning of a number, not yet a wrong one.
bool IsUnfinishedCount(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
    return i + 1 == text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'));
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

DeadlineOutcome ComputeDeadline(const QDate &start, const QString &countText, PeriodUnit unit)
{
    using Kind = DeadlineOutcome::Kind;
    if (countText.isEmpty())
        return {};
    if (IsUnfinishedCount(countText))
        return {Kind::Unfinished, {}, 0};
    const std::optional<qint32> count = ReadDayCount(countText);
    const std::optional<QDate> date = count ? PeriodEnd(start, *count, unit) : std::nullopt;
    if (!date)
        return {Kind::Failure, {}, 0};
    const DeadlineResult result{*date, DateText(*date), WeekdayText(*date), WeekendPart(*date),
                                HolidayPart(*date)};
    return {Kind::Result, result, *count};
}

} // namespace pellumo
