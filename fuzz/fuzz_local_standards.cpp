// setbz.rar, the local amounts of the ranged fees, on any bytes a damaged
// disk or a hand-edited file supplies. A file is read whole or not at all,
// and what is read lies within the statutory ranges; amounts saved into
// the file read back as saved.

#include "fuzz/fuzz_check.h"
#include "fees/local_standards.h"

#include <QByteArray>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>

using namespace pellumo;
using pellumo::fuzz::Check;

namespace {

bool WithinRanges(const LocalStandards &local)
{
    for (LocalStandardField field : AllLocalStandardFields()) {
        const Money amount = LocalStandardAmount(local, field);
        const FeeRange range = LocalStandardRange(field);
        if (amount < range.lowest || amount > range.highest || amount.exact().get_den() != 1)
            return false;
    }
    return true;
}

// Amounts anywhere in their ranges, whole yuan, chosen by the input.
LocalStandards Chosen(FuzzedDataProvider &input)
{
    LocalStandards local;
    for (LocalStandardField field : AllLocalStandardFields()) {
        const FeeRange range = LocalStandardRange(field);
        const long lowest = range.lowest.exact().get_num().get_si();
        const long highest = range.highest.exact().get_num().get_si();
        SetLocalStandardAmount(local, field, Money(input.ConsumeIntegralInRange(lowest, highest)));
    }
    return local;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const LocalStandards wanted = Chosen(input);
    const std::string rest = input.ConsumeRemainingBytesAsString();
    const QByteArray bytes(rest.data(), qsizetype(rest.size()));

    const std::optional<LocalStandards> read = ParseLocalStandards(bytes);
    if (read)
        Check(WithinRanges(*read), "every amount read lies within its statutory range");
    const std::optional<QByteArray> written = LocalStandardsBytes(bytes, wanted);
    if (!written)
        return 0;
    const std::optional<LocalStandards> back = ParseLocalStandards(*written);
    Check(back.has_value(), "a file the amounts were saved into reads whole");
    for (LocalStandardField field : AllLocalStandardFields()) {
        // Divorce and personality rights live in setjs.rar, not here.
        if (field == LocalStandardField::Divorce || field == LocalStandardField::PersonalityRights)
            continue;
        Check(back && LocalStandardAmount(*back, field) == LocalStandardAmount(wanted, field),
              "each amount saved reads back as saved");
    }
    return 0;
}
