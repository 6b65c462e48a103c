#include "update/HttpCli.h"

#include "platform/ProductInfo.h"

#include <QHostAddress>
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

QString resolveFailure() {
    return THttpCli::tr("can't resolve hostname to IP address");
}

// "Connection refused (Error #111)": the system's text and number of an errno.
QString systemError(int code) {
    return THttpCli::tr("%1 (Error #%2)")
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

bool isLoopback(const QString& host) {
    return host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0 ||
           QHostAddress(host).isLoopback();
}

QString shown(const QUrl& url) {
    return url.toDisplayString(QUrl::RemoveUserInfo);
}

} // namespace

QString THttpCli::refusal(const QUrl& url, bool plainHttpLoopbackOnly) {
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return tr("\"%1\" is not an http or https address").arg(shown(url));
    if (plainHttpLoopbackOnly && scheme == QLatin1String("http") && !isLoopback(url.host()))
        return tr("%1 was refused: plain http is used only on this machine, "
                  "other servers must be reached over https")
            .arg(shown(url));
    return {};
}

THttpCli::THttpCli(QObject* parent)
    : QObject(parent) {
    m_idle.setSingleShot(true);
    connect(&m_idle, &QTimer::timeout, this, &THttpCli::onTimeout);
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, &THttpCli::onTimeout);
    connect(&m_rateCheck, &QTimer::timeout, this, &THttpCli::onRateCheck);
}

THttpCli::~THttpCli() {
    dropReply();
}

void THttpCli::dropReply() {
    if (!m_reply)
        return;
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    if (reply->isRunning())
        reply->abort();
    reply->deleteLater();
}

void THttpCli::requireIdle() const {
    if (busy())
        throw EHttpException(tr("HTTP component is busy"));
}

void THttpCli::StartGet() {
    requireIdle();
    m_status = 0;
    m_reason.clear();
    m_announced = -1;
    m_received = 0;
    m_bodyBytes = 0;
    m_windowStart = 0;

    m_overLimit = false;
    m_redirects = 0;

    const QUrl url(URL);
    if (const QString refused = refusal(url, m_plainHttpLoopbackOnly); !refused.isEmpty()) {
        failQueued(refused);
        return;
    }
    if (m_lookup && Proxy.isEmpty() && !m_lookup(url.host())) {
        failQueued(resolveFailure());
        return;
    }
    send(url);
    if (m_deadlineMs >= 0)
        m_deadline.start(m_deadlineMs);
    if (m_minRate > 0 && m_rateWindowMs > 0)
        m_rateCheck.start(m_rateWindowMs);
}

void THttpCli::send(const QUrl& url) {
    QNetworkRequest request(url);
    request.setRawHeader("User-Agent", QByteArray(ProductInfo::kTitle) + " update check");
    // The network layer holds at most kReadBufferBytes of a reply we have not
    // read only on this road: HTTP/1.1, a body taken as it is sent, and the
    // limit given the moment the reply exists (given later, or to a request
    // the layer makes itself for a relocation, it may never apply). An answer
    // the layer unpacks itself is kept whole while it is unpacked, so the body
    // is asked for as it is, and one that comes packed anyway is refused.
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    request.setRawHeader("Accept-Encoding", "identity");
    // Each request, a relocated one too, on a network layer of its own: one
    // that has served a request before does not always hold the next reply
    // to its limit. Relocations are followed by follow(), not by the layer.
    if (m_manager)
        m_manager->deleteLater();
    m_manager = new QNetworkAccessManager(this);
    m_manager->setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
    m_manager->setProxy(Proxy.isEmpty()
                            ? QNetworkProxy(QNetworkProxy::NoProxy)
                            : QNetworkProxy(QNetworkProxy::HttpProxy, Proxy, ProxyPort.toUShort()));
    m_address = url;
    m_reply = m_manager->get(request);
    m_reply->setReadBufferSize(kReadBufferBytes);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &THttpCli::onMetaData);
    connect(m_reply, &QNetworkReply::readyRead, this, &THttpCli::onReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &THttpCli::onFinished);
    m_idle.start(m_timeoutMs);
}

void THttpCli::failQueued(const QString& reason) {
    m_pendingDone = true; // busy until the failure is delivered
    QMetaObject::invokeMethod(
        this,
        [this, reason] {
            m_pendingDone = false;
            fail(reason);
        },
        Qt::QueuedConnection);
}

void THttpCli::follow(const QByteArray& location) {
    const QUrl from = m_address;
    const QUrl next = from.resolved(QUrl::fromEncoded(location));
    if (++m_redirects > kMaxRedirects) {
        fail(tr("too many relocations (more than %1)").arg(kMaxRedirects));
        return;
    }
    const QString scheme = next.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https")) {
        fail(tr("%1 sends the request on to \"%2\", which was refused: only http and https "
                "addresses are followed")
                 .arg(shown(from), QString::fromUtf8(location)));
        return;
    }
    QString refused = refusal(next, m_plainHttpLoopbackOnly);
    if (refused.isEmpty() && from.scheme().toLower() == QLatin1String("https") &&
        scheme != QLatin1String("https"))
        refused = tr("it leaves https for plain http");
    if (!refused.isEmpty()) {
        fail(tr("%1 sends the request on to %2, which was refused: %3")
                 .arg(shown(from), shown(next), refused));
        return;
    }
    if (m_lookup && Proxy.isEmpty() && !m_lookup(next.host())) {
        fail(resolveFailure());
        return;
    }
    dropReply();
    send(next);
}

void THttpCli::CancelRequest() {
    if (!m_reply)
        return;
    m_status = 404;
    m_reason = tr("Connection aborted on request");
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
    if (m_status >= 300 && m_status < 400 && m_status != 304 && m_reply->hasRawHeader("Location")) {
        follow(m_reply->rawHeader("Location"));
        return;
    }
    const QByteArray encoding = m_reply->rawHeader("Content-Encoding").trimmed().toLower();
    if (m_status < 300 && !encoding.isEmpty() && encoding != "identity") {
        fail(tr("the answer from %1 comes packed (\"%2\") although it was asked for as it is")
                 .arg(shown(m_reply->url()), QString::fromLatin1(encoding)));
        return;
    }
    // An announced body over the limit is refused before any of it is read.
    if (m_reply && m_bodyLimit >= 0 && m_status < 300 && m_announced > m_bodyLimit) {
        m_overLimit = true;
        fail(tr("response larger than %1 bytes").arg(m_bodyLimit));
    }
}

void THttpCli::onReadyRead() {
    if (!m_reply)
        return;
    m_idle.start(m_timeoutMs);
    const QByteArray piece = m_reply->readAll();
    if (piece.isEmpty())
        return;
    if (m_bodyLimit >= 0 && m_bodyBytes + piece.size() > m_bodyLimit) {
        m_overLimit = true;
        fail(tr("response larger than %1 bytes").arg(m_bodyLimit));
        return;
    }
    m_bodyBytes += piece.size();
    m_received = clampToInt(m_bodyBytes);
    if (ReceiveTarget && !writeAll(*ReceiveTarget, piece)) {
        fail(tr("can't write the received data: %1").arg(ReceiveTarget->errorString()));
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
        // The network layer may end a body that stopped short without an
        // error (seen with a reply held to its read buffer): it is a failure.
        const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
        if (m_status >= 200 && m_status < 300 && length.isValid() &&
            m_bodyBytes < length.toLongLong()) {
            fail(tr("%1 after %2 of the %3 bytes announced")
                     .arg(systemError(ECONNRESET))
                     .arg(m_bodyBytes)
                     .arg(length.toLongLong()));
            return;
        }
        finish(0);
        return;
    }
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool responded = status != 0;
    if (responded && !isTransportError(code)) {
        finish(0); // a response with a status above 200: not the client's failure
        return;
    }
    switch (code) {
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::ProxyNotFoundError:
        fail(resolveFailure());
        break;
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::ProxyConnectionRefusedError:
        fail(tr("can't connect: ") + systemError(ECONNREFUSED));
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
        fail(tr("too many relocations (more than %1)").arg(kMaxRedirects));
        break;
    default:
        fail(tr("%1 (Error #%2)").arg(m_reply->errorString()).arg(int(code)));
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
        fail(tr("transfer too slow: less than %1 bytes a second for %2 seconds")
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
    dropReply();
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
