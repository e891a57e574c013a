// The rate history: the published rates shipped with the program, the
// checks that keep a damaged or incomplete file from ever being used, and the
// installation of a downloaded history, which replaces the installed one
// whole or leaves it byte for byte.

#include "interest/rate_history.h"
#include "tests/test_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

using namespace pellumo;
using namespace pellumo::testing;

namespace {

QByteArray BuiltInBytes()
{
    BuiltInRateHistory();  // registers the resource
    QFile file(QStringLiteral(":/interest/rate_history.tsv"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("the built-in rate history is missing");
    return file.readAll();
}

// The built-in file with one piece replaced; the piece must be there.
QByteArray Replaced(const char *before, const char *after)
{
    const QByteArray bytes = BuiltInBytes();
    if (!bytes.contains(before))
        qFatal("no \"%s\" in the rate history", before);
    return QByteArray(bytes).replace(before, after);
}

QStringList Rates(const char *texts)
{
    return QString::fromLatin1(texts).split(QLatin1Char(' '));
}

QByteArray Prefixed(const char *lines)
{
    return QByteArray(lines) + BuiltInBytes();
}

const char Version1[] = "#version\t1\n";
const char LprHeader[] = "date\tone_year\tover_5y\tconfirmed_by\n";
const char BenchmarkHeader[] = "date\tto_6m\t6m_to_1y\t1y_to_3y\t3y_to_5y\tover_5y\tconfirmed_by\n";

QByteArray WithVersion(int version)
{
    return Replaced(Version1, QByteArray("#version\t" + QByteArray::number(version) + '\n').constData());
}

} // namespace

class RateHistoryTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void builtInBenchmarkRates_data();
    void builtInBenchmarkRates();
    void builtInLoanPrimeRates();
    void acceptedFiles_data();
    void acceptedFiles();
    void damagedFilesAreRefused_data();
    void damagedFilesAreRefused();
    void installedHistoryIsUsedOnlyWhenValid_data();
    void installedHistoryIsUsedOnlyWhenValid();
    void install_data();
    void install();
    void publishedVersion_data();
    void publishedVersion();

private:
    QString write(const QString &name, const QByteArray &bytes)
    {
        return PlaceFile(m_folder->filePath(name), bytes);
    }

    std::unique_ptr<QTemporaryDir> m_folder;
};

void RateHistoryTest::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
}

void RateHistoryTest::builtInBenchmarkRates_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QStringList>("rates");

    QTest::newRow("first row") << QDate(1999, 6, 10) << Rates("5.58 5.85 5.94 6.03 6.21");
    QTest::newRow("2008-12-23, the old default rates") << QDate(2008, 12, 23) << Rates("4.86 5.31 5.40 5.76 5.94");
    QTest::newRow("2012-07-06") << QDate(2012, 7, 6) << Rates("5.60 6.00 6.15 6.40 6.55");
    QTest::newRow("the merge of 2014-11-22") << QDate(2014, 11, 22) << Rates("5.60 5.60 6.00 6.00 6.15");
    QTest::newRow("last row") << QDate(2015, 10, 24) << Rates("4.35 4.35 4.75 4.75 4.90");
}

void RateHistoryTest::builtInBenchmarkRates()
{
    QFETCH(QDate, from);
    QFETCH(QStringList, rates);

    const RateHistory history = BuiltInRateHistory();
    QCOMPARE(history.benchmark.size(), 29);
    const auto entry = std::find_if(history.benchmark.cbegin(), history.benchmark.cend(),
                                    [&](const BenchmarkRates &row) { return row.from == from; });
    QVERIFY(entry != history.benchmark.cend());
    for (int band = 0; band < 5; ++band) {
        QCOMPARE(entry->bands[band].text, rates[band]);
        QVERIFY(entry->bands[band].percent == Money::fromPlainDecimal(rates[band]).value());
    }
}

void RateHistoryTest::builtInLoanPrimeRates()
{
    const RateHistory history = BuiltInRateHistory();
    QCOMPARE(history.version, 1);
    QCOMPARE(history.knownThrough, QDate(2026, 3, 20));
    QCOMPARE(history.loanPrime.size(), 15);
    QCOMPARE(history.loanPrime.first().from, QDate(2019, 8, 20));
    QCOMPARE(history.loanPrime.first().oneYear.text, QStringLiteral("4.25"));
    QCOMPARE(history.loanPrime.first().overFiveYears.text, QStringLiteral("4.85"));
    QCOMPARE(history.loanPrime.last().from, QDate(2025, 5, 20));
    QVERIFY(history.loanPrime.last().oneYear.percent == Money(3));
    QVERIFY(history.loanPrime.last().overFiveYears.percent == Money::fraction(7, 2));
}

void RateHistoryTest::acceptedFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("version");
    QTest::addColumn<QDate>("knownThrough");

    QTest::newRow("the built-in file") << BuiltInBytes() << 1 << QDate(2026, 3, 20);
    QTest::newRow("lines ending in CRLF") << QByteArray(BuiltInBytes()).replace("\n", "\r\n") << 1
                                          << QDate(2026, 3, 20);
    QTest::newRow("version 12") << WithVersion(12) << 12 << QDate(2026, 3, 20);
    QTest::newRow("blank lines and more comments") << Prefixed("\n# another comment\n\n") << 1 << QDate(2026, 3, 20);
}

void RateHistoryTest::acceptedFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, version);
    QFETCH(QDate, knownThrough);

    const std::optional<RateHistory> history = ReadRateHistory(write(QStringLiteral("history.tsv"), bytes));
    QVERIFY(history);
    QCOMPARE(history->version, version);
    QCOMPARE(history->knownThrough, knownThrough);
    QCOMPARE(history->benchmark.size(), 29);
    QCOMPARE(history->loanPrime.size(), 15);
}

void RateHistoryTest::damagedFilesAreRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray builtIn = BuiltInBytes();
    QTest::newRow("no file") << QByteArray();
    QTest::newRow("empty file") << QByteArray("");
    QTest::newRow("cut off inside a row") << builtIn.first(builtIn.size() - 40);
    QTest::newRow("cut off before the LPR table") << builtIn.first(builtIn.indexOf(LprHeader));
    QTest::newRow("no version line") << Replaced(Version1, "");
    QTest::newRow("version not a number") << Replaced(Version1, "#version\tone\n");
    QTest::newRow("no known-through date")
        << QByteArray(builtIn).replace("#known-through\t2026-03-20\n", "");
    QTest::newRow("two different known-through dates")
        << Replaced("#known-through\t2026-03-20\n", "#known-through\t2026-03-20\n#known-through\t2026-04-20\n");
    QTest::newRow("known through a day before the last LPR change")
        << QByteArray(builtIn).replace("#known-through\t2026-03-20\n", "#known-through\t2025-05-19\n");
    QTest::newRow("a row before its table's header") << Prefixed("2025-06-20\t3.00\t3.50\tsource\n");
    QTest::newRow("the benchmark table twice") << Replaced(LprHeader, (QByteArray(BenchmarkHeader) + LprHeader).constData());
    QTest::newRow("rows out of order")
        << Replaced("2015-06-28\t", "2015-04-28\t");
    QTest::newRow("no such day") << Replaced("2015-06-28\t", "2015-06-31\t");
    QTest::newRow("rate not a number") << Replaced("\t4.85\t4.85\t", "\t4.85\t4,85\t");
    QTest::newRow("rate 45 percent") << Replaced("2024-10-21\t3.10\t", "2024-10-21\t45\t");
    QTest::newRow("a column missing") << Replaced("2024-10-21\t3.10\t3.60\t", "2024-10-21\t3.10\t");
    QTest::newRow("no source") << Replaced("2025-05-20\t3.00\t3.50\thttps", "2025-05-20\t3.00\t3.50\t\n#https");
    QTest::newRow("merged bands disagree") << Replaced("2015-10-24\t4.35\t4.35\t", "2015-10-24\t4.35\t4.36\t");
    QTest::newRow("benchmark rates from 2002 only") << Replaced("1999-06-10\t", "#1999-06-10\t");
    QTest::newRow("not UTF-8") << Replaced("六个月以内", "\xc1\xf9\xb8\xf6\xd4\xc2\xd2\xd4\xc4\xda");
    QTest::newRow("larger than 64 KiB") << builtIn + "#" + QByteArray(MaxRateHistoryFileSize, 'x') + "\n";
}

void RateHistoryTest::damagedFilesAreRefused()
{
    QFETCH(QByteArray, bytes);

    const QString path = write(QStringLiteral("history.tsv"), bytes);
    QVERIFY(!ReadRateHistory(path));
    // The page then uses the built-in history.
    QCOMPARE(RateHistoryInFolder(m_folder->path()).knownThrough, QDate(2026, 3, 20));
}

void RateHistoryTest::installedHistoryIsUsedOnlyWhenValid_data()
{
    QTest::addColumn<QByteArray>("installed");
    QTest::addColumn<QString>("lastOneYearLpr");

    QTest::newRow("none installed") << QByteArray() << "3.00";
    QTest::newRow("a newer one installed")
        << Replaced("#known-through\t2026-03-20\n", "#known-through\t2026-06-22\n").append("2026-06-22\t2.90\t3.40\tsource\n")
        << "2.90";
    QTest::newRow("a damaged one installed")
        << Replaced("#known-through\t2026-03-20\n", "#known-through\t2026-06-22\n").append("2026-06-22\t2.90\t3.40\n")
        << "3.00";
}

void RateHistoryTest::installedHistoryIsUsedOnlyWhenValid()
{
    QFETCH(QByteArray, installed);
    QFETCH(QString, lastOneYearLpr);

    write(QLatin1String(RateHistoryFileName), installed);
    QCOMPARE(RateHistoryInFolder(m_folder->path()).loanPrime.last().oneYear.text, lastOneYearLpr);
}

void RateHistoryTest::install_data()
{
    QTest::addColumn<QByteArray>("downloaded");
    QTest::addColumn<int>("publishedVersion");
    QTest::addColumn<bool>("installed");

    QTest::newRow("valid, the published version") << WithVersion(2) << 2 << true;
    QTest::newRow("valid, newer than published") << WithVersion(3) << 2 << true;
    QTest::newRow("older than published") << WithVersion(2) << 3 << false;
    QTest::newRow("cut off") << WithVersion(2).chopped(30) << 2 << false;
    QTest::newRow("an error page") << QByteArray("<html><body>Not found</body></html>\n") << 1 << false;
    QTest::newRow("no download") << QByteArray() << 1 << false;
    QTest::newRow("too large") << WithVersion(2) + "#" + QByteArray(MaxRateHistoryFileSize, 'x') + "\n" << 2 << false;
}

void RateHistoryTest::install()
{
    QFETCH(QByteArray, downloaded);
    QFETCH(int, publishedVersion);
    QFETCH(bool, installed);

    const QByteArray before = Replaced("\n", "\r\n");  // an installed file, not the built-in bytes
    const QString target = write(QLatin1String(RateHistoryFileName), before);
    const QString download = write(QStringLiteral("download.tsv"), downloaded);

    QCOMPARE(InstallRateHistory(download, target, publishedVersion), installed);
    QCOMPARE(ReadBytes(target), installed ? downloaded : before);
}

void RateHistoryTest::publishedVersion_data()
{
    QTest::addColumn<QByteArray>("versionFile");
    QTest::addColumn<std::optional<int>>("version");

    QTest::newRow("history published") << Gbk(QStringLiteral("[money]\nnum=2\nhistory=3\n")) << std::optional<int>(3);
    QTest::newRow("an older server without it") << Gbk(QStringLiteral("[money]\nnum=2\n")) << std::optional<int>();
    QTest::newRow("not a number") << Gbk(QStringLiteral("[money]\nhistory=3a\n")) << std::optional<int>();
    QTest::newRow("no file") << QByteArray() << std::optional<int>();
}

void RateHistoryTest::publishedVersion()
{
    QFETCH(QByteArray, versionFile);
    QFETCH(std::optional<int>, version);

    QCOMPARE(ReadPublishedRateHistoryVersion(write(QStringLiteral("tdqup.rar"), versionFile)), version);
}

QTEST_GUILESS_MAIN(RateHistoryTest)
#include "tst_rate_history.moc"
