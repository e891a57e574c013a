// The file side of the online update: the files the project publishes on its
// update server, the check a downloaded rate table must pass, and its
// installation over set.rar, which either replaces the table whole or leaves
// it byte for byte.

#include "interest/rate_table.h"
#include "interest/rate_table_update.h"
#include "money/number_text.h"
#include "tests/test_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace pellumo;
using namespace pellumo::testing;

namespace {

const QString PublishedFolder = QStringLiteral(PELLUMO_SOURCE_DIR "/update-server");

QByteArray ContentOf(const QString &filePath)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(filePath));
    return file.readAll();
}

QByteArray PublishedRateTable()
{
    return ContentOf(PublishedFolder + QLatin1String(PublishedRateTablePath));
}

const QByteArray NoFile;  // the null byte array: no file is written

} // namespace

class RateTableUpdateTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void publishedRateTableReadsBack_data();
    void publishedRateTableReadsBack();
    void publishedVersionFileReadsBack();
    void updateFileUrl_data();
    void updateFileUrl();
    void readsAsRateTable_data();
    void readsAsRateTable();
    void versionJumpCountsFromTheLocalTable_data();
    void versionJumpCountsFromTheLocalTable();
    void installRateTable_data();
    void installRateTable();

private:
    // The file `name` in the test's folder, holding `bytes` (none for the null byte array).
    QString write(const QString &name, const QByteArray &bytes)
    {
        return PlaceFile(m_folder->filePath(name), bytes);
    }

    std::unique_ptr<QTemporaryDir> m_folder;
};

void RateTableUpdateTest::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
}

void RateTableUpdateTest::publishedRateTableReadsBack_data()
{
    QTest::addColumn<RateBand>("band");
    QTest::addColumn<QString>("rate");

    QTest::newRow("band 1") << RateBand::UpToSixMonths << "4.35";
    QTest::newRow("band 2") << RateBand::SixMonthsToOneYear << "4.35";
    QTest::newRow("band 3") << RateBand::OneToThreeYears << "4.75";
    QTest::newRow("band 4") << RateBand::ThreeToFiveYears << "4.75";
    QTest::newRow("band 5") << RateBand::OverFiveYears << "4.9";
}

// The table published since the rate adjustment of 24 October 2015.
void RateTableUpdateTest::publishedRateTableReadsBack()
{
    QFETCH(RateBand, band);
    QFETCH(QString, rate);

    const RateTable table(PublishedFolder + QLatin1String(PublishedRateTablePath));
    QCOMPARE(DecimalText(table.ReadBandRate(band)), rate);
    QCOMPARE(table.ReadAdjustmentDate(), QStringLiteral("2015年10月24日"));
    QCOMPARE(table.ReadVersion(), 2);
}

void RateTableUpdateTest::publishedVersionFileReadsBack()
{
    QCOMPARE(RateTable(PublishedFolder + QLatin1String(PublishedVersionPath)).ReadVersion(), 2);
}

void RateTableUpdateTest::updateFileUrl_data()
{
    QTest::addColumn<QString>("serverAddress");
    QTest::addColumn<QString>("url");

    QTest::newRow("host only") << QStringLiteral("http://update.pellumo.example")
                               << QStringLiteral("http://update.pellumo.example/vrk/rate.rar");
    QTest::newRow("host with a trailing slash") << QStringLiteral("http://update.pellumo.example/")
                                                << QStringLiteral("http://update.pellumo.example/vrk/rate.rar");
    QTest::newRow("port and a base folder") << QStringLiteral("https://127.0.0.1:8443/pellumo//")
                                            << QStringLiteral("https://127.0.0.1:8443/pellumo/vrk/rate.rar");
}

void RateTableUpdateTest::updateFileUrl()
{
    QFETCH(QString, serverAddress);
    QFETCH(QString, url);
    QCOMPARE(UpdateFileUrl(serverAddress, PublishedRateTablePath), QUrl(url));
}

void RateTableUpdateTest::readsAsRateTable_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("publishedVersion");
    QTest::addColumn<bool>("isRateTable");

    const QByteArray published = PublishedRateTable();
    const QByteArray rates = "[money]\r\na=4.35\r\nb=4.35\r\nc=4.75\r\nd=4.75\r\ne=4.9\r\n";
    const QByteArray dated = rates + Gbk(QStringLiteral("bz=2015年10月24日\r\n"));
    const auto withRate = [&](const QByteArray &rate) { return QByteArray(dated).replace("e=4.9", rate) + "num=2\r\n"; };
    const auto withDate = [&](const QString &date) { return rates + Gbk(QStringLiteral("bz=") + date) + "\r\nnum=2\r\n"; };

    QTest::newRow("the published table at its own version") << published << 2 << true;
    QTest::newRow("a table newer than the published version") << dated + "num=5\r\n" << 2 << true;
    QTest::newRow("a table older than the published version") << published << 3 << false;
    QTest::newRow("an error page served with status 200")
        << QByteArray("<html><body><h1>502 Bad Gateway</h1></body></html>") << 2 << false;
    QTest::newRow("cut off before the version line") << published.left(published.indexOf("num=")) << 2
                                                     << false;
    QTest::newRow("a band rate missing") << QByteArray(dated).replace("d=4.75\r\n", "") + "num=2\r\n" << 2
                                         << false;
    QTest::newRow("a band rate not a number") << withRate("e=4,9") << 2 << false;
    QTest::newRow("version not a number") << dated + "num=two\r\n" << 1 << false;
    QTest::newRow("keys outside section money")
        << QByteArray(dated).replace("[money]", "[vrk]") + "num=2\r\n" << 2 << false;
    QTest::newRow("an empty file") << QByteArray("") << 1 << false;
    QTest::newRow("no file") << NoFile << 1 << false;

    // A server that sends anything: rates outside (0, 100] percent a year.
    QTest::newRow("rate of exactly 100 percent") << withRate("e=100") << 2 << true;
    QTest::newRow("rate just above 0") << withRate("e=0.01") << 2 << true;
    QTest::newRow("rate of 0") << withRate("e=0") << 2 << false;
    QTest::newRow("negative rate") << withRate("e=-4.9") << 2 << false;
    QTest::newRow("rate just above 100 percent") << withRate("e=100.01") << 2 << false;
    QTest::newRow("rate of 1e300") << withRate("e=1e300") << 2 << false;

    // The adjustment date is shown as it stands, so it must be a date.
    QTest::newRow("date with one-digit month and day") << withDate(QStringLiteral("2011年7月7日")) << 2 << true;
    QTest::newRow("date with leading zeros") << withDate(QStringLiteral("2011年07月07日")) << 2 << true;
    QTest::newRow("no adjustment date") << rates + "num=2\r\n" << 2 << false;
    QTest::newRow("empty adjustment date") << withDate(QString()) << 2 << false;
    QTest::newRow("adjustment date as any text") << withDate(QStringLiteral("<script>alert(1)</script>")) << 2
                                                 << false;
    QTest::newRow("a day no calendar has") << withDate(QStringLiteral("2015年2月29日")) << 2 << false;
    QTest::newRow("month 13") << withDate(QStringLiteral("2015年13月1日")) << 2 << false;
    QTest::newRow("two-digit year") << withDate(QStringLiteral("15年10月24日")) << 2 << false;
    QTest::newRow("full-width digits") << withDate(QStringLiteral("２０１５年１０月２４日")) << 2 << false;
    QTest::newRow("text after the date") << withDate(QStringLiteral("2015年10月24日起")) << 2 << false;

    // Local version 1 (set in the test): at most 1000 above it.
    QTest::newRow("version 1000 above the local one") << dated + "num=1001\r\n" << 2 << true;
    QTest::newRow("version 1001 above the local one") << dated + "num=1002\r\n" << 2 << false;
    QTest::newRow("version 2147483647") << dated + "num=2147483647\r\n" << 2 << false;
}

void RateTableUpdateTest::readsAsRateTable()
{
    QFETCH(QByteArray, content);
    QFETCH(int, publishedVersion);
    QFETCH(bool, isRateTable);
    QCOMPARE(ReadsAsRateTable(content, publishedVersion, 1), isRateTable);
}

void RateTableUpdateTest::versionJumpCountsFromTheLocalTable_data()
{
    QTest::addColumn<int>("localVersion");
    QTest::addColumn<int>("tableVersion");
    QTest::addColumn<bool>("isRateTable");

    QTest::newRow("local 5, table 1005") << 5 << 1005 << true;
    QTest::newRow("local 5, table 1006") << 5 << 1006 << false;
    QTest::newRow("local at the top of int, table as high") << 2147483647 << 2147483647 << true;
    QTest::newRow("local negative, table 2") << -5 << 2 << true;
}

// The sum of the local version and the jump is taken in 64 bits, so a local
// version near the top of int cannot wrap.
void RateTableUpdateTest::versionJumpCountsFromTheLocalTable()
{
    QFETCH(int, localVersion);
    QFETCH(int, tableVersion);
    QFETCH(bool, isRateTable);
    const QByteArray content = Gbk(QStringLiteral("[money]\na=4.35\nb=4.35\nc=4.75\nd=4.75\ne=4.9\n"
                                                  "bz=2015年10月24日\nnum=%1\n").arg(tableVersion));
    QCOMPARE(ReadsAsRateTable(content, 2, localVersion), isRateTable);
}

void RateTableUpdateTest::installRateTable_data()
{
    QTest::addColumn<QByteArray>("localTable");
    QTest::addColumn<QByteArray>("downloaded");
    QTest::addColumn<bool>("installs");

    const QByteArray local = Gbk(QStringLiteral("[money]\r\na=6.1\r\nbz=2011年7月7日\r\nnum=1\r\n; 本地注释\r\n"));
    const QByteArray published = PublishedRateTable();
    const QByteArray errorPage = "<html><body>Not Found</body></html>";

    QTest::newRow("published table over a local one") << local << published << true;
    QTest::newRow("published table where none was") << NoFile << published << true;
    QTest::newRow("error page over a local table") << local << errorPage << false;
    QTest::newRow("error page where none was") << NoFile << errorPage << false;
    QTest::newRow("truncated table over a local one") << local << published.left(published.size() / 2) << false;
    QTest::newRow("no downloaded file") << local << NoFile << false;
    QTest::newRow("table larger than 64 KiB") << local << published + QByteArray(MaxRateTableSize, ' ') << false;
    QTest::newRow("version more than 1000 above the local table")
        << local << QByteArray(published).replace("num=2", "num=1002") << false;
    QTest::newRow("version 1000 above the local table")
        << local << QByteArray(published).replace("num=2", "num=1001") << true;
}

// Whatever happens, set.rar ends up holding either exactly the downloaded
// bytes or exactly what it held before (or still nothing).
void RateTableUpdateTest::installRateTable()
{
    QFETCH(QByteArray, localTable);
    QFETCH(QByteArray, downloaded);
    QFETCH(bool, installs);

    const QString tablePath = write(QStringLiteral("set.rar"), localTable);
    const QString downloadedPath = write(QStringLiteral("set.rar.download"), downloaded);

    QCOMPARE(InstallRateTable(downloadedPath, tablePath, 2), installs);
    const QByteArray expected = installs ? downloaded : localTable;
    QCOMPARE(QFile::exists(tablePath), !expected.isNull());
    if (!expected.isNull())
        QCOMPARE(ContentOf(tablePath), expected);
    // No scratch file of the replacement is left behind.
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files | QDir::Hidden).size(),
             int(!expected.isNull()) + int(!downloaded.isNull()));
}

QTEST_GUILESS_MAIN(RateTableUpdateTest)
#include "tst_rate_table_update.moc"
