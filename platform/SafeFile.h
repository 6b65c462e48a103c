#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <stdexcept>

// Reading and replacing small files so that neither a hostile file (a pipe, a
// device, a huge file) nor a failing disk can hang the program or cost the old
// contents.
namespace SafeFile {

// A read or a replacement failed; what() is the reason in plain words
// ("No space left on device", "it is not a regular file").
class Error : public std::runtime_error {
public:
    explicit Error(const QString& reason);
    QString reason() const { return QString::fromUtf8(what()); }
};

inline constexpr qint64 kMaxSize = 4 * 1024 * 1024;

// The contents of `path`; nullopt when there is no such file. Throws Error when
// the path names no regular file (a pipe, a device, a folder), a file larger
// than `maxSize`, or a file that cannot be read. Never blocks on a pipe.
std::optional<QByteArray> read(const QString& path, qint64 maxSize = kMaxSize);

// Replaces `path` (or the file a link at `path` names) by `bytes` in one step:
// a new file beside it is written, flushed to the disk and given the old file's
// mode (and owner and group when the superuser saves someone else's file), then
// renamed over the old one. Throws Error on any failure; the old file then
// stays byte for byte and the new one is removed. A successful replacement also
// removes new files that earlier, killed replacements left behind.
void replace(const QString& path, const QByteArray& bytes);

// Whether `fileName` is a name replace() gives its new file for `targetName`.
bool isTemporaryName(const QString& targetName, const QString& fileName);

} // namespace SafeFile
