// The real download over Qt Network against a small HTTP server on
// 127.0.0.1: what counts as success, why a download failed, what is written,
// and that every failure leaves the target file as it was.

#include "app/update/network_downloader.h"
#include "tests/http_test_server.h"
#include "tests/test_files.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QNetworkProxy>
#include <QTemporaryDir>
#include <QTest>

using pellumo::DownloadResult;
using pellumo::NetworkDownloader;
using pellumo::testing::HttpResponse;
using pellumo::testing::HttpTestServer;
using pellumo::testing::WriteBytes;
using namespace std::chrono_literals;

namespace {

const QByteArray EarlierContent = "[money]\r\nnum=7\r\n";

QByteArray ContentOf(const QString &filePath)
{
    QFile file(filePath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// For readable comparisons.
QString Name(DownloadResult result)
{
    switch (result) {
    case DownloadResult::Complete: return QStringLiteral("complete");
    case DownloadResult::NetworkFailed: return QStringLiteral("network failed");
    case DownloadResult::HttpStatus: return QStringLiteral("HTTP status");
    case DownloadResult::TooLarge: return QStringLiteral("too large");
    case DownloadResult::NotWritten: return QStringLiteral("not written");
    }
    return QStringLiteral("unknown %1").arg(int(result));
}

} // namespace

Q_DECLARE_METATYPE(DownloadResult)

class NetworkDownloaderTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void download_data();
    void download();
    void redirectToAnotherSchemeIsNotFollowed();
    void silentServerFailsAtTheTimeLimit();
    void refusedConnectionFails();
    void busyCursorOnlyWhileDownloading();
    void missingTargetFolderFailsWithoutRequest();

private:
    QTemporaryDir m_folder;
};

void NetworkDownloaderTest::initTestCase()
{
    QVERIFY(m_folder.isValid());
    // The tests talk to 127.0.0.1 only, whatever proxy the machine names.
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
}

void NetworkDownloaderTest::download_data()
{
    QTest::addColumn<HttpResponse>("response");  // for /file
    QTest::addColumn<HttpResponse>("next");      // for /next, where /file redirects
    QTest::addColumn<DownloadResult>("result");
    QTest::addColumn<QByteArray>("content");  // of the target after a success

    const QByteArray table = "[money]\r\na=4.35\r\nnum=2\r\n";
    const HttpResponse none = HttpResponse::withStatus(500);
    const DownloadResult complete = DownloadResult::Complete;
    const DownloadResult status = DownloadResult::HttpStatus;
    const DownloadResult tooLarge = DownloadResult::TooLarge;

    QTest::newRow("whole body with status 200") << HttpResponse::ok(table) << none << complete << table;
    QTest::newRow("empty body with status 200") << HttpResponse::ok({}) << none << complete << QByteArray();
    QTest::newRow("status 404") << HttpResponse::withStatus(404, "<html>Not Found</html>") << none << status
                                << QByteArray();
    QTest::newRow("status 500") << HttpResponse::withStatus(500, table) << none << status << QByteArray();
    QTest::newRow("body cut off before its announced length")
        << HttpResponse::cutOff(table) << none << DownloadResult::NetworkFailed << QByteArray();
    QTest::newRow("redirect within the same scheme")
        << HttpResponse::redirect("/next") << HttpResponse::ok(table) << complete << table;
    QTest::newRow("redirect to an error") << HttpResponse::redirect("/next") << HttpResponse::withStatus(404)
                                          << status << QByteArray();
    QTest::newRow("redirect loop") << HttpResponse::redirect("/file") << none << status << QByteArray();

    // The size limit: 64 KiB, whether the server announces the length or not.
    const QByteArray limit(NetworkDownloader::MaxBodySize, 'x');
    QCOMPARE(limit.size(), 64 * 1024);
    QTest::newRow("body of exactly 64 KiB") << HttpResponse::ok(limit) << none << complete << limit;
    QTest::newRow("body one byte over 64 KiB") << HttpResponse::ok(limit + 'x') << none << tooLarge << QByteArray();
    QTest::newRow("body of 64 KiB without announced length") << HttpResponse::unannounced(limit) << none << complete
                                                             << limit;
    QTest::newRow("body of 1 MiB without announced length")
        << HttpResponse::unannounced(QByteArray(1024 * 1024, 'x')) << none << tooLarge << QByteArray();
    QTest::newRow("oversized body behind a redirect")
        << HttpResponse::redirect("/next") << HttpResponse::ok(limit + 'x') << tooLarge << QByteArray();
    // The server was reached and refused: its status tells, not the size of its page.
    QTest::newRow("oversized error page")
        << HttpResponse::withStatus(503, limit + 'x') << none << status << QByteArray();
}

// Each case downloads twice: into a path where no file is yet, and over an
// earlier file, which a failure must leave exactly as it was.
void NetworkDownloaderTest::download()
{
    QFETCH(HttpResponse, response);
    QFETCH(HttpResponse, next);
    QFETCH(DownloadResult, result);
    QFETCH(QByteArray, content);
    const bool succeeds = result == DownloadResult::Complete;

    HttpTestServer server;
    server.responses.insert("/file", response);
    server.responses.insert("/next", next);
    NetworkDownloader downloader(5s);
    const QUrl url(server.address() + QStringLiteral("/file"));

    const QString freshPath = m_folder.filePath(QStringLiteral("fresh-%1").arg(QString::fromUtf8(QTest::currentDataTag())));
    QCOMPARE(Name(downloader.download(url, freshPath)), Name(result));
    QCOMPARE(QFile::exists(freshPath), succeeds);
    if (succeeds)
        QCOMPARE(ContentOf(freshPath), content);

    const QString earlierPath = m_folder.filePath(QStringLiteral("earlier-%1").arg(QString::fromUtf8(QTest::currentDataTag())));
    QVERIFY(WriteBytes(earlierPath, EarlierContent));
    QCOMPARE(Name(downloader.download(url, earlierPath)), Name(result));
    QCOMPARE(ContentOf(earlierPath), succeeds ? content : EarlierContent);
}

// http to https on the same server: following it would open a second
// connection for the TLS handshake.
void NetworkDownloaderTest::redirectToAnotherSchemeIsNotFollowed()
{
    HttpTestServer server;
    QString secure = server.address();
    secure.replace(QStringLiteral("http:"), QStringLiteral("https:"));
    server.responses.insert("/file", HttpResponse::redirect((secure + QStringLiteral("/next")).toUtf8()));
    NetworkDownloader downloader(5s);
    const QString target = m_folder.filePath(QStringLiteral("other-scheme"));

    QCOMPARE(Name(downloader.download(QUrl(server.address() + QStringLiteral("/file")), target)),
             Name(DownloadResult::HttpStatus));
    QCOMPARE(server.connectionCount, 1);
    QVERIFY(!QFile::exists(target));
}

void NetworkDownloaderTest::silentServerFailsAtTheTimeLimit()
{
    HttpTestServer server;
    server.responses.insert("/file", HttpResponse::silent());
    NetworkDownloader downloader(400ms);
    const QString target = m_folder.filePath(QStringLiteral("silent"));

    QElapsedTimer clock;
    clock.start();
    QCOMPARE(Name(downloader.download(QUrl(server.address() + QStringLiteral("/file")), target)),
             Name(DownloadResult::NetworkFailed));
    QVERIFY2(clock.elapsed() >= 350, qPrintable(QString::number(clock.elapsed())));
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(!QFile::exists(target));
    QCOMPARE(server.requestedPaths, QList<QByteArray>{"/file"});
}

void NetworkDownloaderTest::refusedConnectionFails()
{
    NetworkDownloader downloader(5s);
    const QString target = m_folder.filePath(QStringLiteral("refused"));
    QCOMPARE(Name(downloader.download(QUrl(HttpTestServer::refusingAddress() + QStringLiteral("/file")), target)),
             Name(DownloadResult::NetworkFailed));
    QVERIFY(!QFile::exists(target));
}

void NetworkDownloaderTest::busyCursorOnlyWhileDownloading()
{
    HttpTestServer server;
    server.responses.insert("/file", HttpResponse::ok("x"));
    std::optional<Qt::CursorShape> shapeDuringRequest;
    server.onRequest = [&](const QByteArray &) {
        if (const QCursor *cursor = QGuiApplication::overrideCursor())
            shapeDuringRequest = cursor->shape();
    };
    NetworkDownloader downloader(5s);

    QVERIFY(!QGuiApplication::overrideCursor());
    QCOMPARE(Name(downloader.download(QUrl(server.address() + QStringLiteral("/file")),
                                      m_folder.filePath(QStringLiteral("cursor")))),
             Name(DownloadResult::Complete));
    QCOMPARE(shapeDuringRequest, std::optional<Qt::CursorShape>(Qt::WaitCursor));
    QVERIFY(!QGuiApplication::overrideCursor());
}

void NetworkDownloaderTest::missingTargetFolderFailsWithoutRequest()
{
    HttpTestServer server;
    server.responses.insert("/file", HttpResponse::ok("x"));
    NetworkDownloader downloader(5s);
    QCOMPARE(Name(downloader.download(QUrl(server.address() + QStringLiteral("/file")),
                                      m_folder.filePath(QStringLiteral("no-such-folder/file")))),
             Name(DownloadResult::NotWritten));
    QVERIFY(server.requestedPaths.isEmpty());
}

QTEST_MAIN(NetworkDownloaderTest)
#include "tst_network_downloader.moc"
