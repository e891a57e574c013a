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

    QTest::newRow("the published table at its own version") << published << 2 << true;
    QTest::newRow("a table newer than the published version") << rates + "num=5\r\n" << 2 << true;
    QTest::newRow("a table older than the published version") << published << 3 << false;
    QTest::newRow("an error page served with status 200")
        << QByteArray("<html><body><h1>502 Bad Gateway</h1></body></html>") << 2 << false;
    QTest::newRow("cut off before the version line") << published.left(published.indexOf("num=")) << 2
                                                     << false;
    QTest::newRow("a band rate missing") << QByteArray(rates).replace("d=4.75\r\n", "") + "num=2\r\n" << 2
                                         << false;
    QTest::newRow("a band rate not a number") << QByteArray(rates).replace("e=4.9", "e=4,9") + "num=2\r\n"
                                              << 2 << false;
    QTest::newRow("version not a number") << rates + "num=two\r\n" << 1 << false;
    QTest::newRow("keys outside section money")
        << QByteArray(rates).replace("[money]", "[vrk]") + "num=2\r\n" << 2 << false;
    QTest::newRow("an empty file") << QByteArray("") << 1 << false;
    QTest::newRow("no file") << NoFile << 1 << false;
}

void RateTableUpdateTest::readsAsRateTable()
{
    QFETCH(QByteArray, content);
    QFETCH(int, publishedVersion);
    QFETCH(bool, isRateTable);
    QCOMPARE(ReadsAsRateTable(write(QStringLiteral("rate.download"), content), publishedVersion), isRateTable);
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
