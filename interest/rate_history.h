#pragma once

// The published lending rates by date: the central bank's benchmark lending
// rates by term band (1999-06-10 to their last change on 2015-10-24) and the
// Loan Prime Rates (LPR) that replaced them for loans from 2019-08-20, with
// the last date the data is known to cover. The program ships one history as
// a resource; a newer one can be installed from the update server beside the
// rate table, and is used when it reads as complete and valid.
//
// The file: UTF-8 text, tab-separated, lines ending in LF (CRLF accepted),
// ending in a line break. Lines starting with "#" are comments, except the
// two metadata lines "#version<TAB>N" (a positive integer) and
// "#known-through<TAB>YYYY-MM-DD"; either may repeat with the same value.
// Two tables follow, each opened by its column header line:
//   date  to_6m  6m_to_1y  1y_to_3y  3y_to_5y  over_5y  confirmed_by
//   date  one_year  over_5y  confirmed_by
// with one row per change: its date, the annual rates in percent ("6.15"),
// and the sources that confirm it.

#include "interest/rate_table.h"
#include "money/money.h"

#include <QDate>
#include <QList>
#include <QString>
#include <array>
#include <optional>

namespace pellumo {

// An annual rate in percent as published: its exact value and its text
// ("5.40" stays "5.40").
struct PublishedRate {
    Money percent;
    QString text;
};

// The benchmark rates of the five term bands in force from `from`, indexed
// by int(RateBand) - 1. From 2014-11-22 the bands are merged and the merged
// rate stands in both bands it replaced.
struct BenchmarkRates {
    QDate from;
    std::array<PublishedRate, 5> bands;

    const PublishedRate &of(RateBand band) const { return bands[std::size_t(band) - 1]; }
};

// The one-year and the over-five-year LPR in force from `from`.
struct LoanPrimeRates {
    QDate from;
    PublishedRate oneYear;
    PublishedRate overFiveYears;
};

// Benchmark bands and LPR by date, in ascending order, each in force from its
// date until the next entry.
struct RateHistory {
    int version = 0;
    QDate knownThrough;  // the last day the data is known to cover
    QList<BenchmarkRates> benchmark;
    QList<LoanPrimeRates> loanPrime;
};

// The first day of the history: the benchmark rates of 1999-06-10.
QDate RateHistoryStart();
// From this day loans are priced by the LPR (PBOC announcement 2019 No. 15).
QDate LoanPrimeRateStart();
// From this day the benchmark bands are merged into 一年以内（含一年）,
// 一至五年（含五年） and 五年以上.
QDate BenchmarkBandMergeDate();

// The history shipped with the program.
RateHistory BuiltInRateHistory();

// The history in a file; nullopt when the file is missing, larger than
// MaxRateHistoryFileSize, not UTF-8, cut off, has a malformed or out-of-order
// row, a rate outside 0 to 30 percent, or lacks a table or a metadata line.
std::optional<RateHistory> ReadRateHistory(const QString &filePath);

// The same check on bytes in memory.
std::optional<RateHistory> ParseRateHistory(const QByteArray &bytes);

// The installed history beside set.rar, and the largest file accepted.
inline constexpr char RateHistoryFileName[] = "history.tsv";
inline constexpr qint64 MaxRateHistoryFileSize = 65536;

// The installed history in the settings folder when there is one that reads
// as valid, the built-in one otherwise.
RateHistory RateHistoryInFolder(const QString &folder);

// Where the update server publishes the history, and the key in the [money]
// section of its version file (/vrk/tdqup.rar) that holds its version.
inline constexpr char PublishedRateHistoryPath[] = "/vrk/history.tsv";
inline constexpr char PublishedRateHistoryVersionKey[] = "history";

// The version of the published history named by a downloaded version file;
// nullopt when the file names none (an older server publishes no history).
std::optional<int> ReadPublishedRateHistoryVersion(const QString &versionFilePath);

// Replaces targetPath with the downloaded history when it reads as valid and
// its version is at least publishedVersion. Atomic: readers see the old file
// or the new one. False, with the target byte for byte as it was, otherwise.
bool InstallRateHistory(const QString &downloadedPath, const QString &targetPath, int publishedVersion);

} // namespace pellumo
