// The settings file. Input: the file's bytes, then NUL-separated section, key
// and value. Reading keeps every line exactly; a value written reads back as
// written (trimmed, line breaks as blanks, at most 2047 characters) and every
// other key keeps its value.

#include "FuzzCheck.h"
#include "platform/ProfileDocument.h"
#include "platform/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

namespace {

std::unique_ptr<QTemporaryDir> folder;

// Names as the program uses them: nothing the writer refuses, no blanks
// around them (a blank-edged name is not looked up as written).
bool usableSection(const QString& s) {
    return !s.isEmpty() && s == s.trimmed() && !s.contains(u'\n') && !s.contains(u'\r') &&
           !s.contains(u']');
}
bool usableKey(const QString& k) {
    return !k.isEmpty() && k == k.trimmed() && !k.contains(u'\n') && !k.contains(u'\r') &&
           !k.contains(u'=') && !k.startsWith(u';') && !k.startsWith(u'[');
}

QString expectedValue(QString value) {
    value.replace(QLatin1String("\r\n"), QLatin1String(" "));
    value.replace(u'\r', u' ');
    value.replace(u'\n', u' ');
    return value.trimmed().left(2047);
}

void checkParseInteger(const QString& text) {
    const auto number = ProfileFile::parseInteger(text);
    if (number)
        FUZZ_CHECK(ProfileFile::parseInteger(QString::number(*number)) == number);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // tmpfs when there is one: the file target writes on every input.
    const QString base =
        QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    folder = std::make_unique<QTemporaryDir>(base + QStringLiteral("/tlmr-fuzz-XXXXXX"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QList<QByteArray> p = Fuzz::parts(Fuzz::bytes(data, size), 4);
    const QByteArray& fileBytes = p[0];
    const QString section = p.size() > 1 ? QString::fromUtf8(p[1]) : QStringLiteral("Settings");
    const QString key = p.size() > 2 ? QString::fromUtf8(p[2]) : QStringLiteral("Balance");
    const QString value = p.size() > 3 ? QString::fromUtf8(p[3]) : QStringLiteral("1000");

    // The document alone: every line, ending and blank kept as it was.
    ProfileDocument document(fileBytes);
    FUZZ_CHECK(document.toBytes() == fileBytes);
    const auto before = document.value(section, key);
    checkParseInteger(before.value_or(section));

    if (!usableSection(section) || !usableKey(key))
        return 0;
    document.setValue(section, key, expectedValue(value));
    FUZZ_CHECK(document.value(section, key) == expectedValue(value));
    // Unknown sections and keys of the file stay: reading the written text
    // again keeps the new value.
    FUZZ_CHECK(ProfileDocument(document.toBytes()).value(section, key) == expectedValue(value));

    // The file: decoded (BOM, UTF-8 or Latin-1), changed, replaced atomically.
    if (!folder || !folder->isValid())
        return 0;
    const QString path = folder->filePath(QStringLiteral("tlmr.ini"));
    {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        FUZZ_CHECK(file.write(fileBytes) == fileBytes.size());
    }
    ProfileFile profile(path);
    const auto other = profile.readString(QStringLiteral("Other"), QStringLiteral("Key"));
    profile.writeString(section, key, value);
    if (section.compare(QLatin1String("Other"), Qt::CaseInsensitive) != 0 ||
        key.compare(QLatin1String("Key"), Qt::CaseInsensitive) != 0)
        FUZZ_CHECK(profile.readString(QStringLiteral("Other"), QStringLiteral("Key")) == other);
    FUZZ_CHECK(profile.readString(section, key) == expectedValue(value).left(2047));
    return 0;
}
