// The banner strip against a real HTTP server on 127.0.0.1: a page that
// loads stays in front without scroll bars, a failed navigation (refused
// connection, an error status, a failure after the page was shown) brings
// the static picture for the rest of the run. A host that does not resolve
// brings the picture without loading the browser at all; the links of the
// page leave the program only as web addresses; the window can go while the
// page is still loading.

#include "gui_harness.h"
#include "http_test_server.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QPointer>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <memory>
#include <optional>

#include "app/services/system_shell_launcher.h"

using namespace pellumo;
using namespace pellumo::testing;

namespace {

constexpr int LoadTimeout = 20000;

HttpResponse Page(const QByteArray &body, int status = 200,
                  const QByteArray &contentType = "text/html; charset=utf-8")
{
    return {HttpResponse::Delivery::Complete, status, body, {{"Content-Type", contentType}}};
}

// An address on which nothing listens.
QString RefusedAddress()
{
    return HttpTestServer::refusingAddress() + QStringLiteral("/gg.asp");
}

// A banner larger than the 467 x 73 strip in both directions.
QByteArray LargeBanner(const QByteArray &extra = {})
{
    return "<html><head><title>banner</title></head>"
           "<body style='margin:0;background:#123'>"
           "<div style='width:1400px;height:600px;color:white'>OrvaneKivrel</div>" +
           extra + "</body></html>";
}

QVariant RunJavaScript(QWebEngineView *view, const QString &script)
{
    // Shared, so that an answer after the timeout has somewhere to go.
    auto answer = std::make_shared<std::optional<QVariant>>();
    view->page()->runJavaScript(script, [answer](const QVariant &value) { *answer = value; });
    if (!QTest::qWaitFor([&] { return answer->has_value(); }, LoadTimeout))
        qWarning("script did not answer: %s", qPrintable(script));
    return answer->value_or(QVariant());
}

// The browser module as the build made it.
QString BuiltModuleFile()
{
    const QFileInfo built(QStringLiteral(PELLUMO_BANNER_MODULE));
    return built.path() + QStringLiteral("/lib") + built.fileName() + QStringLiteral(".so");
}

// Whether a shared library of that path is mapped into this process.
bool IsLoaded(const QString &libraryPath)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        qFatal("cannot read /proc/self/maps");
    return maps.readAll().contains(QFileInfo(libraryPath).canonicalFilePath().toLocal8Bit());
}

// Stands in for the desktop's URL opener: records each address that
// QDesktopServices::openUrl is asked to open, and opens nothing.
class OpenedAddresses : public QObject
{
    Q_OBJECT
public:
    explicit OpenedAddresses(const QStringList &schemes) : m_schemes(schemes)
    {
        for (const QString &scheme : m_schemes)
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~OpenedAddresses() override
    {
        for (const QString &scheme : m_schemes)
            QDesktopServices::unsetUrlHandler(scheme);
    }
    QList<QUrl> addresses;

public Q_SLOTS:
    void open(const QUrl &address) { addresses.append(address); }

private:
    QStringList m_schemes;
};

}  // namespace

class BannerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void unresolvableHostLeavesTheBrowserModuleUnloaded();
    void browserIsCreatedOnlyAfterTheFirstPaint();
    void loadedPageStaysInFrontWithoutScrollBars();
    void documentWithoutBodyIsLeftAsLoaded();
    void failedNavigationShowsThePicture_data();
    void failedNavigationShowsThePicture();
    void errorAfterShownPageStillShowsThePicture_data();
    void errorAfterShownPageStillShowsThePicture();
    void laterSuccessDoesNotBringTheBrowserBack();
    void pictureClickOpensTheSiteAfterFailure();
    void missingBrowserModuleShowsThePicture();
    void followedLinkOpensInTheDefaultBrowser_data();
    void followedLinkOpensInTheDefaultBrowser();
    void pageAddressesLeaveOnlyAsWebAddresses_data();
    void pageAddressesLeaveOnlyAsWebAddresses();
    void systemShellOpensOnlyWebAddresses_data();
    void systemShellOpensOnlyWebAddresses();
    void windowClosesWhileTheBannerLoads();

private:
    static QFrame *panel7(const WindowFixture &fixture)
    {
        return fixture.control<QFrame>(QStringLiteral("Panel7"));
    }
};

// Nothing listens for nothing.invalid anywhere: the picture shows, and the
// module (a copy under a name of its own, so that an earlier load cannot
// hide one) is never mapped.
void BannerTest::unresolvableHostLeavesTheBrowserModuleUnloaded()
{
    QTemporaryDir copyFolder;
    const QString module = copyFolder.filePath(QStringLiteral("unresolved_banner"));
    const QString moduleFile = copyFolder.filePath(QStringLiteral("libunresolved_banner.so"));
    QVERIFY(QFile::copy(BuiltModuleFile(), moduleFile));
    WindowFixture fixture(true);
    fixture.services.bannerAddress = QStringLiteral("http://nothing.invalid/gg.asp");
    fixture.services.bannerModulePath = module;
    fixture.open();

    QTRY_VERIFY_WITH_TIMEOUT(!panel7(fixture)->isVisible(), LoadTimeout);
    QTest::qWait(200);
    QVERIFY(!fixture.window->webBrowser());
    QVERIFY(!IsLoaded(moduleFile));
    QVERIFY(fixture.control<QWidget>(QStringLiteral("Image3"))->isVisible());
    QVERIFY(fixture.boxes.boxes.isEmpty());
}

void BannerTest::browserIsCreatedOnlyAfterTheFirstPaint()
{
    HttpTestServer server;
    server.responses.insert("/gg.asp", Page(LargeBanner()));
    WindowFixture fixture(true);
    fixture.services.bannerAddress = server.address() + QStringLiteral("/gg.asp");

    fixture.window = std::make_unique<TForm1>(fixture.services);
    QVERIFY(!fixture.window->webBrowser());
    QVERIFY(server.requestedPaths.isEmpty());

    fixture.window->show();
    QTRY_VERIFY_WITH_TIMEOUT(fixture.window->webBrowser(), LoadTimeout);
    QWebEngineView *browser = qobject_cast<QWebEngineView *>(fixture.window->webBrowser());
    QCOMPARE(browser->objectName(), QStringLiteral("WebBrowser1"));
    QCOMPARE(browser->parentWidget(), panel7(fixture));
    QVERIFY(browser->page()->profile()->isOffTheRecord());
    QVERIFY(IsLoaded(BuiltModuleFile()));
    QTRY_COMPARE_WITH_TIMEOUT(server.requestedPaths, QList<QByteArray>{"/gg.asp"}, LoadTimeout);
}

void BannerTest::loadedPageStaysInFrontWithoutScrollBars()
{
    HttpTestServer server;
    server.responses.insert("/gg.asp", Page(LargeBanner()));
    WindowFixture fixture(true);
    fixture.services.bannerAddress = server.address() + QStringLiteral("/gg.asp");
    fixture.open();

    QTRY_VERIFY_WITH_TIMEOUT(fixture.window->webBrowser() && fixture.window->webBrowser()->isVisible(),
                             LoadTimeout);
    QWebEngineView *browser = qobject_cast<QWebEngineView *>(fixture.window->webBrowser());
    QVERIFY(panel7(fixture)->isVisible());
    QCOMPARE(browser->geometry(), panel7(fixture)->rect());
    QCOMPARE(RunJavaScript(browser, QStringLiteral("document.body.scroll")).toString(), QStringLiteral("no"));
    QCOMPARE(RunJavaScript(browser, QStringLiteral("getComputedStyle(document.body).overflow")).toString(),
             QStringLiteral("hidden"));
    QCOMPARE(RunJavaScript(browser, QStringLiteral("getComputedStyle(document.documentElement).overflow"))
                 .toString(),
             QStringLiteral("hidden"));
    QVERIFY(fixture.boxes.boxes.isEmpty());
}

void BannerTest::documentWithoutBodyIsLeftAsLoaded()
{
    HttpTestServer server;
    server.responses.insert("/gg.asp",
                            Page("<svg xmlns='http://www.w3.org/2000/svg' width='900' height='300'>"
                                 "<text x='10' y='40'>OrvaneKivrel</text></svg>",
                                 200, "image/svg+xml"));
    WindowFixture fixture(true);
    fixture.services.bannerAddress = server.address() + QStringLiteral("/gg.asp");
    fixture.open();

    QTRY_VERIFY_WITH_TIMEOUT(fixture.window->webBrowser() && fixture.window->webBrowser()->isVisible(),
                             LoadTimeout);
    QCOMPARE(RunJavaScript(qobject_cast<QWebEngineView *>(fixture.window->webBrowser()), QStringLiteral("document.body === null")).toBool(),
             true);
    QVERIFY(panel7(fixture)->isVisible());
    QVERIFY(fixture.boxes.boxes.isEmpty());
}

void BannerTest::failedNavigationShowsThePicture_data()
{
    QTest::addColumn<int>("status");  // 0: nothing listens on the port
    QTest::addColumn<QByteArray>("contentType");

    const QByteArray html = "text/html; charset=utf-8";
    QTest::newRow("connection refused") << 0 << html;
    QTest::newRow("page not found") << 404 << html;
    QTest::newRow("server error") << 500 << html;
    QTest::newRow("page sent as a file to save") << 200 << QByteArray("application/octet-stream");
}

void BannerTest::failedNavigationShowsThePicture()
{
    QFETCH(int, status);
    QFETCH(QByteArray, contentType);
    HttpTestServer server;
    server.responses.insert("/gg.asp", Page(LargeBanner(), status, contentType));
    WindowFixture fixture(true);
    fixture.services.bannerAddress = status ? server.address() + QStringLiteral("/gg.asp") : RefusedAddress();
    fixture.open();

    QTRY_VERIFY_WITH_TIMEOUT(fixture.window->webBrowser() && !panel7(fixture)->isVisible(), LoadTimeout);
    // Shown once, the browser would still count as visible within Panel7.
    QVERIFY2(!fixture.window->webBrowser()->isVisibleTo(panel7(fixture)),
             "the failed page was shown in the strip");
    QVERIFY(fixture.control<QWidget>(QStringLiteral("Image3"))->isVisible());
    QVERIFY(fixture.boxes.boxes.isEmpty());
}

void BannerTest::errorAfterShownPageStillShowsThePicture_data()
{
    QTest::addColumn<QString>("next");  // empty: an address on which nothing listens

    QTest::newRow("connection refused") << QString();
    QTest::newRow("page not found") << QStringLiteral("/missing.asp");
}

void BannerTest::errorAfterShownPageStillShowsThePicture()
{
    QFETCH(QString, next);
    HttpTestServer server;
    WindowFixture fixture(true);
    // The banner moves on by itself after a moment, to an address that fails.
    const QString nextAddress = next.isEmpty() ? RefusedAddress() : server.address() + next;
    server.responses.insert(
        "/gg.asp",
        Page(LargeBanner("<meta http-equiv='refresh' content='1;url=" + nextAddress.toUtf8() + "'>")));
    fixture.services.bannerAddress = server.address() + QStringLiteral("/gg.asp");
    fixture.open();
    QTRY_VERIFY_WITH_TIMEOUT(fixture.window->webBrowser() && fixture.window->webBrowser()->isVisible(),
                             LoadTimeout);

    QTRY_VERIFY_WITH_TIMEOUT(!panel7(fixture)->isVisible(), LoadTimeout);
    QVERIFY(fixture.control<QWidget>(QStringLiteral("Image3"))->isVisible());
}

void BannerTest::laterSuccessDoesNotBringTheBrowserBack()
{
    HttpTestServer server;
    server.responses.insert("/good.html", Page(LargeBanner()));
    WindowFixture fixture(true);
    fixture.services.bannerAddress = server.address() + QStringLiteral("/gg.asp");  // not served: 404
    fixture.open();
    QTRY_VERIFY_WITH_TIMEOUT(fixture.window->webBrowser() && !panel7(fixture)->isVisible(), LoadTimeout);

    QWebEngineView *browser = qobject_cast<QWebEngineView *>(fixture.window->webBrowser());
    bool loaded = false;
    connect(browser, &QWebEngineView::loadFinished, this, [&](bool ok) { loaded = ok; });
    browser->load(QUrl(server.address() + QStringLiteral("/good.html")));
    QTRY_VERIFY_WITH_TIMEOUT(loaded, LoadTimeout);
    QTest::qWait(100);

    QVERIFY(!panel7(fixture)->isVisible());
    QVERIFY(fixture.control<QWidget>(QStringLiteral("Image3"))->isVisible());
}

void BannerTest::pictureClickOpensTheSiteAfterFailure()
{
    WindowFixture fixture(true);
    fixture.services.bannerAddress = RefusedAddress();
    fixture.open();
    QTRY_VERIFY_WITH_TIMEOUT(fixture.window->webBrowser() && !panel7(fixture)->isVisible(), LoadTimeout);

    QTest::mouseClick(fixture.control<QWidget>(QStringLiteral("Image3")), Qt::LeftButton, {},
                      QPoint(100, 30));
    QCOMPARE(fixture.shell.webAddresses, QList<QUrl>{QUrl(SiteAddress())});
}

void BannerTest::missingBrowserModuleShowsThePicture()
{
    WindowFixture fixture(true);
    fixture.services.bannerAddress = RefusedAddress();  // resolves: the module is wanted
    fixture.services.bannerModulePath = fixture.filePath(QStringLiteral("no_such_module"));
    fixture.open();
    QTRY_VERIFY_WITH_TIMEOUT(!panel7(fixture)->isVisible(), LoadTimeout);
    QVERIFY(!fixture.window->webBrowser());
    QVERIFY(fixture.control<QWidget>(QStringLiteral("Image3"))->isVisible());
    QVERIFY(fixture.boxes.boxes.isEmpty());
}

void BannerTest::followedLinkOpensInTheDefaultBrowser_data()
{
    QTest::addColumn<QByteArray>("target");

    QTest::newRow("link in the banner") << QByteArray("_self");
    QTest::newRow("link asking for a new window") << QByteArray("_blank");
}

void BannerTest::followedLinkOpensInTheDefaultBrowser()
{
    QFETCH(QByteArray, target);
    HttpTestServer server;
    const QString linked = server.address() + QStringLiteral("/news.html");
    server.responses.insert("/gg.asp", Page(LargeBanner("<a id='news' target='" + target + "' href='" +
                                                        linked.toUtf8() + "'>news</a>")));
    server.responses.insert("/news.html", Page("<html><body>news</body></html>"));
    WindowFixture fixture(true);
    fixture.services.bannerAddress = server.address() + QStringLiteral("/gg.asp");
    fixture.open();
    QTRY_VERIFY_WITH_TIMEOUT(fixture.window->webBrowser() && fixture.window->webBrowser()->isVisible(),
                             LoadTimeout);

    RunJavaScript(qobject_cast<QWebEngineView *>(fixture.window->webBrowser()), QStringLiteral("document.getElementById('news').click()"));

    QTRY_COMPARE_WITH_TIMEOUT(fixture.shell.webAddresses, QList<QUrl>{QUrl(linked)}, LoadTimeout);
    QVERIFY(fixture.shell.programs.isEmpty());
    QCOMPARE(qobject_cast<QWebEngineView *>(fixture.window->webBrowser())->url(), QUrl(fixture.services.bannerAddress));
    QVERIFY(panel7(fixture)->isVisible());
    QVERIFY(!server.requestedPaths.contains("/news.html"));
}

void BannerTest::pageAddressesLeaveOnlyAsWebAddresses_data()
{
    QTest::addColumn<QByteArray>("href");
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QString>("handedOn");  // a path on the banner's server; empty: nothing

    for (const QByteArray &target : {QByteArray("_self"), QByteArray("_blank")}) {
        const QByteArray in = target == "_self" ? " in the banner" : " in a new window";
        QTest::newRow("file address" + in) << QByteArray("file:///bin/sh") << target << QString();
        QTest::newRow("data address" + in) << QByteArray("data:text/html,x") << target << QString();
        QTest::newRow("script address" + in)
            << QByteArray("javascript:void(location='file:///bin/sh')") << target << QString();
        // A browser reads a bare path as a path on the banner's own server:
        // it leaves as that web address, never as a program.
        QTest::newRow("program path" + in) << QByteArray("/usr/bin/xterm") << target
                                           << QStringLiteral("/usr/bin/xterm");
    }
}

// Each address is followed first, then a web address; only web addresses
// reach the shell, and only its web-address job.
void BannerTest::pageAddressesLeaveOnlyAsWebAddresses()
{
    QFETCH(QByteArray, href);
    QFETCH(QByteArray, target);
    QFETCH(QString, handedOn);
    HttpTestServer server;
    const QByteArray webAddress = "http://example.invalid/";
    server.responses.insert("/gg.asp", Page(LargeBanner("<a id='tried' target='" + target + "' href=\"" + href +
                                                        "\">tried</a><a id='web' target='" + target +
                                                        "' href='" + webAddress + "'>web</a>")));
    WindowFixture fixture(true);
    fixture.services.bannerAddress = server.address() + QStringLiteral("/gg.asp");
    fixture.open();
    QTRY_VERIFY_WITH_TIMEOUT(fixture.window->webBrowser() && fixture.window->webBrowser()->isVisible(),
                             LoadTimeout);
    auto *browser = qobject_cast<QWebEngineView *>(fixture.window->webBrowser());

    RunJavaScript(browser, QStringLiteral("document.getElementById('tried').click()"));
    QTest::qWait(300);
    RunJavaScript(browser, QStringLiteral("document.getElementById('web').click()"));

    QList<QUrl> expected;
    if (!handedOn.isEmpty())
        expected.append(QUrl(server.address() + handedOn));
    expected.append(QUrl(QString::fromLatin1(webAddress)));
    QTRY_COMPARE_WITH_TIMEOUT(fixture.shell.webAddresses, expected, LoadTimeout);
    QVERIFY(fixture.shell.programs.isEmpty());
    QCOMPARE(browser->url(), QUrl(fixture.services.bannerAddress));
    QVERIFY(fixture.boxes.boxes.isEmpty());
}

void BannerTest::systemShellOpensOnlyWebAddresses_data()
{
    QTest::addColumn<QUrl>("address");
    QTest::addColumn<bool>("opened");

    QTest::newRow("http") << QUrl(QStringLiteral("http://example.invalid/")) << true;
    QTest::newRow("https") << QUrl(QStringLiteral("https://example.invalid/news?id=1")) << true;
    QTest::newRow("file address of a program") << QUrl(QStringLiteral("file:///bin/sh")) << false;
    QTest::newRow("data address") << QUrl(QStringLiteral("data:text/html,x")) << false;
    QTest::newRow("script address") << QUrl(QStringLiteral("javascript:alert(1)")) << false;
    QTest::newRow("bare program path") << QUrl(QStringLiteral("/usr/bin/xterm")) << false;
    QTest::newRow("program name") << QUrl(QStringLiteral("xterm")) << false;
    QTest::newRow("http without a host") << QUrl(QStringLiteral("http:///bin/sh")) << false;
    QTest::newRow("empty") << QUrl() << false;
}

// The real launcher, with the desktop's opener replaced for every scheme
// involved, so that nothing is launched.
void BannerTest::systemShellOpensOnlyWebAddresses()
{
    QFETCH(QUrl, address);
    QFETCH(bool, opened);
    const OpenedAddresses desktop({QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("file"),
                                   QStringLiteral("data"), QStringLiteral("javascript"), QString()});
    SystemShellLauncher shell;

    shell.openWebAddress(address);

    QCOMPARE(desktop.addresses, opened ? QList<QUrl>{address} : QList<QUrl>{});
}

// The server takes the request and never answers: the window goes while
// its banner is still loading, and the browser with it, first.
void BannerTest::windowClosesWhileTheBannerLoads()
{
    HttpTestServer server;
    server.responses.insert("/gg.asp", HttpResponse::silent());
    WindowFixture fixture(true);
    fixture.services.bannerAddress = server.address() + QStringLiteral("/gg.asp");
    fixture.open();
    QTRY_VERIFY_WITH_TIMEOUT(server.requestedPaths.contains("/gg.asp"), LoadTimeout);
    QVERIFY(fixture.window->webBrowser());
    QVERIFY(panel7(fixture)->isVisibleTo(fixture.window.get()));

    QPointer<QWidget> browser = fixture.window->webBrowser();
    fixture.window->close();
    fixture.window.reset();
    QVERIFY(browser.isNull());
    QTest::qWait(500);  // whatever the browser's processes still report arrives now

    QVERIFY(fixture.boxes.boxes.isEmpty());
}

QTEST_MAIN(BannerTest)
#include "tst_banner.moc"
