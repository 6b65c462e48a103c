#include "platform/InstanceLock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QScopeGuard>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTimer>

#include <QCoreApplication>
#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
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

// The socket's file: a plain server name lives in the temporary folder.
QByteArray socketFile(const QString& serverName) {
    return QFile::encodeName(QDir::isAbsolutePath(serverName)
                                 ? serverName
                                 : QDir(QDir::tempPath()).filePath(serverName));
}

sockaddr_un socketAddress(const QByteArray& file) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, file.constData(), sizeof address.sun_path);
    return address;
}

// A time-bounded wait for `events` on `fd`; false on time-out or error.
bool waitFor(int fd, short events, int timeoutMs) {
    pollfd p{fd, events, 0};
    int rc;
    do {
        rc = ::poll(&p, 1, timeoutMs);
    } while (rc < 0 && errno == EINTR);
    return rc > 0 && (p.revents & events);
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

bool InstanceLock::runUnprotected(const QString& reason) {
    qWarning("%s: the single-instance lock cannot be taken (%s); starting without it.",
             qPrintable(m_name), qPrintable(reason));
    m_unprotectedReason = reason;
    return true;
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
    m_unprotectedReason.clear();
    // A folder that is not this user's alone could hold anyone's lock file.
    struct stat folder {};
    const QByteArray dir = QFile::encodeName(directory());
    if (dir.isEmpty() || ::stat(dir.constData(), &folder) != 0 || !S_ISDIR(folder.st_mode) ||
        folder.st_uid != ::geteuid() || (folder.st_mode & (S_IWGRP | S_IWOTH))) {
        return runUnprotected(
            dir.isEmpty()
                ? QCoreApplication::translate("InstanceLock", "no private runtime folder")
                : QCoreApplication::translate("InstanceLock", "%1 is no private runtime folder")
                      .arg(directory()));
    }
    const QByteArray path = QFile::encodeName(lockFilePath());
    // Never through a link someone else planted.
    int fd;
    do {
        fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY, 0600);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        const int error = errno; // before anything else can change it
        return runUnprotected(lockFilePath() + QStringLiteral(": ") + qt_error_string(error));
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
        return runUnprotected(lockFilePath() + QStringLiteral(": ") + qt_error_string(error));
    }
    m_fd = fd;
    startServer();
    return true;
}

// The activation server is a plain local socket watched by the event loop
// (no network library needed at start-up).
void InstanceLock::startServer() {
    const QByteArray file = socketFile(serverName());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    const sockaddr_un address = socketAddress(file);
    // A socket file left by a copy that died would make bind() fail. Removing
    // it is safe only because we hold the lock: no live holder can own it.
    ::unlink(file.constData());
    if (fd < 0 || ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::chmod(file.constData(), 0600) != 0 || ::listen(fd, 8) != 0) {
        // The lock still holds; only activation requests cannot arrive.
        qWarning("Cannot listen for activation requests on %s: %s", file.constData(),
                 qPrintable(qt_error_string(errno)));
        if (fd >= 0)
            ::close(fd);
        return;
    }
    m_serverFd = fd;
    m_serverFile = file;
    auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &InstanceLock::acceptConnections);
    m_server = notifier;
}

void InstanceLock::acceptConnections() {
    // A caller's socket, closed when its notifier and timer are gone.
    struct Caller {
        explicit Caller(int socket)
            : fd(socket) {}
        Caller(const Caller&) = delete;
        Caller& operator=(const Caller&) = delete;
        ~Caller() { ::close(fd); }
        const int fd;
        QByteArray request;
    };
    int fd;
    while ((fd = ::accept4(m_serverFd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) >= 0) {
        const auto caller = std::make_shared<Caller>(fd);
        // Each caller has a moment to send its request, then is dropped.
        auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, m_server);
        const auto drop = [notifier] {
            notifier->setEnabled(false);
            notifier->deleteLater();
        };
        QTimer::singleShot(2000, notifier, drop);
        connect(notifier, &QSocketNotifier::activated, notifier, [this, caller, drop] {
            char buffer[64];
            const ssize_t n = ::read(caller->fd, buffer, sizeof buffer);
            if (n < 0 && (errno == EAGAIN || errno == EINTR))
                return;
            if (n > 0)
                caller->request.append(buffer, n);
            // Wait for a whole line, unless the caller hung up or sent more
            // than a request: that is not one of ours.
            if (n > 0 && !caller->request.contains('\n') &&
                caller->request.size() <= kActivate.size())
                return;
            drop();
            if (caller->request == kActivate) {
                (void)::send(caller->fd, "ok\n", 3, MSG_NOSIGNAL);
                emit activationRequested();
            }
        });
    }
}

bool InstanceLock::requestActivation(int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    const auto remaining = [&] { return int(qMax<qint64>(0, timeoutMs - clock.elapsed())); };

    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    const auto closeSocket = qScopeGuard([fd] { ::close(fd); });
    const sockaddr_un address = socketAddress(socketFile(serverName()));
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 &&
        !(errno == EAGAIN && waitFor(fd, POLLOUT, remaining())))
        return false;
    qsizetype sent = 0;
    while (sent < kActivate.size()) {
        const ssize_t n =
            ::send(fd, kActivate.constData() + sent, kActivate.size() - sent, MSG_NOSIGNAL);
        if (n > 0)
            sent += n;
        else if (!(n < 0 && (errno == EAGAIN || errno == EINTR) &&
                   waitFor(fd, POLLOUT, remaining())))
            return false;
    }
    // Delivered once the holder's socket has the request. Its answer is waited
    // for only briefly: the holder runs its event loop in another process.
    waitFor(fd, POLLIN, qMin(remaining(), 200));
    return true;
}

void InstanceLock::release() {
    if (m_server) {
        delete m_server; // and every caller's notifier with it
        m_server = nullptr;
        ::close(m_serverFd);
        ::unlink(m_serverFile.constData());
        m_serverFd = -1;
    }
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}
