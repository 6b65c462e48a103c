#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/statvfs.h>
#include <unistd.h>

// A folder on a disk that runs out of room. For the superuser it is a 64 KiB
// tmpfs mounted on a folder of the test's own, filled up with a filler file as
// far as asked. For anyone else (or where mounting is not allowed) the process
// gets a file size limit instead, so that writing a file beyond `room` bytes
// fails the same way a full disk does: a short write, then an error.
class SmallDisk {
public:
    SmallDisk() {
        m_mounted =
            ::geteuid() == 0 && ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(),
                                        "tmpfs", 0, "size=64k,mode=0700") == 0;
    }
    ~SmallDisk() {
        if (m_limited) {
            ::setrlimit(RLIMIT_FSIZE, &m_oldLimit);
            std::signal(SIGXFSZ, SIG_DFL);
        }
        if (m_readOnly)
            QFile::setPermissions(m_dir.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool isTmpfs() const { return m_mounted; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

    // Leaves about `room` bytes for new files. The reason a write then fails
    // with: "No space left on device" on the tmpfs, "File too large" otherwise.
    bool leaveRoom(qint64 room) {
        if (!m_mounted) {
            ::getrlimit(RLIMIT_FSIZE, &m_oldLimit);
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit limit = m_oldLimit;
            limit.rlim_cur = rlim_t(room);
            m_limited = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
            return m_limited;
        }
        struct statvfs fs {};
        if (::statvfs(QFile::encodeName(m_dir.path()).constData(), &fs) != 0)
            return false;
        const qint64 fill = qint64(fs.f_bavail) * qint64(fs.f_frsize) - room;
        QFile filler(m_dir.filePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray block(4096, '\0');
        for (qint64 done = 0; done < fill;) {
            const qint64 n =
                filler.write(block.constData(), qMin<qint64>(block.size(), fill - done));
            if (n <= 0)
                break; // full already
            done += n;
        }
        return true;
    }
    QString expectedReason() const {
        return m_mounted ? QStringLiteral("No space left on device")
                         : QStringLiteral("File too large");
    }

    // Makes the folder read-only (a read-only mount for the superuser, whom
    // permissions do not stop). Returns the reason a save then fails with.
    QString makeReadOnly() {
        const QByteArray path = QFile::encodeName(m_dir.path());
        if (m_mounted) {
            ::mount(nullptr, path.constData(), nullptr, MS_REMOUNT | MS_RDONLY, "size=64k");
            return QStringLiteral("Read-only file system");
        }
        m_readOnly = QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        return QStringLiteral("Permission denied");
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    bool m_limited = false;
    bool m_readOnly = false;
    rlimit m_oldLimit{};
};
