#include "update/DownloadTarget.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kNameAttempts = 16;

QByteArray encoded(const QString& path) {
    return QFile::encodeName(path);
}

// "<path>: <reason>".
QString withPath(const QString& path, const QString& reason) {
    return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), reason);
}

// "<path>: <the system's text for `code`>".
QString fileErrorText(const QString& path, int code) {
    return withPath(path, QString::fromLocal8Bit(std::strerror(code)));
}

} // namespace

DownloadTarget::DownloadTarget(const QString& targetPath)
    : m_target(targetPath) {}

DownloadTarget::~DownloadTarget() {
    discard();
}

bool DownloadTarget::failWith(const QString& message) {
    m_error = message;
    return false;
}

QString DownloadTarget::unusableReason(const QString& path) {
    struct stat st {};
    if (::lstat(encoded(path).constData(), &st) == 0 && !S_ISREG(st.st_mode) &&
        !S_ISLNK(st.st_mode))
        return S_ISDIR(st.st_mode)
                   ? fileErrorText(path, EISDIR)
                   : QCoreApplication::translate("DownloadTarget",
                                                 "%1: not a regular file; it is left as it is")
                         .arg(QDir::toNativeSeparators(path));
    const QFileInfo info(path);
    const long nameMax = ::pathconf(encoded(info.absolutePath()).constData(), _PC_NAME_MAX);
    if (nameMax > 0 && encoded(info.fileName()).size() > nameMax)
        return fileErrorText(path, ENAMETOOLONG);
    return {};
}

bool DownloadTarget::open() {
    const QString folder = QFileInfo(m_target).absolutePath();
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const QString name = QStringLiteral(".tlmr-download-%1.part")
                                 .arg(QRandomGenerator::global()->generate(), 8, 16, QChar(u'0'));
        const QString path = folder + u'/' + name;
        // O_EXCL: a new file, never one that exists nor a link planted in its place.
        const int fd = ::open(encoded(path).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return failWith(fileErrorText(m_target, errno));
        }
        m_tempPath = path;
        if (!m_file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered,
                         QFileDevice::AutoCloseHandle)) {
            ::close(fd);
            discard();
            return failWith(withPath(m_target, m_file.errorString()));
        }
        return true;
    }
    return failWith(fileErrorText(m_target, EEXIST));
}

bool DownloadTarget::commit() {
    if (m_tempPath.isEmpty())
        return failWith(fileErrorText(m_target, EBADF));
    if (m_file.error() != QFileDevice::NoError)
        return failWith(withPath(m_target, m_file.errorString()));
    if (::fsync(int(m_file.handle())) != 0)
        return failWith(fileErrorText(m_target, errno));
    m_file.close();
    // A directory, pipe or device put in the target's place meanwhile is never replaced.
    if (const QString unusable = unusableReason(m_target); !unusable.isEmpty())
        return failWith(unusable);
    if (std::rename(encoded(m_tempPath).constData(), encoded(m_target).constData()) != 0)
        return failWith(fileErrorText(m_target, errno));
    m_tempPath.clear();
    return true;
}

void DownloadTarget::discard() {
    if (m_file.isOpen())
        m_file.close();
    if (!m_tempPath.isEmpty())
        ::unlink(encoded(m_tempPath).constData());
    m_tempPath.clear();
}
