#include "platform/ProfileFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <climits>

ProfileError::ProfileError(const QString& message, QString path, QString reason)
    : std::runtime_error(message.toStdString())
    , m_path(std::move(path))
    , m_reason(std::move(reason)) {}

ProfileReadError::ProfileReadError(const QString& path, const QString& reason)
    : ProfileError(
          QCoreApplication::translate("ProfileFile", "Cannot read the settings file %1: %2")
              .arg(path, reason),
          path, reason) {}

ProfileWriteError::ProfileWriteError(const QString& path, const QString& reason)
    : ProfileError(
          QCoreApplication::translate("ProfileFile", "Cannot write the settings file %1: %2")
              .arg(path, reason),
          path, reason) {}

ProfileFile::ProfileFile(QString path)
    : m_path(std::move(path)) {}

ProfileDocument ProfileFile::read() const {
    try {
        return ProfileDocument(SafeFile::read(m_path, kMaxSize).value_or(QByteArray()));
    } catch (const SafeFile::Error& e) {
        throw ProfileReadError(m_path, e.reason());
    }
}

ProfileDocument ProfileFile::readForUpdate() const {
    try {
        return read();
    } catch (const ProfileReadError& e) {
        throw ProfileWriteError(m_path, e.reason());
    }
}

void ProfileFile::write(const ProfileDocument& document) const {
    // A file too large to be read was never read, so it is never replaced.
    const QFileInfo info(m_path);
    if (info.isFile() && info.size() > kMaxSize)
        throw ProfileWriteError(
            m_path, QCoreApplication::translate("ProfileFile", "it is larger than %1 KiB")
                        .arg(kMaxSize / 1024));
    const QByteArray bytes = document.toBytes();
    if (bytes.size() > kMaxSize)
        throw ProfileWriteError(
            m_path,
            QCoreApplication::translate("ProfileFile", "the settings would be larger than %1 KiB")
                .arg(kMaxSize / 1024));
    try {
        SafeFile::replace(m_path, bytes);
    } catch (const SafeFile::Error& e) {
        throw ProfileWriteError(m_path, e.reason());
    }
}

std::optional<QString> ProfileFile::readString(const QString& section, const QString& key) const {
    return read().value(section, key);
}

QString ProfileFile::readString(const QString& section, const QString& key,
                                const QString& defaultValue) const {
    return readString(section, key).value_or(defaultValue);
}

int ProfileFile::readInteger(const QString& section, const QString& key, int defaultValue) const {
    const auto value = readString(section, key);
    return value ? parseInteger(*value).value_or(defaultValue) : defaultValue;
}

std::optional<int> ProfileFile::parseInteger(const QString& text) {
    QStringView digits = QStringView(text).trimmed();
    bool negative = false;
    if (digits.startsWith(u'+') || digits.startsWith(u'-')) {
        negative = digits.front() == u'-';
        digits = digits.mid(1);
    }
    int base = 10;
    if (digits.startsWith(u"0x", Qt::CaseInsensitive)) {
        base = 16;
        digits = digits.mid(2);
    }
    // toLongLong would accept its own prefixes and blanks; only plain digits here.
    if (digits.isEmpty())
        return std::nullopt;
    for (QChar c : digits) {
        const char16_t u = c.unicode();
        const bool decimal = u >= u'0' && u <= u'9';
        const bool hex = (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F');
        if (!decimal && !(base == 16 && hex))
            return std::nullopt;
    }
    bool ok = false;
    const qulonglong magnitude = digits.toULongLong(&ok, base);
    if (!ok)
        return std::nullopt;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    if (magnitude > static_cast<qulonglong>(limit))
        return std::nullopt;
    return static_cast<int>(negative ? -static_cast<long long>(magnitude)
                                     : static_cast<long long>(magnitude));
}

void ProfileFile::writeString(const QString& section, const QString& key, const QString& value) {
    ProfileDocument document = readForUpdate();
    if (!document.setValue(section, key, value))
        throw ProfileWriteError(
            m_path,
            QCoreApplication::translate("ProfileFile", "invalid section or key name \"%1\", \"%2\"")
                .arg(section, key));
    write(document);
}
