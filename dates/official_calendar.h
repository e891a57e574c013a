#pragma once

// The official calendar of mainland China: the days off and make-up working
// days of the State Council's yearly notices, and beyond the last notice the
// statutory holidays of 《全国年节及纪念日放假办法》 (as in force from 2025).
// A rest day is an official day off, or a Saturday or Sunday that is not a
// make-up working day.

#include <QByteArray>
#include <QDate>
#include <QString>
#include <optional>
#include <vector>

namespace pellumo {

enum class DayKind { WorkingDay, Weekend, OfficialDayOff, MakeUpWorkingDay, ComputedHoliday };

// One row of the notices' table: a day off ("off") or a working day ("work").
struct OfficialDay {
    QDate date;
    QString name;   // the holiday as the notice names it: "国庆节", "“五一”"
    bool dayOff = false;
};

class OfficialCalendar
{
public:
    // days sorted by date without repeats, none after coveredUntil.
    OfficialCalendar(std::vector<OfficialDay> days, QDate coveredUntil, int version);

    DayKind kind(const QDate &day) const;
    bool isRestDay(const QDate &day) const;          // OfficialDayOff, ComputedHoliday, or Weekend
    QString holidayName(const QDate &day) const;     // "国庆节" etc., empty when none
    QDate coveredUntil() const;                      // the last day the published notices cover
    // 1 January of the first year the notices cover (the year of the first
    // day off); before it only weekends are known.
    QDate coveredFrom() const;
    int version() const;                             // the "#version" of the file it came from

private:
    const OfficialDay *rowOf(const QDate &day) const;

    std::vector<OfficialDay> m_days;
    QDate m_coveredUntil;
    int m_version = 0;
};

// The largest calendar file read or installed; the 2007-2026 table is 18 KB.
inline constexpr qint64 MaxOfficialCalendarFileSize = 65536;

// The calendar shipped with the program as a resource.
OfficialCalendar BuiltInOfficialCalendar();

// The calendar in a file of the update server's form; nullopt when the file
// is missing, larger than MaxOfficialCalendarFileSize or damaged in any way.
std::optional<OfficialCalendar> ReadOfficialCalendar(const QString &filePath);

// The same check on bytes already read. UTF-8 text, lines ending in LF or
// CRLF, the last one too; "#" starts a comment. Exactly one
// "#version<TAB>N" (N a positive decimal number) and one
// "#known-through<TAB>YYYY-MM-DD"; rows "YYYY-MM-DD<TAB>name<TAB>off|work"
// (days of 1990-2100, names of 1 to 40 characters) in strictly increasing
// date order, none after the known-through day, and
// rows in every year from the first one to the known-through year, so that a
// file cut off at a line end is refused as well.
std::optional<OfficialCalendar> ParseOfficialCalendar(const QByteArray &bytes);

} // namespace pellumo
