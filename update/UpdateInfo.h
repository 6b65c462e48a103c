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

    bool operator==(const TWfiValues&) const = default;
};

namespace UpdateInfo {

// The fixed name of the download's checksum value.
inline constexpr char kSha256Name[] = "sha256";
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

// The part of an address after its last "/" (at most kWindow characters),
// reduced to a plain file name: never a path, never "." or "..".
QString FileNameFromAddress(const QString& address);
// 1234567 -> "1,234,567", whatever the regional settings.
QString FormatThousands(qint64 value);

} // namespace UpdateInfo
