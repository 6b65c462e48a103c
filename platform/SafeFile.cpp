#include "platform/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SafeFile {

namespace {

// New files are named "<name>.saving-XXXXXX", a pattern no user file of ours
// takes, so leftovers can be recognised and removed.
const QString kTemporaryInfix = QStringLiteral(".saving-");
constexpr int kRandomLength = 6;

[[noreturn]] void fail(int error) {
    throw Error(qt_error_string(error));
}

QString notRegular() {
    return QStringLiteral("it is not a regular file");
}

QString tooLarge(qint64 maxSize) {
    return QStringLiteral("it is larger than %1 KiB").arg(maxSize / 1024);
}

// Closes a descriptor and removes a file unless told that they were handed on.
struct Cleanup {
    int fd = -1;
    QByteArray unlinkPath;
    ~Cleanup() {
        if (fd >= 0)
            ::close(fd);
        if (!unlinkPath.isEmpty())
            ::unlink(unlinkPath.constData());
    }
};

void writeAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail(errno);
        }
        done += n;
    }
}

// Creates the new file with the process's usual mode for new files (the
// umask applies), under a name that did not exist.
int createTemporary(const QString& target, QByteArray* path) {
    static const char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        QString name = target + kTemporaryInfix;
        for (int i = 0; i < kRandomLength; ++i)
            name +=
                QLatin1Char(kChars[QRandomGenerator::global()->bounded(int(sizeof kChars - 1))]);
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
void copyOwnership(int fd, const struct stat& old) {
    struct stat now {};
    if (::fstat(fd, &now) != 0)
        fail(errno);
    if (::geteuid() == 0 && (now.st_uid != old.st_uid || now.st_gid != old.st_gid) &&
        ::fchown(fd, old.st_uid, old.st_gid) != 0)
        throw Error(
            QStringLiteral("the file's owner cannot be kept (%1)").arg(qt_error_string(errno)));
    if (::fchmod(fd, old.st_mode & 0777) != 0)
        fail(errno);
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

Error::Error(const QString& reason)
    : std::runtime_error(reason.toStdString()) {}

std::optional<QByteArray> read(const QString& path, qint64 maxSize) {
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    // Looked at before opening, so that opening a device or a pipe never blocks
    // or has an effect of its own.
    if (::stat(name.constData(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return std::nullopt;
        fail(errno);
    }
    if (!S_ISREG(st.st_mode))
        throw Error(notRegular());
    if (st.st_size > maxSize)
        throw Error(tooLarge(maxSize));

    Cleanup file;
    do {
        file.fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    } while (file.fd < 0 && errno == EINTR);
    if (file.fd < 0)
        fail(errno);
    // The name may have been swapped for something else since the look.
    if (::fstat(file.fd, &st) != 0)
        fail(errno);
    if (!S_ISREG(st.st_mode))
        throw Error(notRegular());

    QByteArray bytes;
    char buffer[16384];
    for (;;) {
        const ssize_t n = ::read(file.fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail(errno);
        }
        if (n == 0)
            break;
        if (bytes.size() + n > maxSize)
            throw Error(tooLarge(maxSize));
        bytes.append(buffer, n);
    }
    return bytes;
}

void replace(const QString& path, const QByteArray& bytes) {
    // A link stays a link; the file it names is replaced.
    QString target = QFileInfo(path).absoluteFilePath();
    for (int hops = 0; hops < 40 && QFileInfo(target).isSymLink(); ++hops)
        target = QFileInfo(target).symLinkTarget();

    struct stat old {};
    const bool exists = ::stat(QFile::encodeName(target).constData(), &old) == 0;
    if (!exists && errno != ENOENT)
        fail(errno);
    if (exists && !S_ISREG(old.st_mode))
        throw Error(notRegular());

    Cleanup file;
    QByteArray temporary;
    file.fd = createTemporary(target, &temporary);
    if (file.fd < 0)
        fail(errno);
    file.unlinkPath = temporary;
    if (exists)
        copyOwnership(file.fd, old);
    // Every byte must be on the disk before the new file takes the old one's
    // place: a short write or a failed flush (a full disk shows here) ends the
    // replacement with the old file untouched.
    writeAll(file.fd, bytes);
    if (::fsync(file.fd) != 0 && errno != EINVAL)
        fail(errno);
    const int fd = file.fd;
    file.fd = -1;
    if (::close(fd) != 0 && errno != EINTR)
        fail(errno);
    if (::rename(temporary.constData(), QFile::encodeName(target).constData()) != 0)
        fail(errno);
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

bool isTemporaryName(const QString& targetName, const QString& fileName) {
    const QString prefix = targetName + kTemporaryInfix;
    if (fileName.size() != prefix.size() + kRandomLength || !fileName.startsWith(prefix))
        return false;
    for (qsizetype i = prefix.size(); i < fileName.size(); ++i) {
        const char16_t c = fileName.at(i).unicode();
        if (!((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')))
            return false;
    }
    return true;
}

} // namespace SafeFile
