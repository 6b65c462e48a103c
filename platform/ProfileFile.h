#pragma once

#include "platform/ProfileDocument.h"
#include "platform/SafeFile.h"

#include <QString>
#include <optional>
#include <stdexcept>

// The settings file could not be read or written. what() says which file and
// why; path() and reason() give the two parts.
class ProfileError : public std::runtime_error {
public:
    ProfileError(const QString& message, QString path, QString reason);
    const QString& path() const { return m_path; }
    const QString& reason() const { return m_reason; }

private:
    QString m_path;
    QString m_reason;
};

class ProfileReadError : public ProfileError {
public:
    ProfileReadError(const QString& path, const QString& reason);
};

class ProfileWriteError : public ProfileError {
public:
    ProfileWriteError(const QString& path, const QString& reason);
};

// An INI-style settings file with Windows profile semantics (see
// ProfileDocument): names match case-insensitively; other sections, keys,
// comments and their bytes are kept; a new key is appended to its section, a
// new section to the file; values are read up to 2047 characters.
//
// Only a regular file of at most kMaxSize bytes is read or replaced, so a
// pipe, a device or a huge file can neither hang the program nor be
// overwritten. Every write replaces the file atomically (SafeFile::replace),
// so a failed write, a full disk or a kill never damages the old file.
class ProfileFile {
public:
    static constexpr qint64 kMaxSize = SafeFile::kMaxSize;

    explicit ProfileFile(QString path);

    const QString& path() const { return m_path; }

    // The file, read once; an empty document when there is no file. Throws
    // ProfileReadError for anything but a readable regular file within the size.
    ProfileDocument read() const;
    // The same for a file about to be changed: a file that cannot be read must
    // not be replaced, so the failure is a ProfileWriteError.
    ProfileDocument readForUpdate() const;
    // Replaces the file by `document` in one step, creating it when missing.
    // Throws ProfileWriteError (the file then stays as it was), also for a
    // read-only file and for contents over the size limit.
    void write(const ProfileDocument& document) const;

    // One value each, reading the whole file (see read()).
    std::optional<QString> readString(const QString& section, const QString& key) const;
    QString readString(const QString& section, const QString& key,
                       const QString& defaultValue) const;
    // Decimal integer, or hexadecimal after "0x"/"0X"; the default for anything else.
    int readInteger(const QString& section, const QString& key, int defaultValue) const;

    // The integer rule of readInteger: optional blanks and sign, then decimal
    // digits or "0x"/"0X" and hexadecimal digits, and nothing else ("2001abc" is
    // no integer); nullopt also when the number does not fit an int.
    static std::optional<int> parseInteger(const QString& text);

    // Reads, changes one value and writes the file back. A line break in
    // `value` is stored as a blank. Throws ProfileWriteError, also for names a
    // line cannot hold; the file is then left as it was.
    void writeString(const QString& section, const QString& key, const QString& value);

private:
    QString m_path;
};
