#include "platform/ProfileFile.h"
#include "platform/ProfileDocument.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <climits>

namespace {

constexpr qsizetype kMaxValueLength = 2047;
const QByteArray kUtf8Bom("\xEF\xBB\xBF");

// The file's bytes as text. A file that is not valid UTF-8 is read as Latin-1
// and written back the same way, so that none of its other lines is mangled.
struct DecodedFile {
    ProfileDocument document;
    bool bom = false;
    bool latin1 = false;
};

DecodedFile decode(QByteArray bytes) {
    DecodedFile file;
    if (bytes.startsWith(kUtf8Bom)) {
        file.bom = true;
        bytes.remove(0, kUtf8Bom.size());
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) {
        file.latin1 = true;
        text = QString::fromLatin1(bytes);
    }
    file.document = ProfileDocument(text);
    return file;
}

[[noreturn]] void fail(const QString& path, const QString& reason) {
    throw ProfileWriteError(
        QStringLiteral("Cannot write the settings file %1: %2").arg(path, reason).toStdString());
}

bool hasLineBreak(const QString& s) {
    return s.contains(u'\n') || s.contains(u'\r');
}

} // namespace

ProfileFile::ProfileFile(QString path)
    : m_path(std::move(path)) {}

std::optional<QString> ProfileFile::readString(const QString& section, const QString& key) const {
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    auto value = decode(file.readAll()).document.value(section, key);
    if (value && value->size() > kMaxValueLength)
        value->truncate(kMaxValueLength);
    return value;
}

QString ProfileFile::readString(const QString& section, const QString& key,
                                const QString& defaultValue) const {
    return readString(section, key).value_or(defaultValue);
}

int ProfileFile::readInteger(const QString& section, const QString& key, int defaultValue) const {
    const auto value = readString(section, key);
    if (!value)
        return defaultValue;
    return parseInteger(*value).value_or(defaultValue);
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
    if (section.isEmpty() || hasLineBreak(section) || section.contains(u']'))
        fail(m_path, QStringLiteral("invalid section name \"%1\"").arg(section));
    if (key.trimmed().isEmpty() || hasLineBreak(key) || key.contains(u'=') ||
        key.trimmed().startsWith(u';') || key.trimmed().startsWith(u'['))
        fail(m_path, QStringLiteral("invalid key name \"%1\"").arg(key));

    DecodedFile contents;
    QFile existing(m_path);
    if (existing.exists()) {
        // The file is replaced by renaming a new one over it, which the
        // directory allows even for a read-only file; a read-only file is
        // meant to stay as it is (no write permission at all counts, since the
        // superuser may write anything).
        const QFileInfo info(m_path);
        constexpr QFile::Permissions anyWrite =
            QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
        if (info.isFile() && (!info.isWritable() || !(info.permissions() & anyWrite)))
            fail(m_path, QStringLiteral("the file is read-only"));
        // Never replace a file whose present contents could not be read.
        if (!existing.open(QIODevice::ReadOnly))
            fail(m_path, existing.errorString());
        contents = decode(existing.readAll());
        existing.close();
    }

    // A line break inside a value would start a new line of the file (and could
    // forge keys or sections); it is stored as a blank instead.
    QString stored = value;
    stored.replace(QLatin1String("\r\n"), QLatin1String(" "));
    stored.replace(u'\r', u' ');
    stored.replace(u'\n', u' ');
    contents.document.setValue(section, key, stored);

    const QString text = contents.document.toString();
    QByteArray bytes = contents.latin1 ? text.toLatin1() : text.toUtf8();
    if (contents.bom)
        bytes.prepend(kUtf8Bom);

    QSaveFile out(m_path);
    if (!out.open(QIODevice::WriteOnly))
        fail(m_path, out.errorString());
    if (out.write(bytes) != bytes.size()) {
        const QString reason = out.errorString();
        out.cancelWriting();
        fail(m_path, reason);
    }
    if (!out.commit())
        fail(m_path, out.errorString());
}
