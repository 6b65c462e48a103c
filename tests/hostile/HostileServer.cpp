#include "tests/hostile/HostileServer.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <sys/socket.h>

namespace {

constexpr qint64 kMaxUnsent = 1024 * 1024;

} // namespace

struct HostileServer::Connection {
    QTcpSocket* socket = nullptr;
    QByteArray request;
    bool answering = false;
    Script script;
    qsizetype step = 0;
    qint64 repeated = 0; // Repeat: copies written; Trickle: bytes written
    QTimer timer;
};

HostileServer::HostileServer(QObject* parent)
    : QObject(parent)
    , m_server(new QTcpServer(this)) {
    connect(m_server, &QTcpServer::newConnection, this, &HostileServer::accept);
    m_server->listen(QHostAddress::LocalHost);
}

HostileServer::~HostileServer() {
    for (Connection* c : std::as_const(m_connections)) {
        c->socket->disconnect(this);
        c->socket->abort();
        delete c;
    }
}

QUrl HostileServer::url(const QString& path) const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server->serverPort()).arg(path));
}

void HostileServer::accept() {
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        auto* c = new Connection;
        c->socket = socket;
        socket->setParent(this);
        m_connections << c;
        connect(socket, &QTcpSocket::readyRead, this, [this, c] { readRequest(c); });
        connect(socket, &QTcpSocket::bytesWritten, this, [this, c](qint64 written) {
            m_bytesSent += written;
            refill(c);
        });
        connect(socket, &QTcpSocket::disconnected, this, [this, c] { drop(c); });
        c->timer.callOnTimeout(this, [this, c] { trickle(c); });
        readRequest(c);
    }
}

void HostileServer::readRequest(Connection* c) {
    c->request += c->socket->readAll();
    if (c->answering || !c->request.contains("\r\n\r\n"))
        return;
    c->answering = true;
    ++m_requests;
    const QList<QByteArray> words = c->request.left(c->request.indexOf('\r')).split(' ');
    const QByteArray path = words.size() > 1 ? words[1] : QByteArray();
    c->script = m_scripts.value(path, m_default);
    run(c);
}

// Carries out steps until one has to wait (a trickle, a stream that fills the
// socket's buffer, a stall) or the connection ends.
void HostileServer::run(Connection* c) {
    while (c->step < c->script.size()) {
        const Step& s = c->script[c->step];
        switch (s.kind) {
        case Step::Kind::Send:
            c->socket->write(s.data);
            break;
        case Step::Kind::Trickle:
            if (c->repeated < s.data.size()) {
                c->timer.start(s.intervalMs);
                return; // trickle() goes on
            }
            break;
        case Step::Kind::Repeat:
            while ((s.count < 0 || c->repeated < s.count) &&
                   c->socket->bytesToWrite() < kMaxUnsent) {
                c->socket->write(s.data);
                ++c->repeated;
            }
            if (s.count < 0 || c->repeated < s.count)
                return; // more once the socket has sent some
            break;
        case Step::Kind::Reset: {
            // A zero linger time makes closing send a reset instead of a FIN.
            const linger hard{1, 0};
            ::setsockopt(int(c->socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &hard,
                         sizeof hard);
            c->socket->abort();
            return;
        }
        case Step::Kind::Close:
            c->socket->disconnectFromHost();
            return;
        case Step::Kind::Stall:
            return;
        }
        ++c->step;
        c->repeated = 0;
    }
}

void HostileServer::refill(Connection* c) {
    if (c->answering && c->step < c->script.size() && c->script[c->step].kind == Step::Kind::Repeat)
        run(c);
}

void HostileServer::trickle(Connection* c) {
    const Step& s = c->script[c->step];
    c->socket->write(s.data.mid(c->repeated++, 1));
    if (c->repeated < s.data.size())
        return;
    c->timer.stop();
    ++c->step;
    c->repeated = 0;
    run(c);
}

void HostileServer::drop(Connection* c) {
    if (!m_connections.removeOne(c))
        return;
    c->socket->disconnect(this);
    c->socket->deleteLater();
    delete c;
}
