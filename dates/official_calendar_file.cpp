// The official calendar as a file: the strict reading of the table the
// program ships and the update server publishes.

#include "dates/official_calendar.h"

#include "dates/data_file.h"

#include <QStringList>
#include <algorithm>

namespace pellumo {
namespace {

const QString BuiltInCalendarPath = QStringLiteral(":/dates/cn-official-days.tsv");
const QString VersionKey = QStringLiteral("#version");
const QString KnownThroughKey = QStringLiteral("#known-through");

// Notices before the first golden week or this far ahead are no notices.
const QDate EarliestPlausibleDay(1990, 1, 1);
const QDate LatestPlausibleDay(2100, 12, 31);
constexpr qsizetype LongestHolidayName = 40;

bool IsPlausibleDay(const QDate &day)
{
    return day >= EarliestPlausibleDay && day <= LatestPlausibleDay;
}

// The value of "#key<TAB>value", or nullopt for another line; an empty
// value for a line that starts with the key but is not of that form.
std::optional<QString> MetadataValue(const QString &line, const QString &key)
{
    if (!line.startsWith(key))
        return std::nullopt;
    const QString rest = line.mid(key.size());
    if (!rest.startsWith(QLatin1Char('\t')))
        return QString();
    return rest.mid(1);
}

std::optional<int> ParseVersion(const QString &text)
{
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    const int version = text.toInt();
    if (version <= 0)
        return std::nullopt;
    return version;
}

bool IsPlausibleName(const QString &name)
{
    if (name.isEmpty() || name.size() > LongestHolidayName || name.trimmed() != name)
        return false;
    return std::none_of(name.begin(), name.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

std::optional<OfficialDay> ParseRow(const QString &line)
{
    const QStringList fields = line.split(QLatin1Char('\t'));
    if (fields.size() != 3)
        return std::nullopt;
    const std::optional<QDate> date = ParseDataDate(fields[0]);
    const bool off = fields[2] == QLatin1String("off");
    if (!date || !IsPlausibleDay(*date) || !IsPlausibleName(fields[1])
        || (!off && fields[2] != QLatin1String("work")))
        return std::nullopt;
    return OfficialDay{*date, fields[1], off};
}

// Every year from the first row to the known-through day has a row, so a
// file cut off at a line end before its last year does not pass as whole.
bool EveryYearHasRows(const std::vector<OfficialDay> &days, const QDate &knownThrough)
{
    int year = days.front().date.year();
    for (const OfficialDay &day : days) {
        if (day.date.year() > year + 1)
            return false;
        year = day.date.year();
    }
    return year == knownThrough.year();
}

// What the lines of the file say; nullopt at the first thing out of place.
struct CalendarLines {
    std::optional<int> version;
    std::optional<QDate> knownThrough;
    std::vector<OfficialDay> days;

    bool read(const QString &line)
    {
        if (const std::optional<QString> value = MetadataValue(line, VersionKey)) {
            if (version)
                return false;
            version = ParseVersion(*value);
            return version.has_value();
        }
        if (const std::optional<QString> value = MetadataValue(line, KnownThroughKey)) {
            if (knownThrough)
                return false;
            knownThrough = ParseDataDate(*value);
            return knownThrough && IsPlausibleDay(*knownThrough);
        }
        if (line.startsWith(QLatin1Char('#')))
            return true;
        const std::optional<OfficialDay> row = ParseRow(line);
        if (!row || (!days.empty() && row->date <= days.back().date))
            return false;
        days.push_back(*row);
        return true;
    }

    bool complete() const
    {
        return version && knownThrough && !days.empty() && days.back().date <= *knownThrough
            && EveryYearHasRows(days, *knownThrough);
    }
};

} // namespace

std::optional<OfficialCalendar> ParseOfficialCalendar(const QByteArray &bytes)
{
    const std::optional<QStringList> lines = SplitDataLines(bytes);
    if (!lines)
        return std::nullopt;
    CalendarLines calendar;
    for (const QString &line : *lines) {
        if (!calendar.read(line))
            return std::nullopt;
    }
    if (!calendar.complete())
        return std::nullopt;
    return OfficialCalendar(std::move(calendar.days), *calendar.knownThrough, *calendar.version);
}

std::optional<OfficialCalendar> ReadOfficialCalendar(const QString &filePath)
{
    const std::optional<QByteArray> bytes = ReadWholeFile(filePath, MaxOfficialCalendarFileSize);
    if (!bytes)
        return std::nullopt;
    return ParseOfficialCalendar(*bytes);
}

OfficialCalendar BuiltInOfficialCalendar()
{
    static const OfficialCalendar calendar = [] {
        InitDatesResources();
        std::optional<OfficialCalendar> builtIn = ReadOfficialCalendar(BuiltInCalendarPath);
        // Shipped inside the program: if it does not read, the build is broken.
        if (!builtIn)
            qFatal("The built-in official calendar cannot be read");
        return *std::move(builtIn);
    }();
    return calendar;
}

} // namespace pellumo
