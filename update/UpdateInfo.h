#pragma once

// The rules of the update check as pure functions over bytes and text: the
// information page's META values, the date and version rules, file names
// taken from addresses and the byte-count format. No network, no windows.

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <stdexcept>

// A text that does not fit the expected form (a date on the page).
class EConvertError : public std::runtime_error {
public:
    explicit EConvertError(const QString& message)
        : std::runtime_error(message.toStdString()) {}
};

enum class TWfiDateFormat { wfidMonthDayYear, wfidNone };
enum class TWfiVersionFormat { wfivBuildNumber, wfivSimpleString };

// The names that mark each value on the information page.
struct TWfiTags {
    QString AuthorTag;
    QString AuthorEMailTag;
    QString DateTag;
    QString DownloadTag;
    QString ProductNameTag;
    QString ReadMeTag;
    QString ReadMeExtTag;
    QString RedirectTag;
    QString RunParamsTag;
    QString VersionTag;

    bool allEmpty() const;
    // The names this program publishes its page with.
    static TWfiTags programTags();
};

// The values read from one information page.
struct TWfiValues {
    QString ProductName;
    QString ProductReadMe;
    QString ProductReadMeExt;
    QString ProductVersion;
    QString ProductDateStr;
    QString ProductAuthor;
    QString ProductAuthorEMail;
    QString DownloadURL;
    QString RedirectURL;
    QString RunParams;
    // Hexadecimal SHA-256 of the download (value "sha256"), empty when absent.
    QString Sha256;
    // Size of the download in bytes (value "size"), empty when absent.
    QString Size;

    bool operator==(const TWfiValues&) const = default;
};

namespace UpdateInfo {

// The fixed name of the download's checksum value.
inline constexpr char kSha256Name[] = "sha256";
// The fixed name of the download's size in bytes.
inline constexpr char kSizeName[] = "size";
// Longest file name proposed for a download, in characters and in bytes.
inline constexpr int kMaxFileName = 200;
// Names, values and file names are taken from windows of this many characters.
inline constexpr int kWindow = 1000;

// The page as lines: CR, LF or CR LF end a line; a NUL byte ends the text.
QStringList PageLines(QByteArrayView page);
// The name of a line holding "META HTTP-EQUIV" (any letter case); false in
// `found` for lines without it.
QString TagName(const QString& line, bool* found);
// The value after "CONTENT=" (any letter case) and its opening quote, up to
// the next double quote; false in `found` when the line holds no "CONTENT=".
QString TagContent(const QString& line, bool* found = nullptr);
// Every known name receives its line's value; a later line wins.
TWfiValues ParseInfo(const QStringList& lines, const TWfiTags& tags);
// PageLines and ParseInfo together: the entry point for outside bytes.
TWfiValues ParseInfoPage(QByteArrayView page, const TWfiTags& tags);

// "October 31, 2001" or "Oct 31, 2001" as days since 30 December 1899; 0 for
// wfidNone. Throws EConvertError for a text that does not fit.
double ParseDate(const QString& text, TWfiDateFormat format);
// Whether `product` is newer than `current` (see the .cpp for the rule).
bool IsNewerVersion(const QString& current, const QString& product, TWfiVersionFormat format);

// Whether a page is UTF-16 text (a byte-order mark, or a NUL among its first
// two bytes), which the 8-bit page format cannot be read from.
bool LooksLikeUtf16(QByteArrayView page);
// The download's size as the page gives it; -1 when absent or no byte count.
qint64 DeclaredSize(const TWfiValues& values);

// The file name proposed for the download at `address`: the last part of the
// address's path (query and fragment left out), cleaned so that what the
// user sees is what gets written: no folder, no leading dot, no control or
// bidirectional-formatting characters, blanks squeezed, at most kMaxFileName
// characters and bytes with the extension kept. Empty when nothing is left.
QString FileNameFromAddress(const QString& address);
// 1234567 -> "1,234,567", whatever the regional settings.
QString FormatThousands(qint64 value);

} // namespace UpdateInfo
