// The rate-table reader and the check of a downloaded table, on any bytes as
// the file set.rar or as a download. The reader never returns a rate that is
// not finite, and a table the check accepts reads, through the same reader
// the interest uses, as plausible rates, a date and a version in range.

#include "fuzz/fuzz_check.h"
#include "interest/rate_table.h"
#include "interest/rate_table_update.h"
#include "platform/ini_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <cstdint>

using namespace pellumo;
using pellumo::fuzz::Check;

namespace {

const QString &TablePath()
{
    static const QTemporaryDir folder;
    static const QString path = folder.filePath(QString::fromLatin1(RateTableFileName));
    return path;
}

void Place(const QByteArray &bytes)
{
    QFile file(TablePath());
    Check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
          "the scratch file can be written");
}

// Whatever the file holds, a rate read from it is no larger than the
// amount fields accept (below 1e309), so no calculation meets a monster.
bool WithinDoubleRange(const pellumo::Money &rate)
{
    static const mpq_class limit(mpz_class(1) * mpz_class("1" + std::string(309, '0')));
    return abs(rate.exact()) < limit;
}

constexpr RateBand Bands[] = {RateBand::UpToSixMonths, RateBand::SixMonthsToOneYear, RateBand::OneToThreeYears,
                              RateBand::ThreeToFiveYears, RateBand::OverFiveYears};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    Place(bytes);
    const RateTable table(TablePath());
    for (RateBand band : Bands)
        Check(WithinDoubleRange(table.ReadBandRate(band)), "a band rate stays within the range of the amount fields");
    Check(table.ReadAdjustmentDate().size() <= MaxValueLength, "the adjustment date is bounded");

    constexpr int publishedVersion = 2;
    constexpr int localVersion = 1;
    if (!ReadsAsRateTable(bytes, publishedVersion, localVersion))
        return 0;
    for (RateBand band : Bands) {
        const pellumo::Money rate = table.ReadBandRate(band);
        Check(rate > 0 && rate <= 100, "an accepted table reads as rates in (0, 100]");
    }
    Check(!table.ReadAdjustmentDate().isEmpty(), "an accepted table has its adjustment date");
    const int version = table.ReadVersion();
    Check(version >= publishedVersion && version <= localVersion + MaxVersionJump,
          "an accepted table reads as a version in range");
    return 0;
}
