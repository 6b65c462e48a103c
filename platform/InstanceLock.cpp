#include "platform/InstanceLock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

const QByteArray kActivate("activate\n");
// Longest path a local socket address can hold, with room to spare.
constexpr qsizetype kMaxSocketPath = 100;

// The name as a file-name part: letters, digits, '.', '-' and '_' only.
QString fileNamePart(const QString& name) {
    QString out;
    for (QChar c : name.toLower())
        out += (c.isLetterOrNumber() && c.unicode() < 128) || c == u'.' || c == u'-' ? c : u'_';
    if (out.isEmpty())
        return QStringLiteral("_");
    // A long name keeps the lock file and socket names within the system's
    // limits: a prefix of it and a digest of the whole.
    constexpr qsizetype kMaxPart = 64;
    if (out.size() > kMaxPart) {
        const QByteArray digest =
            QCryptographicHash::hash(name.toLower().toUtf8(), QCryptographicHash::Sha1).toHex();
        out = out.left(kMaxPart - digest.size() - 1) + u'-' + QString::fromLatin1(digest);
    }
    return out;
}

QString defaultDirectory() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

} // namespace

InstanceLock::InstanceLock(const QString& name, QObject* parent)
    : InstanceLock(name, QString(), parent) {}

InstanceLock::InstanceLock(const QString& name, const QString& directory, QObject* parent)
    : QObject(parent)
    , m_name(name)
    , m_directory(directory) {}

InstanceLock::~InstanceLock() {
    release();
}

QString InstanceLock::baseName() const {
    return fileNamePart(m_name) + u'-' + QString::number(::getuid());
}

QString InstanceLock::directory() const {
    return m_directory.isEmpty() ? defaultDirectory() : m_directory;
}

QString InstanceLock::lockFilePath() const {
    return QDir(directory()).filePath(baseName() + QStringLiteral(".lock"));
}

QString InstanceLock::serverName() const {
    // A full path keeps the socket in the same private folder as the lock;
    // a plain name (placed by Qt in the temporary folder) when it would be too long.
    const QString path = QDir(directory()).filePath(baseName() + QStringLiteral(".socket"));
    return path.toLocal8Bit().size() <= kMaxSocketPath ? path : baseName();
}

bool InstanceLock::tryLock() {
    if (m_fd >= 0)
        return true;
    const QByteArray path = QFile::encodeName(lockFilePath());
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    int rc;
    do {
        rc = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    startServer();
    return true;
}

void InstanceLock::startServer() {
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket file left by a copy that died would make listen() fail. Removing
    // it is safe only because we hold the lock: no live holder can own it.
    QLocalServer::removeServer(serverName());
    if (!m_server->listen(serverName())) {
        // The lock still holds; only activation requests cannot arrive.
        qWarning("Cannot listen for activation requests on %s: %s", qPrintable(serverName()),
                 qPrintable(m_server->errorString()));
        return;
    }
    connect(m_server, &QLocalServer::newConnection, this, &InstanceLock::acceptConnections);
}

void InstanceLock::acceptConnections() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // The request may have arrived with the connection.
        if (socket->bytesAvailable() > 0)
            readRequest(socket);
    }
}

void InstanceLock::readRequest(QLocalSocket* socket) {
    if (!socket->canReadLine()) {
        // Anything longer than a request is not one of ours.
        if (socket->bytesAvailable() > kActivate.size())
            socket->abort();
        return;
    }
    const QByteArray line = socket->readLine(kActivate.size() + 1);
    if (line == kActivate) {
        socket->write("ok\n");
        socket->flush();
        emit activationRequested();
    }
    socket->disconnectFromServer();
}

bool InstanceLock::requestActivation(int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    const auto remaining = [&] { return int(qMax<qint64>(0, timeoutMs - clock.elapsed())); };

    QLocalSocket socket;
    socket.connectToServer(serverName());
    if (!socket.waitForConnected(remaining()))
        return false;
    socket.write(kActivate);
    if (!socket.waitForBytesWritten(remaining()))
        return false;
    // Delivered once the holder's socket has the request. Its answer is waited
    // for only briefly: the holder runs its event loop in another process.
    socket.waitForReadyRead(qMin(remaining(), 200));
    socket.disconnectFromServer();
    return true;
}

void InstanceLock::release() {
    if (m_server) {
        m_server->close();
        delete m_server;
        m_server = nullptr;
    }
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}
