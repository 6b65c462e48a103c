#include "update/HttpCli.h"

#include <QIODevice>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>
#include <cerrno>
#include <climits>
#include <cstring>

namespace {

const QString kResolveFailure = QStringLiteral("can't resolve hostname to IP address");

// "Connection refused (Error #111)": the system's text and number of an errno.
QString systemError(int code) {
    return QStringLiteral("%1 (Error #%2)")
        .arg(QString::fromLocal8Bit(std::strerror(code)))
        .arg(code);
}

// Writes all of `data`. A short write (a disk filling up) is tried again for
// the rest, so that a failure comes with the device's reason: the system's
// text for errno ("No space left on device") in the case of a file.
bool writeAll(QIODevice& device, const QByteArray& data) {
    for (qint64 done = 0; done < data.size();) {
        const qint64 written = device.write(data.constData() + done, data.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

int clampToInt(qint64 value) {
    return value > INT_MAX ? INT_MAX : int(value);
}

// Errors after which no usable response exists, whatever arrived before.
bool isTransportError(QNetworkReply::NetworkError code) {
    return code < QNetworkReply::ContentAccessDenied || code == QNetworkReply::UnknownContentError;
}

} // namespace

THttpCli::THttpCli(QObject* parent)
    : QObject(parent)
    , m_manager(new QNetworkAccessManager(this)) {
    m_manager->setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
    m_idle.setSingleShot(true);
    connect(&m_idle, &QTimer::timeout, this, &THttpCli::onTimeout);
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, &THttpCli::onTimeout);
    connect(&m_rateCheck, &QTimer::timeout, this, &THttpCli::onRateCheck);
}

THttpCli::~THttpCli() {
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        delete m_reply;
    }
}

void THttpCli::StartGet() {
    if (busy())
        throw EHttpException(QStringLiteral("HTTP component is busy"));
    m_status = 0;
    m_reason.clear();
    m_announced = -1;
    m_received = 0;
    m_bodyBytes = 0;
    m_windowStart = 0;

    const QUrl url(URL);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        m_pendingDone = true; // busy until the failure is delivered
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_pendingDone = false;
                fail(QStringLiteral("unsupported address"));
            },
            Qt::QueuedConnection);
        return;
    }
    if (Proxy.isEmpty()) {
        m_manager->setProxy(QNetworkProxy::NoProxy);
    } else {
        m_manager->setProxy(QNetworkProxy(QNetworkProxy::HttpProxy, Proxy, ProxyPort.toUShort()));
    }
    if (m_lookup && Proxy.isEmpty() && !m_lookup(url.host())) {
        m_pendingDone = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_pendingDone = false;
                fail(kResolveFailure);
            },
            Qt::QueuedConnection);
        return;
    }

    QNetworkRequest request(url);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    request.setRawHeader("User-Agent", "Tallowmere update check");
    m_reply = m_manager->get(request);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &THttpCli::onMetaData);
    connect(m_reply, &QNetworkReply::readyRead, this, &THttpCli::onReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &THttpCli::onFinished);
    connect(m_reply, &QNetworkReply::redirected, this, [this] { m_idle.start(m_timeoutMs); });
    m_idle.start(m_timeoutMs);
    if (m_deadlineMs >= 0)
        m_deadline.start(m_deadlineMs);
    if (m_minRate > 0 && m_rateWindowMs > 0)
        m_rateCheck.start(m_rateWindowMs);
}

void THttpCli::CancelRequest() {
    if (!m_reply)
        return;
    m_status = 404;
    m_reason = QStringLiteral("Connection aborted on request");
    finish(1);
}

void THttpCli::readHeaders() {
    const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid())
        return;
    m_status = status.toInt();
    m_reason = m_reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    m_announced = length.isValid() ? clampToInt(length.toLongLong()) : -1;
}

void THttpCli::onMetaData() {
    m_idle.start(m_timeoutMs);
    readHeaders();
}

void THttpCli::onReadyRead() {
    if (!m_reply)
        return;
    m_idle.start(m_timeoutMs);
    const QByteArray piece = m_reply->readAll();
    if (piece.isEmpty())
        return;
    if (m_bodyLimit >= 0 && m_bodyBytes + piece.size() > m_bodyLimit) {
        fail(QStringLiteral("response larger than %1 bytes").arg(m_bodyLimit));
        return;
    }
    m_bodyBytes += piece.size();
    m_received = clampToInt(m_bodyBytes);
    if (ReceiveTarget && !writeAll(*ReceiveTarget, piece)) {
        fail(QStringLiteral("can't write the received data: %1").arg(ReceiveTarget->errorString()));
        return;
    }
    if (OnDocData) {
        // A copy: the handler may replace or remove itself.
        const DocDataEvent handler = OnDocData;
        handler(this, piece.constData(), int(piece.size()));
    }
}

void THttpCli::onFinished() {
    if (!m_reply)
        return;
    readHeaders();
    onReadyRead(); // whatever is still buffered
    if (!m_reply)
        return; // failed while writing the last piece
    const QNetworkReply::NetworkError code = m_reply->error();
    if (code == QNetworkReply::NoError) {
        finish(0);
        return;
    }
    const bool responded = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
    if (responded && !isTransportError(code)) {
        finish(0); // a response with a status above 200: not the client's failure
        return;
    }
    switch (code) {
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::ProxyNotFoundError:
        fail(kResolveFailure);
        break;
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::ProxyConnectionRefusedError:
        fail(QStringLiteral("can't connect: ") + systemError(ECONNREFUSED));
        break;
    case QNetworkReply::RemoteHostClosedError:
    case QNetworkReply::ProxyConnectionClosedError:
        fail(systemError(ECONNRESET));
        break;
    case QNetworkReply::TimeoutError:
    case QNetworkReply::ProxyTimeoutError:
        fail(systemError(ETIMEDOUT));
        break;
    case QNetworkReply::TooManyRedirectsError:
        fail(QStringLiteral("too many relocations (more than %1)").arg(kMaxRedirects));
        break;
    default:
        fail(QStringLiteral("%1 (Error #%2)").arg(m_reply->errorString()).arg(int(code)));
        break;
    }
}

void THttpCli::onTimeout() {
    if (m_reply)
        fail(systemError(ETIMEDOUT));
}

void THttpCli::onRateCheck() {
    if (!m_reply)
        return;
    if (m_bodyBytes - m_windowStart < qint64(m_minRate) * m_rateWindowMs / 1000) {
        fail(QStringLiteral("transfer too slow: less than %1 bytes a second for %2 seconds")
                 .arg(m_minRate)
                 .arg(m_rateWindowMs / 1000.0));
        return;
    }
    m_windowStart = m_bodyBytes;
}

void THttpCli::fail(const QString& reason) {
    m_status = 404;
    m_reason = reason;
    finish(1);
}

void THttpCli::finish(std::uint16_t error) {
    m_idle.stop();
    m_deadline.stop();
    m_rateCheck.stop();
    if (m_reply) {
        QNetworkReply* reply = m_reply;
        m_reply = nullptr;
        reply->disconnect(this);
        if (reply->isRunning())
            reply->abort();
        reply->deleteLater();
    }
    m_pendingDone = true;
    QMetaObject::invokeMethod(
        this,
        [this, error] {
            m_pendingDone = false;
            if (OnRequestDone) {
                const RequestDoneEvent handler = OnRequestDone;
                handler(this, THttpRequest::httpGET, error);
            }
        },
        Qt::QueuedConnection);
}
