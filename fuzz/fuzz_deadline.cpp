// The day count of the date page: any count text from any starting day.

#include "dates/deadline.h"
#include "fuzz/fuzz_check.h"

#include <QString>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>

using namespace pellumo;
using pellumo::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    // Starting days a little beyond the calendar's range on both sides, and
    // now and then no valid day at all.
    const qint64 firstDay = EarliestCalendarDate().toJulianDay() - 400;
    const qint64 lastDay = LatestCalendarDate().toJulianDay() + 400;
    const bool validStart = input.ConsumeIntegralInRange(0, 15) != 0;
    const QDate start = validStart ? QDate::fromJulianDay(input.ConsumeIntegralInRange(firstDay, lastDay)) : QDate();
    const std::string countBytes = input.ConsumeRemainingBytesAsString();
    const QString countText = QString::fromUtf8(countBytes.data(), qsizetype(countBytes.size()));

    const DeadlineOutcome outcome = ComputeDeadline(start, countText);
    Check((outcome.kind == DeadlineOutcome::Kind::Nothing) == countText.isEmpty(), "only an empty count gives nothing");
    if (outcome.kind != DeadlineOutcome::Kind::Result)
        return 0;

    const QDate date = outcome.result.date;
    Check(start.isValid() && date.isValid(), "a result comes from a valid day and is one");
    Check(date >= EarliestCalendarDate() && date <= LatestCalendarDate(), "a result lies in the calendar's range");
    bool isNumber = false;
    const qint64 count = countText.toLongLong(&isNumber, 10);
    Check(isNumber && start.daysTo(date) == count, "the result lies the counted days after the start");
    Check(!outcome.result.dateText.isEmpty() && !outcome.result.weekdayText.isEmpty(), "a result has its texts");
    if (start >= EarliestCalendarDate() && start <= LatestCalendarDate()) {
        const DeadlineOutcome back = ComputeDeadline(date, QString::number(-count));
        Check(back.kind == DeadlineOutcome::Kind::Result && back.result.date == start,
              "counting the same days back returns to the start");
    }
    return 0;
}
