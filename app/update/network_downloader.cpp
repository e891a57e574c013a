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

// The update's files are a few hundred bytes. A larger body is no file of
// ours, and a server that streams without end must not fill the disk.
constexpr qint64 MaxBodySize = 64 * 1024;

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
bool HasSuccessStatus(const QNetworkReply &reply)
{
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    return !status.isValid() || (status.toInt() >= 200 && status.toInt() < 300);
}

} // namespace

NetworkDownloader::NetworkDownloader(std::chrono::milliseconds timeLimit) : m_timeLimit(timeLimit) {}

bool NetworkDownloader::download(const QUrl &url, const QString &filePath)
{
    QSaveFile target(filePath);
    if (!target.open(QIODevice::WriteOnly))
        return false;

    BusyCursor busy;
    QNetworkAccessManager network;
    QNetworkReply *reply = network.get(RequestFor(url));
    // The body is kept as it arrives, counted whatever length the server
    // announces (or none); false, and the transfer aborted, once it exceeds
    // MaxBodySize or cannot be written.
    bool written = true;
    qint64 received = 0;
    const auto keep = [&](const QByteArray &chunk) {
        received += chunk.size();
        if (written && (received > MaxBodySize || target.write(chunk) < 0)) {
            written = false;
            reply->abort();
        }
        return written;
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

    const bool complete = written && reply->error() == QNetworkReply::NoError && HasSuccessStatus(*reply);
    if (!complete || !keep(reply->readAll())) {
        target.cancelWriting();
        return false;
    }
    return CommitSaveFile(target);
}

} // namespace pellumo
