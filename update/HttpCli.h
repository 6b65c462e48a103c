#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <stdexcept>

class QIODevice;
class QNetworkAccessManager;
#include <QNetworkReply>
#include <QUrl>

// The HTTP client's own error: raised by StartGet while a request runs.
class EHttpException : public std::runtime_error {
public:
    explicit EHttpException(const QString& message)
        : std::runtime_error(message.toStdString())
        , m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

enum class THttpRequest { httpGET };

// Asynchronous HTTP GET on the GUI thread's event loop. One request at a time;
// the body goes piece by piece into ReceiveTarget. Relocations are followed
// here, so callers see the final response only. The client's own failures
// (name lookup, connection, time-out, a transfer too slow, a body over the
// limit, a write to ReceiveTarget that fails, an address or relocation
// refused, an answer that comes packed, cancel) end the request
// with status 404, a reason text and a non-zero Error.
// OnRequestDone comes exactly once per request, after the last OnDocData, and
// always from the event loop (never from inside StartGet or CancelRequest).
class THttpCli : public QObject {
    Q_OBJECT
public:
    using RequestDoneEvent =
        std::function<void(THttpCli* sender, THttpRequest rqType, std::uint16_t error)>;
    using DocDataEvent = std::function<void(THttpCli* sender, const char* buffer, int len)>;
    // Tells whether a host name resolves; tests inject one so that no lookup
    // ever leaves the machine. Unset, the network layer resolves by itself.
    using HostLookup = std::function<bool(const QString& host)>;

    static constexpr int kDefaultTimeoutMs = 30000;
    static constexpr int kMaxRedirects = 10;
    // What the network layer may hold of a reply before we read it: reading
    // at the pace the data is written keeps memory flat (a few MiB above
    // this, whatever the server sends).
    static constexpr qint64 kReadBufferBytes = 1024 * 1024;

    // Why the client would refuse to fetch `url` (or to be sent on to it),
    // in words; empty when it may. Only http and https addresses are
    // fetched; with `plainHttpLoopbackOnly`, plain http only from this machine.
    static QString refusal(const QUrl& url, bool plainHttpLoopbackOnly);

    explicit THttpCli(QObject* parent = nullptr);
    ~THttpCli() override;

    QString URL;
    QString Proxy;
    QString ProxyPort = QStringLiteral("80");
    QIODevice* ReceiveTarget = nullptr;
    RequestDoneEvent OnRequestDone;
    DocDataEvent OnDocData;

    void StartGet();
    void CancelRequest();
    bool busy() const { return m_reply != nullptr || m_pendingDone; }
    // Throws EHttpException "HTTP component is busy" while busy().
    void requireIdle() const;

    int ResponseStatus() const { return m_status; }
    const QString& ResponseReason() const { return m_reason; }
    int AnnouncedLength() const { return m_announced; }
    int ReceivedCount() const { return m_received; }

    // Body bytes allowed in total; beyond it the request fails. Negative: no limit.
    void setBodyLimit(qint64 bytes) { m_bodyLimit = bytes; }
    // Silence (no data at all) longer than this ends the request.
    void setTimeoutMs(int ms) { m_timeoutMs = ms; }
    // The whole request, relocations included, ends as timed out after this
    // long, however steadily data comes. Negative: no bound (the default).
    void setDeadlineMs(int ms) { m_deadlineMs = ms; }
    // Window after window of `windowMs` from the start, a request that
    // received fewer body bytes than `bytesPerSecond` a second on average ends
    // as too slow. 0: no floor (the default). Applies from the next StartGet.
    void setMinimumRate(int bytesPerSecond, int windowMs) {
        m_minRate = bytesPerSecond;
        m_rateWindowMs = windowMs;
    }
    void setHostLookup(HostLookup lookup) { m_lookup = std::move(lookup); }
    // Plain http is followed only to loopback addresses (the default): over
    // any other network nothing tells who answered.
    void setPlainHttpLoopbackOnly(bool value) { m_plainHttpLoopbackOnly = value; }
    // Whether the last request ended because its body passed the limit.
    bool bodyOverLimit() const { return m_overLimit; }

private:
    void onMetaData();
    void onReadyRead();
    void onFinished();
    void onTimeout();
    void onRateCheck();
    // Ends the running request as the client's own failure.
    void fail(const QString& reason);
    // Drops the reply and raises OnRequestDone from the event loop.
    void finish(std::uint16_t error);
    // Aborts the running reply, if any, and stops listening to it.
    void dropReply();
    void readHeaders();
    // Starts the request for `url` (the first, or one relocated to).
    void send(const QUrl& url);
    // Follows a relocation to `location`, or ends the request as refused.
    void follow(const QByteArray& location);
    // Fails from the event loop, for a request refused before it started.
    void failQueued(const QString& reason);

    QPointer<QNetworkAccessManager> m_manager;
    QPointer<QNetworkReply> m_reply;
    QTimer m_idle;
    QTimer m_deadline;
    QTimer m_rateCheck;
    HostLookup m_lookup;
    int m_status = 0;
    QString m_reason;
    int m_announced = -1;
    int m_received = 0;
    qint64 m_bodyLimit = -1;
    int m_timeoutMs = kDefaultTimeoutMs;
    int m_deadlineMs = -1;
    int m_minRate = 0;
    int m_rateWindowMs = 0;
    qint64 m_bodyBytes = 0;   // unclamped count of m_received
    qint64 m_windowStart = 0; // m_bodyBytes when the current window began
    bool m_pendingDone = false;
    bool m_plainHttpLoopbackOnly = true;
    bool m_overLimit = false;
    int m_redirects = 0;
    QUrl m_address; // of the request as relocated so far
};
