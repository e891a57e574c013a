// The official calendar file: any bytes the update server or a damaged disk
// supplies as calendar.tsv.

#include "dates/official_calendar.h"
#include "fuzz/fuzz_check.h"

#include <QByteArray>
#include <cstdint>

using pellumo::fuzz::Check;

// A calendar the reader accepts answers every day consistently: a rest day
// is a day off or an unworked weekend, and a make-up working day is no rest
// day; its coverage is a real day.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto calendar = pellumo::ParseOfficialCalendar(bytes);
    if (!calendar)
        return 0;
    Check(calendar->version() > 0, "an accepted calendar has a version");
    Check(calendar->coveredUntil().isValid(), "an accepted calendar says how far it reaches");
    const QDate last = calendar->coveredUntil();
    for (QDate day = last.addDays(-40); day <= last.addDays(40); day = day.addDays(1)) {
        const pellumo::DayKind kind = calendar->kind(day);
        const bool rest = calendar->isRestDay(day);
        Check(rest == (kind == pellumo::DayKind::OfficialDayOff || kind == pellumo::DayKind::Weekend ||
                       kind == pellumo::DayKind::ComputedHoliday),
              "a rest day is a day off or an unworked weekend");
    }
    return 0;
}
