#include "app/update/network_downloader.h"

#include "platform/atomic_file.h"

#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QTimer>

namespace pellumo {
namespace {

constexpr int MaxRedirects = 5;

// The busy cursor for as long as a download holds the window.
class BusyCursor
{
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

QNetworkRequest RequestFor(const QUrl &url)
{
    QNetworkRequest request(url);
    // Each redirect is looked at in AllowOnlySameScheme. A loop stops at the
    // redirect limit; Qt 6.4 then finishes without an error but with no 2xx
    // status, which HasSuccessStatus refuses.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(MaxRedirects);
    // The update compares versions, so only the server's current file will
    // do, never a copy kept along the way.
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setRawHeader("Cache-Control", "no-cache");
    return request;
}

void AllowOnlySameScheme(QNetworkReply *reply, const QUrl &first, const QUrl &next)
{
    if (first.resolved(next).scheme() == first.scheme())
        Q_EMIT reply->redirectAllowed();
    else
        reply->abort();
}

// Files and other non-HTTP addresses carry no status; HTTP must say 2xx.
// A redirect loop ends on the last 3xx, which is no success either.
bool HasFailureStatus(const QNetworkReply &reply)
{
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    return status.isValid() && (status.toInt() < 200 || status.toInt() >= 300);
}

// What the transfer came to. The status comes first: a server that answered
// 404 was reached, whatever Qt's error says. The size comes before the error,
// which is then only the abort that stopped the transfer.
DownloadResult Outcome(const QNetworkReply &reply, bool tooLarge, bool written)
{
    if (HasFailureStatus(reply))
        return DownloadResult::HttpStatus;
    if (tooLarge)
        return DownloadResult::TooLarge;
    if (!written)
        return DownloadResult::NotWritten;
    if (reply.error() != QNetworkReply::NoError)
        return DownloadResult::NetworkFailed;
    return DownloadResult::Complete;
}

} // namespace

NetworkDownloader::NetworkDownloader(std::chrono::milliseconds timeLimit) : m_timeLimit(timeLimit) {}

DownloadResult NetworkDownloader::download(const QUrl &url, const QString &filePath)
{
    QSaveFile target(filePath);
    if (!target.open(QIODevice::WriteOnly))
        return DownloadResult::NotWritten;

    BusyCursor busy;
    QNetworkAccessManager network;
    QNetworkReply *reply = network.get(RequestFor(url));
    // The body is kept as it arrives, counted whatever length the server
    // announces (or none); the transfer is aborted once the body exceeds
    // MaxBodySize or cannot be written.
    bool tooLarge = false;
    bool written = true;
    qint64 received = 0;
    const auto keep = [&](const QByteArray &chunk) {
        if (tooLarge || !written)
            return;
        received += chunk.size();
        tooLarge = received > MaxBodySize;
        written = tooLarge || target.write(chunk) >= 0;
        if (tooLarge || !written)
            reply->abort();
    };
    QObject::connect(reply, &QNetworkReply::readyRead, [&] { keep(reply->readAll()); });
    QObject::connect(reply, &QNetworkReply::redirected,
                     [reply, &url](const QUrl &next) { AllowOnlySameScheme(reply, url, next); });

    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer timeLimit;
    timeLimit.setSingleShot(true);
    QObject::connect(&timeLimit, &QTimer::timeout, reply, &QNetworkReply::abort);
    timeLimit.start(m_timeLimit);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    // The loop also ends when the application quits; the transfer then
    // counts as failed.
    if (!reply->isFinished())
        reply->abort();

    if (Outcome(*reply, tooLarge, written) == DownloadResult::Complete)
        keep(reply->readAll());
    const DownloadResult result = Outcome(*reply, tooLarge, written);
    if (result != DownloadResult::Complete) {
        target.cancelWriting();
        return result;
    }
    return CommitSaveFile(target) ? DownloadResult::Complete : DownloadResult::NotWritten;
}

} // namespace pellumo
