#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <stdexcept>

// Reading and writing whole files so that neither a hostile file (a pipe, a
// device, a huge file) nor a failing disk can hang the program or cost the old
// contents. Every file the program writes goes through write().
namespace SafeFile {

// A read or a write failed; what() is the reason in plain words, the system's
// own where there is one ("No space left on device", "Permission denied"),
// and path() the file it concerns.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& reason, QString path = QString());
    QString reason() const { return QString::fromUtf8(what()); }
    const QString& path() const { return m_path; }

private:
    QString m_path;
};

inline constexpr qint64 kMaxSize = 4 * 1024 * 1024;

// The contents of `path`; nullopt when there is no such file. Throws Error when
// the path names no regular file (a pipe, a device, a folder), a file larger
// than `maxSize`, or a file that cannot be read. Never blocks on a pipe.
std::optional<QByteArray> read(const QString& path, qint64 maxSize = kMaxSize);

// What write() does when the target exists and is no regular file.
enum class Special {
    // Refused ("it is not a regular file"): files the program reads back.
    Refuse,
    // A device or a pipe is written in place; a pipe no program reads from, or
    // a reader that stops taking data for seconds, fails the write rather than
    // keeping a window waiting.
    WriteNow,
    // A device or a pipe is written in place, waiting for its reader as a
    // command-line tool does.
    Wait,
};

// Writes `bytes` to `path` whole or not at all. A regular file (or the file a
// link at `path` names; created when missing) is replaced in one step: a new
// file beside it is written, flushed to the disk and given the old file's mode
// (and owner and group when the superuser saves someone else's file), then
// renamed over the old one. A read-only file is not replaced. A folder is
// refused; another existing special file (a pipe, a terminal, a device,
// /dev/stdout) is never renamed over but handled as `special` says. Throws
// Error on any failure; an old regular file then stays byte for byte and no new
// file is left behind. A successful replacement also removes new files that
// earlier, killed replacements left behind.
void write(const QString& path, const QByteArray& bytes, Special special);

// write() for files that must be regular files (Special::Refuse).
void replace(const QString& path, const QByteArray& bytes);

// Whether `fileName` is a name write() gives its new file for `targetName`.
bool isTemporaryName(const QString& targetName, const QString& fileName);

} // namespace SafeFile
