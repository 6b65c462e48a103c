#include "platform/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <QCoreApplication>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace SafeFile {

namespace {

// New files are named "<name>.saving-XXXXXX", a pattern no user file of ours
// takes, so leftovers can be recognised and removed.
const QString kTemporaryInfix = QStringLiteral(".saving-");
constexpr int kRandomLength = 6;
const QLatin1String kRandomChars("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");

// How long a window waits for a pipe's reader to take more data.
constexpr int kReaderWaitMs = 5000;

[[noreturn]] void fail(int error, const QString& path = QString()) {
    throw Error(qt_error_string(error), path);
}

QString notRegular() {
    return QCoreApplication::translate("SafeFile", "it is not a regular file");
}

QString tooLarge(qint64 maxSize) {
    return QCoreApplication::translate("SafeFile", "it is larger than %1 KiB").arg(maxSize / 1024);
}

// Names that stand for an open descriptor rather than a file in a folder.
bool isDescriptorPath(const QString& path) {
    return path.startsWith(QLatin1String("/proc/")) || path.startsWith(QLatin1String("/dev/fd/"));
}

// Closes a descriptor and removes a file unless told that they were handed on.
struct Cleanup {
    int fd = -1;
    QByteArray unlinkPath;
    // Flushes the file to the disk when `sync`, then closes it; either failing throws.
    void syncAndClose(bool sync, const QString& path) {
        if (sync && ::fsync(fd) != 0 && errno != EINVAL)
            fail(errno, path);
        if (::close(std::exchange(fd, -1)) != 0 && errno != EINTR)
            fail(errno, path);
    }
    ~Cleanup() {
        if (fd >= 0)
            ::close(fd);
        if (!unlinkPath.isEmpty())
            ::unlink(unlinkPath.constData());
    }
};

// While alive, a write to a pipe whose reader has gone fails with EPIPE
// instead of ending the process with SIGPIPE; a SIGPIPE raised meanwhile is
// taken off this thread before the old mask returns.
class NoBrokenPipeSignal {
public:
    NoBrokenPipeSignal() {
        sigemptyset(&m_pipe);
        sigaddset(&m_pipe, SIGPIPE);
        sigset_t pending;
        sigpending(&pending);
        m_wasPending = sigismember(&pending, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &m_pipe, &m_old);
    }
    ~NoBrokenPipeSignal() {
        sigset_t pending;
        if (!m_wasPending && sigpending(&pending) == 0 && sigismember(&pending, SIGPIPE) == 1) {
            const timespec none{0, 0};
            while (sigtimedwait(&m_pipe, nullptr, &none) < 0 && errno == EINTR) {
            }
        }
        pthread_sigmask(SIG_SETMASK, &m_old, nullptr);
    }
    NoBrokenPipeSignal(const NoBrokenPipeSignal&) = delete;
    NoBrokenPipeSignal& operator=(const NoBrokenPipeSignal&) = delete;

private:
    sigset_t m_pipe{};
    sigset_t m_old{};
    bool m_wasPending = false;
};

// Writes every byte. On a descriptor that would block, waits up to `waitMs`
// for room (a negative wait: the descriptor blocks by itself).
void writeAll(int fd, const QByteArray& bytes, const QString& path, int waitMs) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            if ((errno == EAGAIN || errno == EWOULDBLOCK) && waitMs >= 0) {
                pollfd p{fd, POLLOUT, 0};
                int rc;
                do {
                    rc = ::poll(&p, 1, waitMs);
                } while (rc < 0 && errno == EINTR);
                if (rc == 0)
                    throw Error(
                        QCoreApplication::translate("SafeFile", "the reader stopped taking data"),
                        path);
                continue;
            }
            fail(errno, path);
        }
        done += n;
    }
}

// This process's own descriptor a name like /proc/self/fd/1 stands for; -1
// for any other name.
int ownDescriptor(const QString& path) {
    static const QRegularExpression form(
        QStringLiteral("^/(?:proc/(self|\\d+)|dev)/fd/(\\d{1,9})$"));
    const auto match = form.match(path);
    if (!match.hasMatch())
        return -1;
    const QString process = match.captured(1);
    if (!process.isEmpty() && process != QLatin1String("self") &&
        process.toLongLong() != qint64(::getpid()))
        return -1;
    return match.captured(2).toInt();
}

// Writes to a descriptor the process already has (standard output named as
// /dev/stdout): opened anew, a pipe would wait for a reader that may be gone.
void writeToDescriptor(int descriptor, const QString& path, const QByteArray& bytes) {
    Cleanup file;
    file.fd = ::fcntl(descriptor, F_DUPFD_CLOEXEC, 3);
    if (file.fd < 0)
        fail(errno, path);
    const NoBrokenPipeSignal noSignal;
    writeAll(file.fd, bytes, path, -1);
    struct stat st {};
    if (::fstat(file.fd, &st) == 0 && S_ISREG(st.st_mode) && ::fsync(file.fd) != 0 &&
        errno != EINVAL)
        fail(errno, path);
}

// An existing special file (or a regular file reached through a descriptor
// name) is written where it is: there is nothing to rename over it.
void writeInPlace(const QString& path, const QByteArray& bytes, Special special, bool regular,
                  bool pipe) {
    int flags = O_WRONLY | O_NOCTTY | O_CLOEXEC | (regular ? O_TRUNC : 0);
    if (special == Special::WriteNow)
        flags |= O_NONBLOCK; // a pipe without a reader fails at once (ENXIO)
    Cleanup file;
    do {
        file.fd = ::open(QFile::encodeName(path).constData(), flags);
    } while (file.fd < 0 && errno == EINTR);
    if (file.fd < 0) {
        if (errno == ENXIO && pipe)
            throw Error(
                QCoreApplication::translate("SafeFile", "no program is reading from the pipe"),
                path);
        fail(errno, path);
    }
    const NoBrokenPipeSignal noSignal;
    writeAll(file.fd, bytes, path, special == Special::WriteNow ? kReaderWaitMs : -1);
    file.syncAndClose(regular, path);
}

// Creates the new file with the process's usual mode for new files (the
// umask applies), under a name that did not exist.
int createTemporary(const QString& target, QByteArray* path) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        QString name = target + kTemporaryInfix;
        for (int i = 0; i < kRandomLength; ++i)
            name += kRandomChars[QRandomGenerator::global()->bounded(int(kRandomChars.size()))];
        *path = QFile::encodeName(name);
        int fd;
        do {
            fd = ::open(path->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                        0666);
        } while (fd < 0 && errno == EINTR);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Keeps the old file's mode, and its owner and group where only the superuser
// could have made the new file someone else's.
void copyOwnership(int fd, const struct stat& old, const QString& path) {
    struct stat now {};
    if (::fstat(fd, &now) != 0)
        fail(errno, path);
    if (::geteuid() == 0 && (now.st_uid != old.st_uid || now.st_gid != old.st_gid) &&
        ::fchown(fd, old.st_uid, old.st_gid) != 0)
        throw Error(QCoreApplication::translate("SafeFile", "the file's owner cannot be kept (%1)")
                        .arg(qt_error_string(errno)),
                    path);
    if (::fchmod(fd, old.st_mode & 0777) != 0)
        fail(errno, path);
}

void removeLeftovers(const QString& target) {
    const QFileInfo info(target);
    const QDir dir = info.absoluteDir();
    const QStringList names = dir.entryList({info.fileName() + kTemporaryInfix + u'*'},
                                            QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        if (!isTemporaryName(info.fileName(), name))
            continue;
        const QByteArray path = QFile::encodeName(dir.filePath(name));
        struct stat st {};
        // Only regular files of this user: never what someone else put there.
        if (::lstat(path.constData(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid())
            ::unlink(path.constData());
    }
}

} // namespace

Error::Error(const QString& reason, QString path)
    : std::runtime_error(reason.toStdString())
    , m_path(std::move(path)) {}

std::optional<QByteArray> read(const QString& path, qint64 maxSize) {
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    // Looked at before opening, so that opening a device or a pipe never blocks
    // or has an effect of its own.
    if (::stat(name.constData(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return std::nullopt;
        fail(errno, path);
    }
    if (!S_ISREG(st.st_mode))
        throw Error(notRegular(), path);
    if (st.st_size > maxSize)
        throw Error(tooLarge(maxSize), path);

    Cleanup file;
    do {
        file.fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    } while (file.fd < 0 && errno == EINTR);
    if (file.fd < 0)
        fail(errno, path);
    // The name may have been swapped for something else since the look.
    if (::fstat(file.fd, &st) != 0)
        fail(errno, path);
    if (!S_ISREG(st.st_mode))
        throw Error(notRegular(), path);

    QByteArray bytes;
    char buffer[16384];
    for (;;) {
        const ssize_t n = ::read(file.fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail(errno, path);
        }
        if (n == 0)
            break;
        if (bytes.size() + n > maxSize)
            throw Error(tooLarge(maxSize), path);
        bytes.append(buffer, n);
    }
    return bytes;
}

void write(const QString& path, const QByteArray& bytes, Special special) {
    const QByteArray name = QFile::encodeName(path);
    struct stat old {};
    const bool exists = ::stat(name.constData(), &old) == 0;
    if (!exists && errno != ENOENT)
        fail(errno, path);
    if (exists && S_ISDIR(old.st_mode))
        fail(EISDIR, path);

    // A link stays a link; the file it names is replaced. A name that leads to
    // an open descriptor (/dev/stdout, /proc/self/fd/1) means whatever that
    // descriptor is, which only writing in place reaches.
    QString target = QFileInfo(path).absoluteFilePath();
    bool descriptor = isDescriptorPath(target);
    for (int hops = 0; hops < 40 && !descriptor && QFileInfo(target).isSymLink(); ++hops) {
        target = QFileInfo(target).symLinkTarget();
        descriptor = isDescriptorPath(target);
    }
    const bool regular = exists && S_ISREG(old.st_mode);
    if (exists && (!regular || descriptor)) {
        if (special == Special::Refuse)
            throw Error(notRegular(), path);
        if (const int own = ownDescriptor(target); own >= 0) {
            writeToDescriptor(own, path, bytes);
            return;
        }
        writeInPlace(path, bytes, special, regular, S_ISFIFO(old.st_mode));
        return;
    }
    if (exists) {
        // Renaming a new file over the old one would succeed even for a
        // read-only file, which is meant to stay as it is. No write permission
        // bit at all counts too, since the superuser may write anything.
        if (::access(QFile::encodeName(target).constData(), W_OK) != 0)
            fail(errno, path);
        if (!(old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)))
            fail(EACCES, path);
    }

    Cleanup file;
    QByteArray temporary;
    file.fd = createTemporary(target, &temporary);
    if (file.fd < 0)
        fail(errno, path);
    file.unlinkPath = temporary;
    if (exists)
        copyOwnership(file.fd, old, path);
    // Every byte must be on the disk before the new file takes the old one's
    // place: a short write or a failed flush (a full disk shows here) ends the
    // replacement with the old file untouched.
    writeAll(file.fd, bytes, path, -1);
    file.syncAndClose(true, path);
    if (::rename(temporary.constData(), QFile::encodeName(target).constData()) != 0)
        fail(errno, path);
    file.unlinkPath.clear();

    // The rename itself reaches the disk with its folder.
    const int dirFd = ::open(QFile::encodeName(QFileInfo(target).absolutePath()).constData(),
                             O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    removeLeftovers(target);
}

void replace(const QString& path, const QByteArray& bytes) {
    write(path, bytes, Special::Refuse);
}

bool isTemporaryName(const QString& targetName, const QString& fileName) {
    const QString prefix = targetName + kTemporaryInfix;
    if (fileName.size() != prefix.size() + kRandomLength || !fileName.startsWith(prefix))
        return false;
    return std::all_of(fileName.cbegin() + prefix.size(), fileName.cend(),
                       [](QChar c) { return kRandomChars.contains(c); });
}

} // namespace SafeFile
