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
#include <sys/stat.h>
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

// The user's runtime folder, or nothing when there is none: the shared
// temporary folder would let any other user create the lock file first.
QString defaultDirectory() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

void warnUnprotected(const QString& reason) {
    qWarning("Tallowmere: the single-instance lock cannot be taken (%s); starting without it.",
             qPrintable(reason));
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
    // A folder that is not this user's alone could hold anyone's lock file.
    struct stat folder {};
    const QByteArray dir = QFile::encodeName(directory());
    if (dir.isEmpty() || ::stat(dir.constData(), &folder) != 0 || !S_ISDIR(folder.st_mode) ||
        folder.st_uid != ::geteuid() || (folder.st_mode & (S_IWGRP | S_IWOTH))) {
        warnUnprotected(QStringLiteral("no private runtime folder"));
        return true;
    }
    const QByteArray path = QFile::encodeName(lockFilePath());
    // Never through a link someone else planted.
    int fd;
    do {
        fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY, 0600);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        warnUnprotected(lockFilePath() + QStringLiteral(": ") + qt_error_string(errno));
        return true;
    }
    int rc;
    do {
        rc = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        const int error = errno;
        ::close(fd);
        // Only a lock held elsewhere means another copy runs.
        if (error == EWOULDBLOCK)
            return false;
        warnUnprotected(lockFilePath() + QStringLiteral(": ") + qt_error_string(error));
        return true;
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
