#pragma once

#include "interest/elapsed_period.h"
#include "money/money.h"

#include <QString>
#include <optional>

namespace pellumo {

// The term bands of the central bank's benchmark lending rate. Each band
// includes its upper bound: exactly six months, one, three or five years
// belong to the lower band.
enum class RateBand { UpToSixMonths = 1, SixMonthsToOneYear, OneToThreeYears, ThreeToFiveYears, OverFiveYears };

// "六个月以内（含六个月）", "六个月至一年（含一年）", "一至三年（含三年）",
// "三至五年（含五年）", "五年以上".
QString RateBandLabel(RateBand band);

// The band into which a delay period falls; none when the period is negative
// (the end date lies before the start date).
std::optional<RateBand> RateBandForPeriod(const Period &period);

// The rate table file in the program's folder. Plain INI text in GBK despite
// its extension.
inline constexpr char RateTableFileName[] = "set.rar";

// Reader of the rate table: section "money", keys "a" to "e" for the five
// bands, "bz" for the date of the rate adjustment and "num" for the version.
// Every read goes to the file as it is now, so a file replaced by the online
// update counts from the next calculation on. A missing or damaged file,
// section, key or value gives the read's default, silently.
class RateTable
{
public:
    explicit RateTable(const QString &filePath);  // never touches the file

    // Percent per year, exactly as written in the file. A value that the
    // amount fields would refuse (empty, no decimal number, beyond the range
    // of a double) gives the band's default (4.86, 5.31, 5.4, 5.76, 5.94).
    Money ReadBandRate(RateBand band) const;

    // Used unchanged: only a missing key gives "2008年12月23日"; an empty value
    // gives empty text.
    QString ReadAdjustmentDate() const;

    // A decimal integer with an optional sign; anything else gives 1. Also
    // used on the downloaded version file of the update.
    int ReadVersion() const;

private:
    QString m_filePath;
};

} // namespace pellumo
