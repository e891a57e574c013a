#include "interest/rate_table.h"

#include "platform/ini_file.h"

namespace pellumo {
namespace {

const QString Section = QStringLiteral("money");

struct BandInfo {
    const char *key;
    const char16_t *label;
    long defaultRateBasisPoints;  // the published rate in hundredths of a percent
};

const BandInfo &InfoOf(RateBand band)
{
    static const BandInfo bands[] = {
        {"a", u"六个月以内（含六个月）", 486},
        {"b", u"六个月至一年（含一年）", 531},
        {"c", u"一至三年（含三年）", 540},
        {"d", u"三至五年（含五年）", 576},
        {"e", u"五年以上", 594},
    };
    return bands[int(band) - 1];
}

// Exactly one, three or five years (no months, no days) is the top of the
// lower band.
bool IsWholeYears(const Period &period)
{
    return period.months == 0 && period.days == 0;
}

} // namespace

QString RateBandLabel(RateBand band)
{
    return QString::fromUtf16(InfoOf(band).label);
}

std::optional<RateBand> RateBandForPeriod(const Period &period)
{
    switch (period.years) {
    case 0:
        if (period.months < 6 || (period.months == 6 && period.days == 0))
            return RateBand::UpToSixMonths;
        return RateBand::SixMonthsToOneYear;
    case 1:
        return IsWholeYears(period) ? RateBand::SixMonthsToOneYear : RateBand::OneToThreeYears;
    case 2:
        return RateBand::OneToThreeYears;
    case 3:
        return IsWholeYears(period) ? RateBand::OneToThreeYears : RateBand::ThreeToFiveYears;
    case 4:
        return RateBand::ThreeToFiveYears;
    case 5:
        return IsWholeYears(period) ? RateBand::ThreeToFiveYears : RateBand::OverFiveYears;
    default:
        if (period.years < 0)
            return std::nullopt;
        return RateBand::OverFiveYears;
    }
}

RateTable::RateTable(const QString &filePath) : m_filePath(filePath) {}

Money RateTable::ReadBandRate(RateBand band) const
{
    const BandInfo &info = InfoOf(band);
    const QString text = ReadIniString(m_filePath, Section, QLatin1String(info.key), QString());
    // The decimal conversion of the amount fields: it refuses "nan", "inf" and
    // values beyond a double, so a damaged file can never put a monstrous
    // number into the interest.
    std::optional<Money> rate = ParseMoney(text);
    if (!rate)
        return Money::fraction(info.defaultRateBasisPoints, 100);
    return std::move(*rate);
}

QString RateTable::ReadAdjustmentDate() const
{
    return ReadIniString(m_filePath, Section, QStringLiteral("bz"), QStringLiteral("2008年12月23日"));
}

int RateTable::ReadVersion() const
{
    bool ok = false;
    const int version = ReadIniString(m_filePath, Section, QStringLiteral("num"), QString()).toInt(&ok, 10);
    return ok ? version : 1;
}

} // namespace pellumo
