#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QQueue>
#include <QUrl>
#include <optional>
#include <utility>

class QTcpServer;
class QTcpSocket;

// A small HTTP server on 127.0.0.1 (a free port) for tests, scripted per
// request path: status line, headers, a body sent in pieces with delays, an
// announced length longer than what is sent (the connection then closes
// mid-body), redirects. Every request is recorded. One request per
// connection; the response says "Connection: close" unless scripted otherwise.
class LoopbackHttpServer : public QObject {
    Q_OBJECT
public:
    using Header = std::pair<QByteArray, QByteArray>;

    struct Piece {
        QByteArray data;
        int delayMs = 0; // wait before sending this piece
    };

    struct Response {
        QByteArray statusLine = "HTTP/1.0 200 OK";
        QList<Header> headers;
        QList<Piece> body;
        int delayMs = 0; // wait before the status line
        // Content-Length to announce: the body's size unless set; a negative
        // value sends none (the end of the body is the end of the connection).
        std::optional<qint64> contentLength;
        // False keeps the connection open after the last piece (a server that
        // stalls); the client must give up or cancel.
        bool closeWhenDone = true;
        // True closes the connection at once without any answer.
        bool dropConnection = false;

        static Response ok(const QByteArray& body, const QByteArray& contentType = "text/html");
        static Response status(int code, const QByteArray& reason, const QByteArray& body = {});
        static Response redirect(int code, const QByteArray& location);
        // Announces `announced` bytes, sends `sent`, then closes the connection.
        static Response cutMidBody(const QByteArray& sent, qint64 announced);
        qint64 bodySize() const;
    };

    struct Request {
        QByteArray method;
        QByteArray target; // as sent: path and query, or an absolute URL
        QByteArray path;   // path alone
        QByteArray version;
        QList<Header> headers;
        QByteArray body;
        // The first header of that name (case-insensitive), or empty.
        QByteArray header(const QByteArray& name) const;
    };

    explicit LoopbackHttpServer(QObject* parent = nullptr);
    ~LoopbackHttpServer() override;

    bool isListening() const;
    quint16 port() const;
    // http://127.0.0.1:<port><path>
    QUrl url(const QString& path) const;

    // The response for every request to `path` (path and query, or the path alone).
    void setResponse(const QByteArray& path, const Response& response);
    // One-time responses, used in order before the one set by setResponse().
    void queueResponse(const QByteArray& path, const Response& response);
    // For paths without a script: 404 unless set.
    void setDefaultResponse(const Response& response) { m_default = response; }

    const QList<Request>& requests() const { return m_requests; }
    int openConnections() const { return m_openConnections; }

signals:
    void requestReceived();
    void connectionClosed();

private:
    struct Connection;
    void accept();
    void readFrom(Connection* connection);
    Response responseFor(const Request& request);
    void respond(QTcpSocket* socket, const Response& response);
    void sendPiece(QTcpSocket* socket, const Response& response, qsizetype index);

    QTcpServer* m_server = nullptr;
    QHash<QByteArray, Response> m_responses;
    QHash<QByteArray, QQueue<Response>> m_queued;
    Response m_default;
    QList<Request> m_requests;
    int m_openConnections = 0;
};
