// The case file of the execution ledger on any bytes, as a colleague's
// e-mail or a USB stick supplies them. A file is refused with a reason or
// read whole; what is read keeps to the limits the window holds to, and
// saved again it reads back as the same case.

#include "fuzz/fuzz_check.h"
#include "interest/execution_case_file.h"

#include <QByteArray>
#include <cstdint>

using namespace pellumo;
using pellumo::fuzz::Check;

namespace {

void CheckLimits(const CaseRecord &record)
{
    const ExecutionCase &c = record.executionCase;
    Check(record.caseNumber.size() <= MaxCaseTextLength && record.parties.size() <= MaxCaseTextLength,
          "案号 and 当事人 within the text limit");
    Check(c.items.size() <= MaxCaseRows && c.credits.size() <= MaxCaseRows && c.excluded.size() <= MaxCaseRows,
          "every table within the row limit");
    Check(c.calculationDay.isValid(), "a case read has a calculation day");
    for (const DebtItem &item : c.items) {
        Check(IsCaseAmount(item.amount), "a debt item's amount is a case amount");
        Check(item.name.size() <= MaxCaseTextLength, "a debt item's name within the text limit");
        Check(item.lastPerformanceDay.isValid(), "a debt item has its last day of performance");
    }
    for (const Credit &credit : c.credits)
        Check(IsCaseAmount(credit.amount) && credit.day.isValid(), "a credit has a day and a case amount");
    for (const ExcludedPeriod &period : c.excluded)
        Check(period.first.isValid() && period.last.isValid(), "an excluded period has both days");
    Check(c.generalInterest.multiplier > 0, "the multiplier of general interest is positive");
    Check(c.generalInterest.daysPerYear == 360 || c.generalInterest.daysPerYear == 365,
          "a year of general interest has 360 or 365 days");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const CaseFileReading reading = ReadCaseBytes(bytes);
    if (!reading.record) {
        Check(!reading.error.isEmpty(), "a refused file says why");
        return 0;
    }
    Check(reading.error.isEmpty(), "a file read whole carries no message");
    CheckLimits(*reading.record);
    const QByteArray saved = CaseFileBytes(*reading.record);
    const CaseFileReading again = ReadCaseBytes(saved);
    Check(again.record.has_value(), "a case read and saved again can be opened");
    Check(again.record && CaseFileBytes(*again.record) == saved, "a case saved again reads back as the same case");
    return 0;
}
