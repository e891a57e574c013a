#pragma once

// A small HTTP/1.1 server on 127.0.0.1 for the download tests. It lives in
// the test thread's event loop, so it keeps answering while a download waits
// in its own local loop. Each request gets the response scripted for its
// path; the paths asked for are recorded.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QList>
#include <QMetaType>
#include <QPair>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>

namespace pellumo::testing {

struct HttpResponse {
    enum class Delivery {
        Complete,  // status line, headers and the whole body, then close
        CutOff,    // announces the whole body, sends half of it, then closes
        Silent,    // reads the request and never answers
        Unannounced,  // no Content-Length: the whole body, and the closed connection ends it
    };

    Delivery delivery = Delivery::Complete;
    int status = 200;
    QByteArray body;
    QList<QPair<QByteArray, QByteArray>> headers;

    static HttpResponse ok(const QByteArray &body) { return {Delivery::Complete, 200, body, {}}; }
    static HttpResponse withStatus(int status, const QByteArray &body = {})
    {
        return {Delivery::Complete, status, body, {}};
    }
    static HttpResponse redirect(const QByteArray &location)
    {
        return {Delivery::Complete, 302, {}, {{"Location", location}}};
    }
    static HttpResponse cutOff(const QByteArray &body) { return {Delivery::CutOff, 200, body, {}}; }
    static HttpResponse silent() { return {Delivery::Silent, 200, {}, {}}; }
    static HttpResponse unannounced(const QByteArray &body) { return {Delivery::Unannounced, 200, body, {}}; }
};

class HttpTestServer
{
public:
    // Scripted answers by path; a path without one gets 404.
    QHash<QByteArray, HttpResponse> responses;
    QList<QByteArray> requestedPaths;
    int connectionCount = 0;
    // Runs when a request has been read, before the answer goes out.
    std::function<void(const QByteArray &path)> onRequest;

    HttpTestServer()
    {
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] { acceptConnections(); });
        if (!m_server.listen(QHostAddress::LocalHost))
            qFatal("test server cannot listen: %s", qPrintable(m_server.errorString()));
    }

    // Sockets still open say "disconnected" while they are destroyed; by
    // then nobody may listen.
    ~HttpTestServer()
    {
        for (QTcpSocket *socket : m_server.findChildren<QTcpSocket *>())
            QObject::disconnect(socket, nullptr, nullptr, nullptr);
    }
    HttpTestServer(const HttpTestServer &) = delete;
    HttpTestServer &operator=(const HttpTestServer &) = delete;

    QString address() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()); }

    // Answers every path with the file of the same path under `folder`.
    void serveFolder(const QString &folder, const QList<QByteArray> &paths)
    {
        for (const QByteArray &path : paths) {
            QFile file(QDir(folder).filePath(QString::fromLatin1(path.mid(1))));
            if (!file.open(QIODevice::ReadOnly))
                qFatal("cannot read %s", qPrintable(file.fileName()));
            responses.insert(path, HttpResponse::ok(file.readAll()));
        }
    }

    // An address on which nothing listens: connections are refused.
    static QString refusingAddress()
    {
        QTcpServer probe;
        if (!probe.listen(QHostAddress::LocalHost))
            qFatal("cannot find a free port");
        const quint16 port = probe.serverPort();
        probe.close();
        return QStringLiteral("http://127.0.0.1:%1").arg(port);
    }

private:
    void acceptConnections()
    {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            ++connectionCount;
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { readRequest(socket); });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, [this, socket] {
                m_pending.remove(socket);
                socket->deleteLater();
            });
        }
    }

    void readRequest(QTcpSocket *socket)
    {
        QByteArray &request = m_pending[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n"))
            return;
        const QByteArray path = request.split(' ').value(1);
        m_pending.remove(socket);
        requestedPaths.append(path);
        if (onRequest)
            onRequest(path);
        answer(socket, responses.value(path, HttpResponse::withStatus(404, "<html>Not Found</html>")));
    }

    static void answer(QTcpSocket *socket, const HttpResponse &response)
    {
        if (response.delivery == HttpResponse::Delivery::Silent)
            return;
        QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + " Scripted\r\n";
        if (response.delivery != HttpResponse::Delivery::Unannounced)
            head += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
        head += "Connection: close\r\n";
        for (const auto &[name, value] : response.headers)
            head += name + ": " + value + "\r\n";
        head += "\r\n";
        const bool cut = response.delivery == HttpResponse::Delivery::CutOff;
        socket->write(head + (cut ? response.body.left(response.body.size() / 2) : response.body));
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QHash<QTcpSocket *, QByteArray> m_pending;
};

} // namespace pellumo::testing

Q_DECLARE_METATYPE(pellumo::testing::HttpResponse)
