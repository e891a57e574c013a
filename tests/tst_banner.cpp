// The banner strip against a real HTTP server on 127.0.0.1: a page that
// loads stays in front without scroll bars, a failed navigation (refused
// connection, an error status, a failure after the page was shown) brings
// the static picture for the rest of the run.

#include "gui_harness.h"
#include "http_test_server.h"

#include <QFrame>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <memory>
#include <optional>

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

}  // namespace

class BannerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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

private:
    static QFrame *panel7(const WindowFixture &fixture)
    {
        return fixture.control<QFrame>(QStringLiteral("Panel7"));
    }
};

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
    QCOMPARE(fixture.shell.targets, QStringList{SiteAddress()});
}

void BannerTest::missingBrowserModuleShowsThePicture()
{
    WindowFixture fixture(true);
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

    QTRY_COMPARE_WITH_TIMEOUT(fixture.shell.targets, QStringList{linked}, LoadTimeout);
    QCOMPARE(qobject_cast<QWebEngineView *>(fixture.window->webBrowser())->url(), QUrl(fixture.services.bannerAddress));
    QVERIFY(panel7(fixture)->isVisible());
    QVERIFY(!server.requestedPaths.contains("/news.html"));
}

QTEST_MAIN(BannerTest)
#include "tst_banner.moc"
