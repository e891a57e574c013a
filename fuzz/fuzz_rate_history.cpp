// The rate history file: any bytes the update server or a damaged disk
// supplies as history.tsv.

#include "fuzz/fuzz_check.h"
#include "interest/rate_history.h"

#include <QByteArray>
#include <cstdint>

using pellumo::fuzz::Check;

// A history the reader accepts is one the calculations can rely on: both
// tables start where the law's rates start, run in date order, end no later
// than the day the data is known to cover, and every rate is plausible.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto history = pellumo::ParseRateHistory(bytes);
    if (!history)
        return 0;
    Check(history->version > 0, "an accepted history has a version");
    Check(!history->benchmark.isEmpty() && history->benchmark.first().from == pellumo::RateHistoryStart(),
          "the benchmark rates start on their first day");
    Check(!history->loanPrime.isEmpty() && history->loanPrime.first().from == pellumo::LoanPrimeRateStart(),
          "the LPR starts on its first day");
    for (qsizetype i = 1; i < history->benchmark.size(); ++i)
        Check(history->benchmark[i - 1].from < history->benchmark[i].from, "benchmark rows in date order");
    for (qsizetype i = 1; i < history->loanPrime.size(); ++i)
        Check(history->loanPrime[i - 1].from < history->loanPrime[i].from, "LPR rows in date order");
    Check(history->loanPrime.last().from <= history->knownThrough, "no rate after the known-through day");
    for (const auto &row : history->loanPrime)
        Check(row.oneYear.percent > 0 && row.overFiveYears.percent > 0, "LPR rates are positive");
    return 0;
}
