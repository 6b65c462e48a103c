#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QUrl>

class QTcpServer;
class QTcpSocket;

// A raw TCP server on 127.0.0.1 that answers each request with a script of
// byte-level steps, so a test can play servers no well-behaved HTTP server
// would be: trickling bytes, streaming without end, resetting, stalling. It
// never holds more than about 1 MiB of unsent data per connection, so even a
// gigabyte-sized answer is streamed, never built in memory.
class HostileServer : public QObject {
    Q_OBJECT
public:
    struct Step {
        enum class Kind {
            Send,    // `data` at once
            Trickle, // `data` one byte every `intervalMs`
            Repeat,  // `data` `count` times in a row (count < 0: without end)
            Reset,   // abort the connection with a TCP reset
            Close,   // close the connection in order
            Stall,   // do nothing more, keeping the connection open
        };
        Kind kind = Kind::Send;
        QByteArray data;
        qint64 count = 1;
        int intervalMs = 0;
    };
    using Script = QList<Step>;

    static Step send(const QByteArray& data) { return {Step::Kind::Send, data}; }
    static Step trickle(const QByteArray& data, int intervalMs) {
        return {Step::Kind::Trickle, data, 1, intervalMs};
    }
    static Step repeat(const QByteArray& data, qint64 count) {
        return {Step::Kind::Repeat, data, count};
    }
    static Step reset() { return {Step::Kind::Reset, {}}; }
    static Step close() { return {Step::Kind::Close, {}}; }
    static Step stall() { return {Step::Kind::Stall, {}}; }

    explicit HostileServer(QObject* parent = nullptr);
    ~HostileServer() override;

    // The script for requests to `path`; other paths get `setDefaultScript`'s.
    void setScript(const QByteArray& path, const Script& script) { m_scripts[path] = script; }
    void setDefaultScript(const Script& script) { m_default = script; }

    QUrl url(const QString& path) const;
    qint64 bytesSent() const { return m_bytesSent; }
    int requestCount() const { return m_requests; }

private:
    struct Connection;
    void accept();
    void readRequest(Connection* c);
    void run(Connection* c);
    void refill(Connection* c);
    void trickle(Connection* c);
    void drop(Connection* c);

    QTcpServer* m_server;
    QHash<QByteArray, Script> m_scripts;
    Script m_default;
    QList<Connection*> m_connections;
    qint64 m_bytesSent = 0;
    int m_requests = 0;
};
