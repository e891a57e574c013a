// The online update (rate table, rate history, official calendar) on the
// real main window, with the real downloader talking to a small HTTP server
// on 127.0.0.1 that serves the project's update-server folder or scripted
// failures. The message boxes are recorded and answered without a person.

#include "app/update/network_downloader.h"
#include "dates/official_calendar_update.h"
#include "interest/rate_history.h"
#include "tests/gui_harness.h"
#include "tests/http_test_server.h"
#include "tests/test_files.h"
#include "tests/under_wine.h"

#include <QDateEdit>
#include <QDir>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QToolButton>
#include <csignal>
#ifndef Q_OS_WIN
#include <sys/resource.h>
#endif

using namespace pellumo;
using namespace pellumo::testing;
using namespace std::chrono_literals;

namespace {

const QString PublishedFolder = QStringLiteral(PELLUMO_SOURCE_DIR "/update-server");
const QByteArray VersionPath = "/vrk/tdqup.rar";
const QByteArray RatePath = "/vrk/rate.rar";
const QByteArray HistoryPath = "/vrk/history.tsv";
const QByteArray CalendarPath = "/vrk/calendar.tsv";
const QByteArray NoFile;  // the null byte array: no set.rar

// A local table of the given version whose every byte a failed update must keep.
QByteArray LocalTable(int version)
{
    return Gbk(QStringLiteral("[money]\r\na=6.1\r\nbz=2011年7月7日\r\nnum=%1\r\n; 本地\r\n").arg(version));
}

// A version file publishing the three versions.
QByteArray VersionFile(int table, int history, int calendar)
{
    return QStringLiteral("[money]\r\nnum=%1\r\nhistory=%2\r\ncalendar=%3\r\n").arg(table).arg(history).arg(calendar).toLatin1();
}

QByteArray Published(const QByteArray &path)
{
    return ReadBytes(PublishedFolder + QLatin1String(path));
}

// The published data file (version 1) as another version.
QByteArray DataFileOfVersion(const QByteArray &path, const QByteArray &version)
{
    QByteArray bytes = Published(path);
    bytes.replace("#version\t1\n", "#version\t" + version + "\n");
    return bytes;
}

// Windows has no per-process file-size limit: the tests of a full disk skip.
#ifdef Q_OS_WIN
constexpr bool CanFillDisk = false;
#else
constexpr bool CanFillDisk = true;
#endif
constexpr char NoFullDisk[] = "Windows has no per-process file-size limit to stand in for a full disk";

// Downloads through the real downloader. Once the file at fullAfterPath has
// arrived, the file-size limit drops to a few bytes, so that every later
// write fails the way a full disk makes it fail, for any user, root included.
#ifdef Q_OS_WIN
class DiskFullAfterDownload : public Downloader
{
public:
    explicit DiskFullAfterDownload(Downloader &real) : m_real(real) {}
    DownloadResult download(const QUrl &url, const QString &filePath) override { return m_real.download(url, filePath); }
    void restore() {}

    QByteArray fullAfterPath;  // never set: CanFillDisk is false

private:
    Downloader &m_real;
};
#else
class DiskFullAfterDownload : public Downloader
{
public:
    explicit DiskFullAfterDownload(Downloader &real) : m_real(real) { getrlimit(RLIMIT_FSIZE, &m_saved); }
    ~DiskFullAfterDownload() override { restore(); }
    DiskFullAfterDownload(const DiskFullAfterDownload &) = delete;
    DiskFullAfterDownload &operator=(const DiskFullAfterDownload &) = delete;

    DownloadResult download(const QUrl &url, const QString &filePath) override
    {
        const DownloadResult downloaded = m_real.download(url, filePath);
        if (!fullAfterPath.isEmpty() && url.path().toLatin1() == fullAfterPath) {
            rlimit tiny = m_saved;
            tiny.rlim_cur = 4;
            setrlimit(RLIMIT_FSIZE, &tiny);
        }
        return downloaded;
    }

    void restore() { setrlimit(RLIMIT_FSIZE, &m_saved); }

    QByteArray fullAfterPath;  // empty: the disk never fills

private:
    Downloader &m_real;
    rlimit m_saved{};
};
#endif

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
const QString VersionFileNotValid = Outcome(QStringLiteral("Orvane软件提示：下载的基准利率更新信息有误，未作任何更新。"));
const QString NothingNewer = Outcome(QStringLiteral("Orvane软件提示：当前使用标准与Kivrel的数据相同，无需更新。"));
const QString Installed = Outcome(QStringLiteral("Orvane软件提示：下载基准利率更新成功。"));
const QString NotInstalled =
    Outcome(QStringLiteral("Orvane软件提示：下载基准利率更新出错，原利率表未作改动。\n请检查是否正常联网。"));
const QString NotATable = Outcome(QStringLiteral("Orvane软件提示：下载的基准利率表数据有误，原利率表未作改动。"));
// A write failure names the file and why; %1 is the program folder.
const QString TableNotWritten = Outcome(QStringLiteral("无法保存利率表文件“%1/set.rar”：写入未能完成（磁盘已满或文件超出系统允许的大小）。原有文件未作改动。"));

QString RateLine(const QString &rate, const QString &adjustmentDate)
{
    return QStringLiteral(" 贷款基准年利率： %1% (基准利率调整日期：%2)").arg(rate, adjustmentDate);
}

// A window on a temporary program folder whose downloads go to `server`
// (or to another address) with a short time limit.
struct UpdateSetup {
    explicit UpdateSetup(const QByteArray &localTable, const QString &serverAddress = {},
                         HttpTestServer::Scheme scheme = HttpTestServer::Scheme::Http)
        : server(scheme)
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
    QByteArray installed(const QByteArray &serverPath) const
    {
        return ReadBytes(fixture.filePath(QString::fromLatin1(serverPath.mid(serverPath.lastIndexOf('/') + 1))));
    }

    HttpTestServer server;
    NetworkDownloader networkDownloader{1000ms};
    DiskFullAfterDownload downloader{networkDownloader};
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
    void unwritableTableKeepsTable();
    void versionFileInPrivateFolder();
    void installsNewerDataFiles_data();
    void installsNewerDataFiles();
    void refusedDataFileKeepsInstalled_data();
    void refusedDataFileKeepsInstalled();
    void httpsIsAvailable();
    void updatesOverHttps_data();
    void updatesOverHttps();

private:
    QTemporaryDir m_systemTemp;
};

void RateUpdateTest::initTestCase()
{
    QVERIFY(m_systemTemp.isValid());
    // The version file goes under the system's temporary folder; give the
    // run its own, to see that nothing stays behind there.
    qputenv("TMPDIR", QFile::encodeName(m_systemTemp.path()));
    qputenv("TMP", QFile::encodeName(QDir::toNativeSeparators(m_systemTemp.path())));  // Windows
    QCOMPARE(QDir::tempPath(), m_systemTemp.path());
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
#ifndef Q_OS_WIN
    std::signal(SIGXFSZ, SIG_IGN);  // a write over the file-size limit fails instead
#endif
}

void RateUpdateTest::cleanup()
{
    QDir temp(m_systemTemp.path());
    const QStringList leftBehind = temp.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString &name : leftBehind)  // so that one fault fails one test only
        QDir(temp.filePath(name)).removeRecursively() || QFile::remove(temp.filePath(name));
    QVERIFY2(leftBehind.isEmpty(), qPrintable(leftBehind.join(QLatin1Char(' '))));
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
    QTest::addColumn<QString>("outcome");

    QTest::newRow("connection refused") << HttpTestServer::refusingAddress() << HttpResponse::ok({})
                                        << VersionFetchFailed;
    QTest::newRow("version file not found") << QString() << HttpResponse::withStatus(404, "<html>Not Found</html>")
                                            << VersionFetchFailed;
    QTest::newRow("server never answers") << QString() << HttpResponse::silent() << VersionFetchFailed;
    // The connection worked; what came is no version file of ours.
    QTest::newRow("version file over 64 KiB")
        << QString() << HttpResponse::unannounced(VersionFile(9, 9, 9) + QByteArray(70 * 1024, ';'))
        << VersionFileNotValid;
}

void RateUpdateTest::versionFetchFailureKeepsTable()
{
    QFETCH(QString, serverAddress);
    QFETCH(HttpResponse, versionResponse);
    QFETCH(QString, outcome);

    UpdateSetup setup(LocalTable(1), serverAddress);
    setup.server.responses.insert(VersionPath, versionResponse);
    setup.clickUpdate();

    QCOMPARE(Described(setup.fixture.boxes.boxes), (QStringList{Question, outcome}));
    QVERIFY(!setup.server.requestedPaths.contains(RatePath));
    QCOMPARE(setup.localTable(), LocalTable(1));
}

// The published table (version 2) with one line changed.
QByteArray PublishedTableWith(const QByteArray &line, const QByteArray &replacement)
{
    QByteArray table = Published(RatePath);
    if (!table.contains(line))
        qFatal("the published table has no line %s", line.constData());
    return table.replace(line, replacement);
}

void RateUpdateTest::rateFetchFailureKeepsTable_data()
{
    QTest::addColumn<QByteArray>("versionFile");
    QTest::addColumn<HttpResponse>("rateResponse");
    QTest::addColumn<QString>("outcome");

    const QByteArray published = Published(RatePath);
    const QByteArray version2 = Published(VersionPath);
    // A body over 64 KiB: the table followed by a long comment.
    const QByteArray oversized = published + "; " + QByteArray(70 * 1024, 'x') + "\r\n";

    QTest::newRow("rate file cut off mid-way") << version2 << HttpResponse::cutOff(published) << NotInstalled;
    QTest::newRow("rate file not found")
        << version2 << HttpResponse::withStatus(404, "<html>Not Found</html>") << NotInstalled;
    QTest::newRow("server never answers") << version2 << HttpResponse::silent() << NotInstalled;
    // The connection worked: the server sent something that is no table.
    QTest::newRow("body over 64 KiB") << version2 << HttpResponse::ok(oversized) << NotATable;
    QTest::newRow("body over 64 KiB, length unannounced")
        << version2 << HttpResponse::unannounced(oversized) << NotATable;
    QTest::newRow("error page with status 200")
        << version2 << HttpResponse::ok("<html><body>Service temporarily unavailable</body></html>") << NotATable;
    QTest::newRow("rate file older than the published version")
        << version2 << HttpResponse::ok(LocalTable(1)) << NotATable;
    QTest::newRow("rate of 0") << version2 << HttpResponse::ok(PublishedTableWith("a=4.35", "a=0")) << NotATable;
    QTest::newRow("negative rate") << version2 << HttpResponse::ok(PublishedTableWith("c=4.75", "c=-4.75"))
                                   << NotATable;
    QTest::newRow("rate of 1e300") << version2 << HttpResponse::ok(PublishedTableWith("e=4.9", "e=1e300"))
                                   << NotATable;
    QTest::newRow("rate above 100 percent")
        << version2 << HttpResponse::ok(PublishedTableWith("d=4.75", "d=100.01")) << NotATable;
    QTest::newRow("adjustment date no date")
        << version2 << HttpResponse::ok(PublishedTableWith("bz=", "bz=<script>alert(1)</script>; old=")) << NotATable;
    QTest::newRow("huge version in the rate file")
        << version2 << HttpResponse::ok(PublishedTableWith("num=2", "num=2147483647")) << NotATable;
    QTest::newRow("huge version published and in the rate file")
        << QByteArray("[money]\r\nnum=2147483647\r\n") << HttpResponse::ok(PublishedTableWith("num=2", "num=2147483647"))
        << NotATable;
    QTest::newRow("version 1001 above the local one")
        << version2 << HttpResponse::ok(PublishedTableWith("num=2", "num=1002")) << NotATable;
}

// A newer version is published but its rate file does not arrive as a
// plausible rate table of at least that version: set.rar keeps every byte,
// and the user hears whether the download failed or brought no valid table.
void RateUpdateTest::rateFetchFailureKeepsTable()
{
    QFETCH(QByteArray, versionFile);
    QFETCH(HttpResponse, rateResponse);
    QFETCH(QString, outcome);

    UpdateSetup setup(LocalTable(1));
    setup.server.responses.insert(VersionPath, HttpResponse::ok(versionFile));
    setup.server.responses.insert(RatePath, rateResponse);
    setup.clickUpdate();

    QCOMPARE(Described(setup.fixture.boxes.boxes), (QStringList{Question, outcome}));
    QCOMPARE(setup.server.requestedPaths, (QList<QByteArray>{VersionPath, RatePath}));
    QCOMPARE(setup.localTable(), LocalTable(1));
    QCOMPARE(QDir(setup.fixture.folder.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("set.rar")});
}

// The published table arrives whole and valid, but set.rar cannot be
// written (the disk fills after the download): the message says so, not
// that the network failed, and set.rar keeps every byte.
void RateUpdateTest::unwritableTableKeepsTable()
{
    if (!CanFillDisk)
        QSKIP(NoFullDisk);
    UpdateSetup setup(LocalTable(1));
    setup.server.serveFolder(PublishedFolder, {VersionPath, RatePath});
    setup.downloader.fullAfterPath = RatePath;
    setup.clickUpdate();
    setup.downloader.restore();

    QCOMPARE(Described(setup.fixture.boxes.boxes),
             (QStringList{Question, TableNotWritten.arg(setup.fixture.folder.path())}));
    QCOMPARE(setup.localTable(), LocalTable(1));
    QCOMPARE(QDir(setup.fixture.folder.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("set.rar")});
}

// While the rate file is being fetched, the version file lies in a folder of
// its own under the system's temporary folder that only this user may enter;
// afterwards nothing is left there (cleanup checks that after every test).
void RateUpdateTest::versionFileInPrivateFolder()
{
    UpdateSetup setup(LocalTable(1));
    setup.server.serveFolder(PublishedFolder, {VersionPath, RatePath});
    QStringList foldersSeen;
    QFile::Permissions permissions;
    QByteArray versionFileSeen;
    setup.server.onRequest = [&](const QByteArray &path) {
        if (path != RatePath)
            return;
        const QDir temp(m_systemTemp.path());
        foldersSeen = temp.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        foldersSeen.removeAll(QFileInfo(setup.fixture.folder.path()).fileName());  // the program folder
        if (foldersSeen.size() == 1) {
            permissions = QFile::permissions(temp.filePath(foldersSeen.first()));
            versionFileSeen = ReadBytes(temp.filePath(foldersSeen.first() + QStringLiteral("/tdqup.ini")));
        }
    };
    setup.clickUpdate();

    QCOMPARE(foldersSeen.size(), 1);
    QVERIFY2(foldersSeen.first().startsWith(QStringLiteral("pellumo-update-")), qPrintable(foldersSeen.first()));
#ifndef Q_OS_WIN
    // On Windows the user's own temporary folder keeps it private through
    // its access list, which permission bits do not show.
    QCOMPARE(permissions & ~(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser
                             | QFile::WriteUser | QFile::ExeUser),
             QFile::Permissions());
#endif
    QCOMPARE(versionFileSeen, Published(VersionPath));
    QCOMPARE(Described(setup.fixture.boxes.boxes), (QStringList{Question, Installed}));
}

void RateUpdateTest::installsNewerDataFiles_data()
{
    QTest::addColumn<int>("localTable");
    QTest::addColumn<QByteArray>("versionFile");
    QTest::addColumn<QList<QByteArray>>("fetched");
    QTest::addColumn<QString>("outcome");

    QTest::newRow("all three newer")
        << 1 << VersionFile(2, 2, 2) << QList<QByteArray>{VersionPath, RatePath, HistoryPath, CalendarPath}
        << Outcome(QStringLiteral("Orvane软件提示：下载基准利率更新成功。\n下载历史利率更新成功。\n下载节假日日历更新成功。"));
    QTest::newRow("history and calendar newer, table current")
        << 2 << VersionFile(2, 2, 2) << QList<QByteArray>{VersionPath, HistoryPath, CalendarPath}
        << Outcome(QStringLiteral("Orvane软件提示：下载历史利率更新成功。\n下载节假日日历更新成功。"));
    QTest::newRow("only the calendar newer")
        << 2 << VersionFile(2, 1, 2) << QList<QByteArray>{VersionPath, CalendarPath}
        << Outcome(QStringLiteral("Orvane软件提示：下载节假日日历更新成功。"));
    QTest::newRow("only the history newer")
        << 2 << VersionFile(2, 2, 1) << QList<QByteArray>{VersionPath, HistoryPath}
        << Outcome(QStringLiteral("Orvane软件提示：下载历史利率更新成功。"));
}

// Version 2 of the history and the calendar is published: what is newer
// than the version in use (the built-in 1) is fetched, installed beside
// set.rar and from then on used.
void RateUpdateTest::installsNewerDataFiles()
{
    QFETCH(int, localTable);
    QFETCH(QByteArray, versionFile);
    QFETCH(QList<QByteArray>, fetched);
    QFETCH(QString, outcome);

    UpdateSetup setup(localTable == 1 ? NoFile : Published(RatePath));
    setup.server.responses.insert(VersionPath, HttpResponse::ok(versionFile));
    setup.server.serveFolder(PublishedFolder, {RatePath});
    setup.server.responses.insert(HistoryPath, HttpResponse::ok(DataFileOfVersion(HistoryPath, "2")));
    setup.server.responses.insert(CalendarPath, HttpResponse::ok(DataFileOfVersion(CalendarPath, "2")));
    setup.clickUpdate();

    QCOMPARE(Described(setup.fixture.boxes.boxes), (QStringList{Question, outcome}));
    QCOMPARE(setup.server.requestedPaths, fetched);
    QCOMPARE(setup.localTable(), Published(RatePath));
    const QString folder = setup.fixture.folder.path();
    const int historyInUse = fetched.contains(HistoryPath) ? 2 : 1;
    const int calendarInUse = fetched.contains(CalendarPath) ? 2 : 1;
    QCOMPARE(RateHistoryInFolder(folder).version, historyInUse);
    QCOMPARE(OfficialCalendarInUse(folder).version(), calendarInUse);
    QCOMPARE(setup.installed(HistoryPath),
             historyInUse == 2 ? DataFileOfVersion(HistoryPath, "2") : QByteArray());
    QCOMPARE(setup.installed(CalendarPath),
             calendarInUse == 2 ? DataFileOfVersion(CalendarPath, "2") : QByteArray());

    // A second run finds everything current.
    setup.fixture.boxes.boxes.clear();
    setup.clickUpdate();
    QCOMPARE(Described(setup.fixture.boxes.boxes), (QStringList{Question, NothingNewer}));
}

void RateUpdateTest::refusedDataFileKeepsInstalled_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<HttpResponse>("response");
    QTest::addColumn<bool>("diskFull");
    QTest::addColumn<QString>("outcome");

    const QByteArray history3 = DataFileOfVersion(HistoryPath, "3");
    const QByteArray calendar3 = DataFileOfVersion(CalendarPath, "3");
    const auto withRowReplaced = [](QByteArray bytes, const QByteArray &row, const QByteArray &replacement) {
        if (!bytes.contains(row))
            qFatal("no row %s", row.constData());
        return bytes.replace(row, replacement);
    };

    QTest::newRow("history cut off mid-way") << HistoryPath << HttpResponse::cutOff(history3) << false
        << Outcome(QStringLiteral("Orvane软件提示：下载历史利率更新出错，原历史利率表未作改动。\n请检查是否正常联网。"));
    QTest::newRow("history with a rate of 300 percent")
        << HistoryPath << HttpResponse::ok(withRowReplaced(history3, "\t6.15\t", "\t300\t")) << false
        << Outcome(QStringLiteral("Orvane软件提示：下载的历史利率数据有误，原历史利率表未作改动。"));
    QTest::newRow("history older than published")
        << HistoryPath << HttpResponse::ok(DataFileOfVersion(HistoryPath, "2")) << false
        << Outcome(QStringLiteral("Orvane软件提示：下载的历史利率数据有误，原历史利率表未作改动。"));
    QTest::newRow("history with a huge version")
        << HistoryPath << HttpResponse::ok(DataFileOfVersion(HistoryPath, "2147483647")) << false
        << Outcome(QStringLiteral("Orvane软件提示：下载的历史利率数据有误，原历史利率表未作改动。"));
    QTest::newRow("history not writable") << HistoryPath << HttpResponse::ok(history3) << true
        << Outcome(QStringLiteral("无法保存历史利率文件“%1/history.tsv”：写入未能完成（磁盘已满或文件超出系统允许的大小）。原有文件未作改动。"));
    QTest::newRow("calendar not found")
        << CalendarPath << HttpResponse::withStatus(404, "<html>Not Found</html>") << false
        << Outcome(QStringLiteral("Orvane软件提示：下载节假日日历更新出错，原节假日日历未作改动。\n请检查是否正常联网。"));
    QTest::newRow("calendar with a day that does not exist")
        << CalendarPath << HttpResponse::ok(calendar3 + "2026-02-30\t春节\toff\n") << false
        << Outcome(QStringLiteral("Orvane软件提示：下载的节假日日历数据有误，原节假日日历未作改动。"));
    QTest::newRow("calendar over 64 KiB")
        << CalendarPath << HttpResponse::ok(calendar3 + QByteArray(70 * 1024, '#')) << false
        << Outcome(QStringLiteral("Orvane软件提示：下载的节假日日历数据有误，原节假日日历未作改动。"));
    QTest::newRow("calendar error page with status 200")
        << CalendarPath << HttpResponse::ok("<html><body>Service temporarily unavailable</body></html>") << false
        << Outcome(QStringLiteral("Orvane软件提示：下载的节假日日历数据有误，原节假日日历未作改动。"));
    QTest::newRow("calendar not writable") << CalendarPath << HttpResponse::ok(calendar3) << true
        << Outcome(QStringLiteral("无法保存节假日日历文件“%1/calendar.tsv”：写入未能完成（磁盘已满或文件超出系统允许的大小）。原有文件未作改动。"));
}

// Version 2 of the history and the calendar is installed and version 3
// published, but one of them does not arrive as a valid file of at least
// that version, or cannot be written: the installed one keeps every byte
// and stays in use, and the message says which and why.
void RateUpdateTest::refusedDataFileKeepsInstalled()
{
    QFETCH(QByteArray, path);
    QFETCH(HttpResponse, response);
    QFETCH(bool, diskFull);
    QFETCH(QString, outcome);
    if (diskFull && !CanFillDisk)
        QSKIP(NoFullDisk);

    const QByteArray otherPath = path == HistoryPath ? CalendarPath : HistoryPath;
    UpdateSetup setup(Published(RatePath));
    const QByteArray installedHistory = DataFileOfVersion(HistoryPath, "2");
    const QByteArray installedCalendar = DataFileOfVersion(CalendarPath, "2");
    setup.fixture.writeFile(QString::fromLatin1(RateHistoryFileName), installedHistory);
    setup.fixture.writeFile(QString::fromLatin1(InstalledOfficialCalendarName), installedCalendar);
    setup.server.responses.insert(VersionPath,
                                  HttpResponse::ok(VersionFile(2, path == HistoryPath ? 3 : 2, path == CalendarPath ? 3 : 2)));
    setup.server.responses.insert(path, response);
    setup.server.responses.insert(otherPath, HttpResponse::ok(DataFileOfVersion(otherPath, "3")));
    if (diskFull) {
        setup.downloader.fullAfterPath = path;
        outcome = outcome.arg(setup.fixture.folder.path());
    }
    setup.clickUpdate();
    setup.downloader.restore();

    QCOMPARE(Described(setup.fixture.boxes.boxes), (QStringList{Question, outcome}));
    QCOMPARE(setup.server.requestedPaths, (QList<QByteArray>{VersionPath, path}));
    QCOMPARE(setup.installed(HistoryPath), installedHistory);
    QCOMPARE(setup.installed(CalendarPath), installedCalendar);
    const QString folder = setup.fixture.folder.path();
    QCOMPARE(RateHistoryInFolder(folder).version, 2);
    QCOMPARE(OfficialCalendarInUse(folder).version(), 2);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 3);
}

// A published update server should be reached over https: the TLS backend
// that makes Qt Network speak it must be present when the program runs.
void RateUpdateTest::httpsIsAvailable()
{
    QVERIFY2(QSslSocket::supportsSsl(), qPrintable(QSslSocket::availableBackends().join(QLatin1Char(' '))));
    QVERIFY(QNetworkAccessManager().supportedSchemes().contains(QStringLiteral("https")));
}
void RateUpdateTest::updatesOverHttps_data()
{
    QTest::addColumn<bool>("trusted");
    QTest::addColumn<QByteArray>("tableAfter");
    QTest::addColumn<QString>("outcome");

    QTest::newRow("certificate trusted") << true << Published(RatePath) << Installed;
    QTest::newRow("certificate not trusted") << false << LocalTable(1) << VersionFetchFailed;
}

// The update server at an https address: with a certificate the system
// trusts the update goes through; with any other it stops before a byte is
// taken from the server.
void RateUpdateTest::updatesOverHttps()
{
    QFETCH(bool, trusted);
    QFETCH(QByteArray, tableAfter);
    QFETCH(QString, outcome);
    if (trusted && testing::UnderWine())
        QSKIP("Wine's TLS (schannel over GnuTLS) cannot finish this handshake: CertFindChainInStore is a stub");

    const QSslConfiguration systemDefault = QSslConfiguration::defaultConfiguration();
    if (trusted) {
        QSslConfiguration trusting = systemDefault;
        trusting.addCaCertificate(TestCertificate());
        QSslConfiguration::setDefaultConfiguration(trusting);
    }
    UpdateSetup setup(LocalTable(1), {}, HttpTestServer::Scheme::Https);
    QVERIFY(setup.server.address().startsWith(QStringLiteral("https://127.0.0.1:")));
    setup.server.serveFolder(PublishedFolder, {VersionPath, RatePath});
    setup.clickUpdate();
    QSslConfiguration::setDefaultConfiguration(systemDefault);

    QCOMPARE(Described(setup.fixture.boxes.boxes), (QStringList{Question, outcome}));
    QCOMPARE(setup.localTable(), tableAfter);
    QCOMPARE(setup.server.requestedPaths.isEmpty(), !trusted);
}

QTEST_MAIN(RateUpdateTest)
#include "tst_rate_update.moc"
