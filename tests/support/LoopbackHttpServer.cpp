#include "tests/support/LoopbackHttpServer.h"

#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace {

// Requests with more header bytes than this are refused by closing.
constexpr qsizetype kMaxHeaderBytes = 64 * 1024;

bool hasHeader(const QList<LoopbackHttpServer::Header>& headers, const QByteArray& name) {
    for (const auto& header : headers) {
        if (header.first.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

struct LoopbackHttpServer::Connection {
    QPointer<QTcpSocket> socket;
    QByteArray buffer;
    bool answered = false;
};

LoopbackHttpServer::Response LoopbackHttpServer::Response::ok(const QByteArray& body,
                                                              const QByteArray& contentType) {
    Response r;
    r.headers = {{"Content-Type", contentType}};
    r.body = {{body, 0}};
    return r;
}

LoopbackHttpServer::Response
LoopbackHttpServer::Response::status(int code, const QByteArray& reason, const QByteArray& body) {
    Response r;
    r.statusLine = "HTTP/1.0 " + QByteArray::number(code) + ' ' + reason;
    r.headers = {{"Content-Type", "text/html"}};
    r.body = {{body, 0}};
    return r;
}

LoopbackHttpServer::Response LoopbackHttpServer::Response::redirect(int code,
                                                                    const QByteArray& location) {
    Response r = status(code, code == 301 ? "Moved Permanently" : "Found");
    r.headers.append(Header("Location", location));
    return r;
}

LoopbackHttpServer::Response LoopbackHttpServer::Response::cutMidBody(const QByteArray& sent,
                                                                      qint64 announced) {
    Response r = ok(sent, "application/octet-stream");
    r.contentLength = announced;
    return r;
}

qint64 LoopbackHttpServer::Response::bodySize() const {
    qint64 size = 0;
    for (const Piece& piece : body)
        size += piece.data.size();
    return size;
}

QByteArray LoopbackHttpServer::Request::header(const QByteArray& name) const {
    for (const auto& h : headers) {
        if (h.first.compare(name, Qt::CaseInsensitive) == 0)
            return h.second;
    }
    return {};
}

LoopbackHttpServer::LoopbackHttpServer(QObject* parent)
    : QObject(parent)
    , m_server(new QTcpServer(this))
    , m_default(Response::status(404, "Not Found", "<html><body>Not Found</body></html>")) {
    connect(m_server, &QTcpServer::newConnection, this, &LoopbackHttpServer::accept);
    if (!m_server->listen(QHostAddress::LocalHost, 0))
        qWarning("LoopbackHttpServer: cannot listen: %s", qPrintable(m_server->errorString()));
}

LoopbackHttpServer::~LoopbackHttpServer() = default;

bool LoopbackHttpServer::isListening() const {
    return m_server->isListening();
}

quint16 LoopbackHttpServer::port() const {
    return m_server->serverPort();
}

QUrl LoopbackHttpServer::url(const QString& path) const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path));
}

void LoopbackHttpServer::setResponse(const QByteArray& path, const Response& response) {
    m_responses.insert(path, response);
}

void LoopbackHttpServer::queueResponse(const QByteArray& path, const Response& response) {
    m_queued[path].enqueue(response);
}

void LoopbackHttpServer::accept() {
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        ++m_openConnections;
        auto connection = std::make_shared<Connection>();
        connection->socket = socket;
        connect(socket, &QTcpSocket::readyRead, this,
                [this, connection] { readFrom(connection.get()); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            --m_openConnections;
            socket->deleteLater();
            emit connectionClosed();
        });
    }
}

void LoopbackHttpServer::readFrom(Connection* connection) {
    QTcpSocket* socket = connection->socket;
    if (!socket || connection->answered)
        return;
    connection->buffer += socket->readAll();
    const qsizetype headerEnd = connection->buffer.indexOf("\r\n\r\n");
    if (headerEnd < 0) {
        if (connection->buffer.size() > kMaxHeaderBytes)
            socket->abort();
        return;
    }
    const QList<QByteArray> lines = connection->buffer.left(headerEnd).split('\n');
    Request request;
    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
    request.method = first.value(0);
    request.target = first.value(1);
    request.version = first.value(2);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon > 0)
            request.headers.append({line.left(colon).trimmed(), line.mid(colon + 1).trimmed()});
    }
    const qint64 length = request.header("Content-Length").toLongLong();
    if (connection->buffer.size() - (headerEnd + 4) < length)
        return; // the body is still arriving
    request.body = connection->buffer.mid(headerEnd + 4, length);

    QUrl target(QString::fromLatin1(request.target));
    request.path = target.path(QUrl::FullyEncoded).toLatin1();
    if (request.path.isEmpty())
        request.path = "/";

    connection->answered = true;
    m_requests.append(request);
    emit requestReceived();
    respond(socket, responseFor(request));
}

LoopbackHttpServer::Response LoopbackHttpServer::responseFor(const Request& request) {
    QUrl target(QString::fromLatin1(request.target));
    QByteArray pathAndQuery = request.path;
    if (target.hasQuery())
        pathAndQuery += '?' + target.query(QUrl::FullyEncoded).toLatin1();
    for (const QByteArray& key : {pathAndQuery, request.path}) {
        auto queued = m_queued.find(key);
        if (queued != m_queued.end() && !queued->isEmpty())
            return queued->dequeue();
        auto fixed = m_responses.constFind(key);
        if (fixed != m_responses.constEnd())
            return *fixed;
    }
    return m_default;
}

void LoopbackHttpServer::respond(QTcpSocket* socket, const Response& response) {
    // Timers run in the socket's context: a connection the client closed
    // takes its pending pieces with it.
    QTimer::singleShot(response.delayMs, socket, [this, socket, response] {
        if (response.dropConnection) {
            socket->abort();
            return;
        }
        QByteArray head = response.statusLine + "\r\n";
        QList<Header> headers = response.headers;
        const qint64 length = response.contentLength.value_or(response.bodySize());
        if (length >= 0 && !hasHeader(headers, "Content-Length"))
            headers.append(Header("Content-Length", QByteArray::number(length)));
        if (!hasHeader(headers, "Connection"))
            headers.append(Header("Connection", "close"));
        for (const auto& header : headers)
            head += header.first + ": " + header.second + "\r\n";
        socket->write(head + "\r\n");
        sendPiece(socket, response, 0);
    });
}

void LoopbackHttpServer::sendPiece(QTcpSocket* socket, const Response& response, qsizetype index) {
    if (index >= response.body.size()) {
        if (response.closeWhenDone)
            socket->disconnectFromHost();
        return;
    }
    const Piece& piece = response.body.at(index);
    QTimer::singleShot(piece.delayMs, socket, [this, socket, response, index] {
        socket->write(response.body.at(index).data);
        sendPiece(socket, response, index + 1);
    });
}
