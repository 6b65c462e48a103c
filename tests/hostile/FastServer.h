#pragma once

#include <QByteArray>
#include <QHash>
#include <QMutex>
#include <QString>
#include <atomic>
#include <thread>

// An HTTP server on 127.0.0.1 in a thread of its own: it answers each request
// with a head and a body written as fast as the socket takes them, so unlike a
// server on the test's own event loop it is never paced by the client. One
// connection at a time; stops (and closes every connection) when destroyed.
class FastServer {
public:
    struct Answer {
        QByteArray head;   // status line and headers, up to the blank line
        QByteArray body;   // sent once, first
        QByteArray filler; // then repeated `repeats` times (-1: without end)
        qint64 repeats = 0;
        bool chunked = false; // body and filler go out as chunks
    };

    FastServer();
    ~FastServer();
    FastServer(const FastServer&) = delete;
    FastServer& operator=(const FastServer&) = delete;

    // The answer for requests to `path` (whatever query follows it); other paths get a 404.
    void setAnswer(const QByteArray& path, const Answer& answer);
    QString url(const QString& path) const;
    qint64 bytesSent() const { return m_sent.load(); }

private:
    void serve();
    void answer(int socket);
    bool sendAll(int socket, const QByteArray& data);

    int m_listener = -1;
    quint16 m_port = 0;
    QMutex m_mutex;
    QHash<QByteArray, Answer> m_answers;
    std::atomic<bool> m_stop{false};
    std::atomic<qint64> m_sent{0};
    std::thread m_thread;
};
