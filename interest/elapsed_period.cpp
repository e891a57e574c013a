#include "interest/elapsed_period.h"

#include <algorithm>
#include <limits>

namespace pellumo {
namespace {

// QDate reaches years near ±2^31, where a plain difference of two years would
// overflow; such periods saturate instead.
int SaturatedYears(qint64 years)
{
    constexpr qint64 lowest = std::numeric_limits<int>::min();
    constexpr qint64 highest = std::numeric_limits<int>::max();
    return int(std::clamp(years, lowest, highest));
}

} // namespace

Period ElapsedPeriod(const QDate &start, const QDate &end)
{
    qint64 years = qint64(end.year()) - start.year();
    int months = end.month() - start.month();
    if (months < 0) {
        years -= 1;
        months += 12;
    }
    int days = end.day() - start.day();
    if (days < 0) {
        days += 30;  // the borrowed month always counts 30 days
        if (months > 0) {
            months -= 1;
        } else {
            years -= 1;
            months = 11;
        }
    }
    return {SaturatedYears(years), months, days};
}

} // namespace pellumo
