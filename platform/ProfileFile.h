#pragma once

#include <QString>
#include <optional>
#include <stdexcept>

// Thrown when the settings file cannot be written; the message names the file.
class ProfileWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An INI-style settings file with Windows profile semantics: section and key
// names match case-insensitively; other sections, keys, comments and their order
// are kept; a new key is appended to its section, a new section to the file;
// values are read up to 2047 characters. Every write replaces the file
// atomically (temporary file beside it, flushed, renamed), so a failed write
// never damages the old file.
class ProfileFile {
public:
    explicit ProfileFile(QString path);

    const QString& path() const { return m_path; }

    // The value, or nullopt when the file, section or key is missing.
    std::optional<QString> readString(const QString& section, const QString& key) const;
    QString readString(const QString& section, const QString& key,
                       const QString& defaultValue) const;
    // Decimal integer, or hexadecimal after "0x"/"0X"; the default for anything else.
    int readInteger(const QString& section, const QString& key, int defaultValue) const;

    // The integer rule of readInteger: optional blanks and sign, then decimal
    // digits or "0x"/"0X" and hexadecimal digits, and nothing else ("2001abc" is
    // no integer); nullopt also when the number does not fit an int.
    static std::optional<int> parseInteger(const QString& text);

    // Creates the file on the first write. A line break in `value` is stored as
    // a blank, so a value always stays one line. Throws ProfileWriteError (its
    // message names the file), also for a read-only file; the file is then left
    // as it was.
    void writeString(const QString& section, const QString& key, const QString& value);

private:
    QString m_path;
};
