// The online update of the rate table on the real main window, with the real
// downloader talking to a small HTTP server on 127.0.0.1 that serves the
// project's update-server folder or scripted failures. The message boxes are
// recorded and answered without a person.

#include "app/update/network_downloader.h"
#include "tests/gui_harness.h"
#include "tests/http_test_server.h"
#include "tests/test_files.h"

#include <QDateEdit>
#include <QDir>
#include <QLineEdit>
#include <QNetworkProxy>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QToolButton>

using namespace pellumo;
using namespace pellumo::testing;
using namespace std::chrono_literals;

namespace {

const QString PublishedFolder = QStringLiteral(PELLUMO_SOURCE_DIR "/update-server");
const QByteArray VersionPath = "/vrk/tdqup.rar";
const QByteArray RatePath = "/vrk/rate.rar";
const QByteArray NoFile;  // the null byte array: no set.rar

// A local table of the given version whose every byte a failed update must keep.
QByteArray LocalTable(int version)
{
    return Gbk(QStringLiteral("[money]\r\na=6.1\r\nbz=2011年7月7日\r\nnum=%1\r\n; 本地\r\n").arg(version));
}

QString Describe(const RecordedBox &box)
{
    const QString icon = box.icon == MessageBoxes::Icon::Information ? QStringLiteral("information")
                         : box.icon == MessageBoxes::Icon::Exclamation ? QStringLiteral("exclamation")
                                                                       : QStringLiteral("other icon");
    const QString buttons = box.buttons == MessageBoxes::Buttons::YesNo ? QStringLiteral("Yes/No")
                                                                         : QStringLiteral("OK");
    return QStringLiteral("[%1, %2, %3] %4").arg(box.caption, icon, buttons, box.text);
}

QStringList Described(const QList<RecordedBox> &boxes)
{
    QStringList described;
    for (const RecordedBox &box : boxes)
        described.append(Describe(box));
    return described;
}

const QString Question = Describe({QStringLiteral("此功能需上互联网才可使用。确定已联网？"), QStringLiteral("确认"),
                                   MessageBoxes::Icon::Information, MessageBoxes::Buttons::YesNo});

QString Outcome(const QString &text)
{
    return Describe({text, QStringLiteral("基准利率更新"), MessageBoxes::Icon::Exclamation, MessageBoxes::Buttons::Ok});
}

const QString VersionFetchFailed =
    Outcome(QStringLiteral("Orvane软件提示：下载基准利率更新信息出错。\n请检查是否正常联网。"));
const QString NothingNewer = Outcome(QStringLiteral("Orvane软件提示：当前使用标准与Kivrel的数据相同，无需更新。"));
const QString Installed = Outcome(QStringLiteral("Orvane软件提示：下载基准利率更新成功。"));
const QString NotInstalled =
    Outcome(QStringLiteral("Orvane软件提示：下载基准利率更新出错，原利率表未作改动。\n请检查是否正常联网。"));

QString RateLine(const QString &rate, const QString &adjustmentDate)
{
    return QStringLiteral(" 贷款基准年利率： %1% (基准利率调整日期：%2)").arg(rate, adjustmentDate);
}

// A window on a temporary program folder whose downloads go to `server`
// (or to another address) with a short time limit.
struct UpdateSetup {
    explicit UpdateSetup(const QByteArray &localTable, const QString &serverAddress = {})
    {
        fixture.services.updateServerAddress = serverAddress.isEmpty() ? server.address() : serverAddress;
        if (!localTable.isNull())
            fixture.writeFile(QStringLiteral("set.rar"), localTable);
        fixture.open();
        fixture.control<QTabWidget>(QStringLiteral("PageControl1"))
            ->setCurrentWidget(fixture.control<QWidget>(QStringLiteral("TabSheet4")));
    }

    void clickUpdate()
    {
        QTest::mouseClick(fixture.control<QToolButton>(QStringLiteral("SpeedButton9")), Qt::LeftButton);
    }

    QByteArray localTable() const { return ReadBytes(fixture.filePath(QStringLiteral("set.rar"))); }

    HttpTestServer server;
    NetworkDownloader downloader{1000ms};
    WindowFixture fixture{false, &downloader};
};

} // namespace

class RateUpdateTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void answeringNoFetchesNothing();
    void nothingNewer_data();
    void nothingNewer();
    void installsPublishedTable_data();
    void installsPublishedTable();
    void versionFetchFailureKeepsTable_data();
    void versionFetchFailureKeepsTable();
    void rateFetchFailureKeepsTable_data();
    void rateFetchFailureKeepsTable();

private:
    QTemporaryDir m_systemTemp;
};

void RateUpdateTest::initTestCase()
{
    QVERIFY(m_systemTemp.isValid());
    // The version file goes under the system's temporary folder; give the
    // run its own, to see that nothing stays behind there.
    qputenv("TMPDIR", QFile::encodeName(m_systemTemp.path()));
    QCOMPARE(QDir::tempPath(), m_systemTemp.path());
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
}

void RateUpdateTest::cleanup()
{
    const QString scratch = m_systemTemp.filePath(QStringLiteral("pellumo-update"));
    const bool leftBehind = QFileInfo::exists(scratch);
    QDir(scratch).removeRecursively();  // so that one fault fails one test only
    QVERIFY2(!leftBehind, "the scratch folder of the version file stayed behind");
}

void RateUpdateTest::answeringNoFetchesNothing()
{
    UpdateSetup setup(LocalTable(1));
    setup.fixture.boxes.answers = {MessageBoxes::Answer::No};
    setup.clickUpdate();

    QCOMPARE(Described(setup.fixture.boxes.boxes), QStringList{Question});
    QCOMPARE(setup.server.connectionCount, 0);
    QCOMPARE(setup.localTable(), LocalTable(1));
}

void RateUpdateTest::nothingNewer_data()
{
    QTest::addColumn<QByteArray>("localTable");
    QTest::addColumn<QByteArray>("versionFile");

    QTest::newRow("published 3 against local 3") << LocalTable(3) << QByteArray("[money]\r\nnum=3\r\n");
    QTest::newRow("published 2 against local 3") << LocalTable(3) << QByteArray("[money]\r\nnum=2\r\n");
    QTest::newRow("version file without a number against no local table")
        << NoFile << QByteArray("<html>maintenance</html>");
}

// The published version is not newer: no rate file is asked for and set.rar
// stays as it was (or absent).
void RateUpdateTest::nothingNewer()
{
    QFETCH(QByteArray, localTable);
    QFETCH(QByteArray, versionFile);

    UpdateSetup setup(localTable);
    setup.server.responses.insert(VersionPath, HttpResponse::ok(versionFile));
    setup.server.responses.insert(RatePath, HttpResponse::ok(LocalTable(9)));
    setup.clickUpdate();

    QCOMPARE(Described(setup.fixture.boxes.boxes), (QStringList{Question, NothingNewer}));
    QCOMPARE(setup.server.requestedPaths, QList<QByteArray>{VersionPath});
    QCOMPARE(setup.localTable(), localTable);
}

void RateUpdateTest::installsPublishedTable_data()
{
    QTest::addColumn<QDate>("end");
    QTest::addColumn<QString>("rateBefore");
    QTest::addColumn<QString>("rateAfter");

    // All from 1 January 2015.
    QTest::newRow("two months, band 1") << QDate(2015, 3, 1) << QStringLiteral("4.86") << QStringLiteral("4.35");
    QTest::newRow("two years, band 3") << QDate(2017, 1, 1) << QStringLiteral("5.4") << QStringLiteral("4.75");
    QTest::newRow("six years, band 5") << QDate(2021, 1, 1) << QStringLiteral("5.94") << QStringLiteral("4.9");
}

// No set.rar (version 1) and the project's published files (version 2): the
// published table becomes set.rar. The result on screen stays until the next
// change of an input, which then uses the new rate and adjustment date.
void RateUpdateTest::installsPublishedTable()
{
    QFETCH(QDate, end);
    QFETCH(QString, rateBefore);
    QFETCH(QString, rateAfter);

    UpdateSetup setup(NoFile);
    setup.server.serveFolder(PublishedFolder, {VersionPath, RatePath});
    WindowFixture &fixture = setup.fixture;
    fixture.control<QDateEdit>(QStringLiteral("DateTimePickerstart"))->setDate(QDate(2015, 1, 1));
    fixture.control<QDateEdit>(QStringLiteral("DateTimePickerend"))->setDate(end);
    auto *amount = fixture.control<QLineEdit>(QStringLiteral("Editmoney"));
    auto *memo = fixture.control<QPlainTextEdit>(QStringLiteral("Memo3"));
    QTest::keyClicks(amount, QStringLiteral("1000"));
    const QString resultBefore = memo->toPlainText();
    QVERIFY2(resultBefore.contains(RateLine(rateBefore, QStringLiteral("2008年12月23日"))), qPrintable(resultBefore));

    setup.clickUpdate();

    QCOMPARE(Described(fixture.boxes.boxes), (QStringList{Question, Installed}));
    QCOMPARE(setup.server.requestedPaths, (QList<QByteArray>{VersionPath, RatePath}));
    QCOMPARE(setup.localTable(), ReadBytes(PublishedFolder + QLatin1String(RatePath)));
    QVERIFY(!QFile::exists(fixture.filePath(QStringLiteral("set.rar.download"))));
    QCOMPARE(memo->toPlainText(), resultBefore);

    QTest::keyClicks(amount, QStringLiteral("0"));
    QVERIFY2(memo->toPlainText().contains(RateLine(rateAfter, QStringLiteral("2015年10月24日"))),
             qPrintable(memo->toPlainText()));
}

void RateUpdateTest::versionFetchFailureKeepsTable_data()
{
    QTest::addColumn<QString>("serverAddress");  // empty: the test server
    QTest::addColumn<HttpResponse>("versionResponse");

    QTest::newRow("connection refused") << HttpTestServer::refusingAddress() << HttpResponse::ok({});
    QTest::newRow("version file not found") << QString() << HttpResponse::withStatus(404, "<html>Not Found</html>");
    QTest::newRow("server never answers") << QString() << HttpResponse::silent();
}

void RateUpdateTest::versionFetchFailureKeepsTable()
{
    QFETCH(QString, serverAddress);
    QFETCH(HttpResponse, versionResponse);

    UpdateSetup setup(LocalTable(1), serverAddress);
    setup.server.responses.insert(VersionPath, versionResponse);
    setup.clickUpdate();

    QCOMPARE(Described(setup.fixture.boxes.boxes), (QStringList{Question, VersionFetchFailed}));
    QVERIFY(!setup.server.requestedPaths.contains(RatePath));
    QCOMPARE(setup.localTable(), LocalTable(1));
}

void RateUpdateTest::rateFetchFailureKeepsTable_data()
{
    QTest::addColumn<HttpResponse>("rateResponse");

    QFile publishedFile(PublishedFolder + QLatin1String(RatePath));
    QVERIFY(publishedFile.open(QIODevice::ReadOnly));
    const QByteArray published = publishedFile.readAll();

    QTest::newRow("rate file cut off mid-way") << HttpResponse::cutOff(published);
    QTest::newRow("rate file not found") << HttpResponse::withStatus(404, "<html>Not Found</html>");
    QTest::newRow("error page with status 200")
        << HttpResponse::ok("<html><body>Service temporarily unavailable</body></html>");
    QTest::newRow("rate file older than the published version") << HttpResponse::ok(LocalTable(1));
    QTest::newRow("server never answers") << HttpResponse::silent();
}

// Version 2 is published but its rate file does not arrive as a rate table
// of at least that version: set.rar keeps every byte and the user hears so.
void RateUpdateTest::rateFetchFailureKeepsTable()
{
    QFETCH(HttpResponse, rateResponse);

    UpdateSetup setup(LocalTable(1));
    setup.server.serveFolder(PublishedFolder, {VersionPath});
    setup.server.responses.insert(RatePath, rateResponse);
    setup.clickUpdate();

    QCOMPARE(Described(setup.fixture.boxes.boxes), (QStringList{Question, NotInstalled}));
    QCOMPARE(setup.server.requestedPaths, (QList<QByteArray>{VersionPath, RatePath}));
    QCOMPARE(setup.localTable(), LocalTable(1));
    QCOMPARE(QDir(setup.fixture.folder.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("set.rar")});
}

QTEST_MAIN(RateUpdateTest)
#include "tst_rate_update.moc"
