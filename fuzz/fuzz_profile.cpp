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
           !k.contains(u'=') && !k.startsWith(u';') && !k.startsWith(u'[') &&
           !k.startsWith(QChar(0xFEFF));
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

// One input in eight, chosen by its bytes (FNV-1a), so a finding replays alike.
bool isSampled(QByteArrayView input) {
    std::uint32_t hash = 2166136261u;
    for (const char c : input)
        hash = (hash ^ std::uint8_t(c)) * 16777619u;
    return hash % 8 == 0;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // tmpfs when there is one: fsync there costs nothing.
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

    // What writing the value to the file does, in memory: the raw value given
    // (line breaks, length) reads back as the file would keep it, and every
    // other key keeps its value.
    const QString otherSection = QStringLiteral("Other");
    const QString otherKey = QStringLiteral("Key");
    const bool isOther = section.compare(otherSection, Qt::CaseInsensitive) == 0 &&
                         key.compare(otherKey, Qt::CaseInsensitive) == 0;
    ProfileDocument changed(fileBytes);
    const auto other = changed.value(otherSection, otherKey);
    FUZZ_CHECK(changed.setValue(section, key, value));
    const ProfileDocument reread(changed.toBytes());
    if (!isOther)
        FUZZ_CHECK(reread.value(otherSection, otherKey) == other);
    FUZZ_CHECK(reread.value(section, key) == expectedValue(value));

    // The file itself: written, decoded, changed and replaced atomically (with
    // fsync). The bytes are the same as above, so one input in eight is enough
    // to keep the file layer under the sanitizers without slowing every input.
    if (!folder || !folder->isValid() || !isSampled(Fuzz::bytes(data, size)))
        return 0;
    const QString path = folder->filePath(QStringLiteral("tlmr.ini"));
    {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        FUZZ_CHECK(file.write(fileBytes) == fileBytes.size());
    }
    ProfileFile profile(path);
    FUZZ_CHECK(profile.readString(otherSection, otherKey) == other);
    profile.writeString(section, key, value);
    FUZZ_CHECK(profile.read().toBytes() == changed.toBytes());
    return 0;
}
