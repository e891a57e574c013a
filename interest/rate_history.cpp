#include "interest/rate_history.h"

#include "platform/atomic_file.h"
#include "platform/ini_file.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <algorithm>

// The history lives in the static interest library, whose resource
// initialiser the linker would otherwise drop.
static void InitRateHistoryResource()
{
    Q_INIT_RESOURCE(rate_history);
}

namespace pellumo {
namespace {

const QString BuiltInPath = QStringLiteral(":/interest/rate_history.tsv");
const QString BenchmarkHeader = QStringLiteral("date\tto_6m\t6m_to_1y\t1y_to_3y\t3y_to_5y\tover_5y\tconfirmed_by");
const QString LoanPrimeHeader = QStringLiteral("date\tone_year\tover_5y\tconfirmed_by");
const QString VersionPrefix = QStringLiteral("#version\t");
const QString KnownThroughPrefix = QStringLiteral("#known-through\t");

// No published lending rate has come near this; a larger value is a damaged file.
const Money HighestPlausibleRate = 30;

enum class Table { None, Benchmark, LoanPrime };

struct ParseState {
    RateHistory history;
    std::optional<int> version;
    std::optional<QDate> knownThrough;
    Table table = Table::None;
    bool benchmarkSeen = false;
    bool loanPrimeSeen = false;
};

std::optional<QDate> ParseDate(QStringView text)
{
    if (text.size() != 10)
        return std::nullopt;
    const QDate date = QDate::fromString(text.toString(), QStringLiteral("yyyy-MM-dd"));
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

std::optional<int> ParseVersion(QStringView text)
{
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    bool ok = false;
    const int version = text.toInt(&ok, 10);
    return ok && version > 0 ? std::optional<int>(version) : std::nullopt;
}

std::optional<PublishedRate> ParseRate(QStringView text)
{
    const std::optional<Money> percent = Money::fromPlainDecimal(text);
    if (!percent || *percent <= 0 || *percent > HighestPlausibleRate)
        return std::nullopt;
    return PublishedRate{*percent, text.toString()};
}

// A metadata line may repeat, but never with another value.
template<typename T>
bool SetOnce(std::optional<T> &slot, const std::optional<T> &value)
{
    if (!value || (slot && *slot != *value))
        return false;
    slot = value;
    return true;
}

bool TakeComment(ParseState &state, QStringView line)
{
    if (line.startsWith(VersionPrefix))
        return SetOnce(state.version, ParseVersion(line.sliced(VersionPrefix.size())));
    if (line.startsWith(KnownThroughPrefix))
        return SetOnce(state.knownThrough, ParseDate(line.sliced(KnownThroughPrefix.size())));
    return true;
}

bool OpenTable(ParseState &state, Table table, bool &seen)
{
    if (seen)
        return false;
    seen = true;
    state.table = table;
    return true;
}

// The date of a row: valid and later than the row before it in its table.
template<typename Entry>
std::optional<QDate> RowDate(QStringView text, const QList<Entry> &entries)
{
    const std::optional<QDate> date = ParseDate(text);
    if (!date || (!entries.isEmpty() && *date <= entries.last().from))
        return std::nullopt;
    return date;
}

bool HasSource(QStringView text)
{
    return !text.trimmed().isEmpty();
}

bool TakeBenchmarkRow(ParseState &state, const QList<QStringView> &fields)
{
    if (fields.size() != 7 || !HasSource(fields[6]))
        return false;
    const std::optional<QDate> from = RowDate(fields[0], state.history.benchmark);
    if (!from)
        return false;
    BenchmarkRates row{*from, {}};
    for (std::size_t band = 0; band < row.bands.size(); ++band) {
        const std::optional<PublishedRate> rate = ParseRate(fields[qsizetype(band) + 1]);
        if (!rate)
            return false;
        row.bands[band] = *rate;
    }
    state.history.benchmark.append(row);
    return true;
}

bool TakeLoanPrimeRow(ParseState &state, const QList<QStringView> &fields)
{
    if (fields.size() != 4 || !HasSource(fields[3]))
        return false;
    const std::optional<QDate> from = RowDate(fields[0], state.history.loanPrime);
    const std::optional<PublishedRate> oneYear = ParseRate(fields[1]);
    const std::optional<PublishedRate> overFiveYears = ParseRate(fields[2]);
    if (!from || !oneYear || !overFiveYears)
        return false;
    state.history.loanPrime.append({*from, *oneYear, *overFiveYears});
    return true;
}

bool TakeLine(ParseState &state, QStringView line)
{
    if (line.isEmpty())
        return true;
    if (line.startsWith(QLatin1Char('#')))
        return TakeComment(state, line);
    if (line == BenchmarkHeader)
        return OpenTable(state, Table::Benchmark, state.benchmarkSeen);
    if (line == LoanPrimeHeader)
        return OpenTable(state, Table::LoanPrime, state.loanPrimeSeen);
    const QList<QStringView> fields = line.split(QLatin1Char('\t'));
    switch (state.table) {
    case Table::Benchmark:
        return TakeBenchmarkRow(state, fields);
    case Table::LoanPrime:
        return TakeLoanPrimeRow(state, fields);
    case Table::None:
        break;
    }
    return false;
}

// From the merge on, one merged rate stands in both bands it replaced; rows
// that disagree would give two rates for one published band.
bool MergedBandsAgree(const BenchmarkRates &row)
{
    if (row.from < BenchmarkBandMergeDate())
        return true;
    return row.of(RateBand::UpToSixMonths).percent == row.of(RateBand::SixMonthsToOneYear).percent
        && row.of(RateBand::OneToThreeYears).percent == row.of(RateBand::ThreeToFiveYears).percent;
}

// Both tables present from their first day on, the benchmark rates ending
// before the LPR begins, and nothing dated after the known-through date.
bool IsComplete(const ParseState &state)
{
    const RateHistory &history = state.history;
    if (!state.version || !state.knownThrough || history.benchmark.isEmpty() || history.loanPrime.isEmpty())
        return false;
    if (history.benchmark.first().from != RateHistoryStart() || history.loanPrime.first().from != LoanPrimeRateStart())
        return false;
    if (history.benchmark.last().from >= LoanPrimeRateStart() || history.loanPrime.last().from > *state.knownThrough)
        return false;
    return std::all_of(history.benchmark.cbegin(), history.benchmark.cend(), MergedBandsAgree);
}

} // namespace

QDate RateHistoryStart()
{
    return QDate(1999, 6, 10);
}

QDate LoanPrimeRateStart()
{
    return QDate(2019, 8, 20);
}

QDate BenchmarkBandMergeDate()
{
    return QDate(2014, 11, 22);
}

std::optional<RateHistory> ParseRateHistory(const QByteArray &bytes)
{
    // A file that stops without its last line break was cut off.
    if (bytes.size() > MaxRateHistoryFileSize || !bytes.endsWith('\n'))
        return std::nullopt;
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    ParseState state;
    const QList<QStringView> lines = QStringView(text).chopped(1).split(QLatin1Char('\n'));
    for (QStringView line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (!TakeLine(state, line))
            return std::nullopt;
    }
    if (!IsComplete(state))
        return std::nullopt;
    state.history.version = *state.version;
    state.history.knownThrough = *state.knownThrough;
    return state.history;
}

std::optional<RateHistory> ReadRateHistory(const QString &filePath)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxRateHistoryFileSize)
        return std::nullopt;
    const QByteArray bytes = file.read(MaxRateHistoryFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return ParseRateHistory(bytes);
}

RateHistory BuiltInRateHistory()
{
    InitRateHistoryResource();
    std::optional<RateHistory> history = ReadRateHistory(BuiltInPath);
    if (!history)
        qFatal("The built-in rate history does not read as valid");
    return *std::move(history);
}

RateHistory RateHistoryInFolder(const QString &folder)
{
    RateHistory builtIn = BuiltInRateHistory();
    std::optional<RateHistory> installed = ReadRateHistory(QDir(folder).filePath(QLatin1String(RateHistoryFileName)));
    // A program update may ship a newer history than the one once installed.
    if (installed && installed->version >= builtIn.version)
        return *std::move(installed);
    return builtIn;
}

std::optional<int> ReadPublishedRateHistoryVersion(const QString &versionFilePath)
{
    const QString text = ReadIniString(versionFilePath, QStringLiteral("money"),
                                       QLatin1String(PublishedRateHistoryVersionKey), QString());
    return ParseVersion(text);
}

bool InstallRateHistory(const QString &downloadedPath, const QString &targetPath, int publishedVersion)
{
    return InstallCheckedFile(downloadedPath, targetPath, MaxRateHistoryFileSize,
                              [publishedVersion](const QByteArray &bytes) {
                                  const std::optional<RateHistory> history = ParseRateHistory(bytes);
                                  return history && history->version >= publishedVersion;
                              });
}

} // namespace pellumo
