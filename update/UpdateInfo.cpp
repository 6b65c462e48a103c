#include "update/UpdateInfo.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QRegularExpression>
#include <QUrl>

namespace {

const QLatin1String kKeyword("META HTTP-EQUIV");
const QLatin1String kContent("CONTENT=");
const QLatin1String kMonths("JANFEBMARAPRMAYJUNJULAUGSEPOCTNOVDEC");

// The text from `start` up to the first double quote within kWindow
// characters; empty when there is none.
QString upToQuote(const QString& line, qsizetype start) {
    const QString window = line.mid(start, UpdateInfo::kWindow);
    const qsizetype quote = window.indexOf(u'"');
    return quote < 0 ? QString() : window.left(quote);
}

// An integer as Delphi-era code reads it: blanks around it allowed.
bool readInt(const QString& text, int* value) {
    bool ok = false;
    *value = text.trimmed().toInt(&ok);
    return ok;
}

} // namespace

bool TWfiTags::allEmpty() const {
    for (const QString* tag :
         {&AuthorTag, &AuthorEMailTag, &DateTag, &DownloadTag, &ProductNameTag, &ReadMeTag,
          &ReadMeExtTag, &RedirectTag, &RunParamsTag, &VersionTag}) {
        if (!tag->isEmpty())
            return false;
    }
    return true;
}

TWfiTags TWfiTags::programTags() {
    TWfiTags t;
    t.AuthorTag = QStringLiteral("author");
    t.AuthorEMailTag = QStringLiteral("email");
    t.DateTag = QStringLiteral("date");
    t.DownloadTag = QStringLiteral("url");
    t.ProductNameTag = QStringLiteral("name");
    t.ReadMeTag = QStringLiteral("readme");
    t.RedirectTag = QStringLiteral("redirect");
    t.RunParamsTag = QStringLiteral("runparams");
    t.VersionTag = QStringLiteral("version");
    return t;
}

QStringList UpdateInfo::PageLines(QByteArrayView page) {
    const qsizetype nul = page.indexOf('\0');
    if (nul >= 0)
        page = page.first(nul);
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < page.size(); ++i) {
        const char c = page[i];
        if (c != '\r' && c != '\n')
            continue;
        lines << QString::fromUtf8(page.sliced(start, i - start));
        if (c == '\r' && i + 1 < page.size() && page[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < page.size())
        lines << QString::fromUtf8(page.sliced(start));
    return lines;
}

QString UpdateInfo::TagName(const QString& line, bool* found) {
    const qsizetype at = line.indexOf(kKeyword, 0, Qt::CaseInsensitive);
    *found = at >= 0;
    // Two characters after the keyword (normally =") are skipped.
    return at < 0 ? QString() : upToQuote(line, at + kKeyword.size() + 2);
}

QString UpdateInfo::TagContent(const QString& line, bool* found) {
    const qsizetype at = line.indexOf(kContent, 0, Qt::CaseInsensitive);
    if (found)
        *found = at >= 0;
    // One character after "CONTENT=" (normally the opening quote) is skipped.
    return at < 0 ? QString() : upToQuote(line, at + kContent.size() + 1);
}

TWfiValues UpdateInfo::ParseInfo(const QStringList& lines, const TWfiTags& tags) {
    TWfiValues v;
    const QString sha256Name = QLatin1String(kSha256Name);
    const QString sizeName = QLatin1String(kSizeName);
    const std::pair<const QString*, QString*> fields[] = {
        {&tags.ProductNameTag, &v.ProductName},
        {&tags.ReadMeTag, &v.ProductReadMe},
        {&tags.ReadMeExtTag, &v.ProductReadMeExt},
        {&tags.VersionTag, &v.ProductVersion},
        {&tags.DateTag, &v.ProductDateStr},
        {&tags.AuthorTag, &v.ProductAuthor},
        {&tags.AuthorEMailTag, &v.ProductAuthorEMail},
        {&tags.DownloadTag, &v.DownloadURL},
        {&tags.RedirectTag, &v.RedirectURL},
        {&tags.RunParamsTag, &v.RunParams},
        {&sha256Name, &v.Sha256},
        {&sizeName, &v.Size},
    };
    for (const QString& line : lines) {
        bool named = false;
        const QString name = TagName(line, &named);
        if (!named)
            continue;
        bool hasContent = false;
        const QString value = TagContent(line, &hasContent);
        if (!hasContent)
            continue; // a line without a value sets nothing
        for (const auto& [tag, field] : fields) {
            if (name == *tag)
                *field = value;
        }
    }
    return v;
}

TWfiValues UpdateInfo::ParseInfoPage(QByteArrayView page, const TWfiTags& tags) {
    return ParseInfo(PageLines(page), tags);
}

double UpdateInfo::ParseDate(const QString& input, TWfiDateFormat format) {
    if (format == TWfiDateFormat::wfidNone)
        return 0;
    const QString text = input.trimmed();
    const auto invalid = [&] {
        return EConvertError(
            QCoreApplication::translate("UpdateInfo", "'%1' is not a valid date").arg(input));
    };
    // Only a whole abbreviation counts: "ANF" (inside JANFEB) is no month.
    const QString abbreviation = text.left(3).toUpper();
    const qsizetype at = abbreviation.size() == 3 ? kMonths.indexOf(abbreviation) : -1;
    if (at < 0 || at % 3 != 0)
        throw invalid();
    const int month = int(at / 3) + 1;

    const qsizetype comma = text.indexOf(u',');
    int day = 0;
    int year = 0;
    if (comma < 2 || !readInt(text.mid(comma - 2, 2), &day) || text.size() < 4 ||
        !readInt(text.right(4), &year))
        throw invalid();
    const QDate date(year, month, day);
    if (!date.isValid())
        throw invalid();
    return double(QDate(1899, 12, 30).daysTo(date));
}

// Build numbers: the dot-separated parts are compared as integers from the
// left (a part that is no integer counts as 0). The walk ends after the last
// part of the current version, so a published version with more parts is
// newer only when an earlier part is larger; a published version with fewer
// parts counts its missing parts as 0 (1.3 is the same as 1.3.00).
bool UpdateInfo::IsNewerVersion(const QString& current, const QString& product,
                                TWfiVersionFormat format) {
    if (format == TWfiVersionFormat::wfivSimpleString)
        return product.toUtf8() > current.toUtf8();
    QStringView c(current);
    QStringView p(product);
    bool productLeft = true;
    for (;;) {
        const qsizetype i = c.indexOf(u'.');
        const qsizetype j = p.indexOf(u'.');
        const int a = (i < 0 ? c : c.first(i)).trimmed().toInt();
        const int b = productLeft ? (j < 0 ? p : p.first(j)).trimmed().toInt() : 0;
        if (a != b)
            return a < b;
        if (i < 0)
            return false;
        c = c.sliced(i + 1);
        if (j < 0)
            productLeft = false;
        else
            p = p.sliced(j + 1);
    }
}

bool UpdateInfo::LooksLikeUtf16(QByteArrayView page) {
    if (page.startsWith("\xff\xfe") || page.startsWith("\xfe\xff"))
        return true;
    const qsizetype nul = page.indexOf('\0');
    return nul >= 0 && nul < 2 && page.size() > 2;
}

qint64 UpdateInfo::DeclaredSize(const TWfiValues& values) {
    bool ok = false;
    const qint64 size = values.Size.trimmed().toLongLong(&ok);
    return ok && size >= 0 ? size : -1;
}

namespace {

// Characters that never belong in a proposed name: controls (C0, DEL, C1),
// formatting characters (the bidirectional overrides and isolates among
// them, which make "exe.txt" show as "txt.exe"), separators of lines and
// paragraphs, and unpaired surrogates.
bool unwanted(QChar c) {
    switch (c.category()) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
    case QChar::Other_Surrogate:
    case QChar::Other_NotAssigned:
        return true;
    default:
        return false;
    }
}

bool fits(const QString& name) {
    return name.size() <= UpdateInfo::kMaxFileName &&
           QFile::encodeName(name).size() <= UpdateInfo::kMaxFileName;
}

} // namespace

QString UpdateInfo::FileNameFromAddress(const QString& address) {
    // The path alone: "tlmr14.txt?to=/etc/x" proposes "tlmr14.txt".
    QString path = address.left(kWindow * 4);
    const QUrl url(path);
    if (url.isValid() && !url.scheme().isEmpty())
        path = url.path(QUrl::FullyDecoded);
    else if (const qsizetype query = path.indexOf(QRegularExpression(QStringLiteral("[?#]")));
             query >= 0)
        path.truncate(query);
    QString name = path.mid(path.lastIndexOf(u'/') + 1).left(kWindow);
    // A backslash separates folders elsewhere; keep only what follows it too.
    name = name.mid(name.lastIndexOf(u'\\') + 1);
    name.removeIf(unwanted);
    name = name.simplified();
    // No hidden file, and no dots or blanks that push the extension out of sight.
    while (name.startsWith(u'.') || name.startsWith(u' '))
        name.remove(0, 1);
    while (name.endsWith(u'.') || name.endsWith(u' '))
        name.chop(1);
    if (!fits(name)) {
        const qsizetype dot = name.lastIndexOf(u'.');
        QString extension = dot > 0 ? name.mid(dot) : QString();
        if (extension.size() > 16)
            extension.clear();
        QString stem = extension.isEmpty() ? name : name.left(dot);
        while (!stem.isEmpty() && !fits(stem + extension))
            stem.chop(stem.back().isLowSurrogate() && stem.size() > 1 ? 2 : 1);
        name = stem.trimmed() + extension;
    }
    return name;
}

QString UpdateInfo::FormatThousands(qint64 value) {
    const bool negative = value < 0;
    QString digits = QString::number(value).remove(u'-');
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, u',');
    return negative ? u'-' + digits : digits;
}
