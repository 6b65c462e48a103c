// The update check's information page and its values: the page's META lines,
// a value's content, the date, the version comparison and the file name taken
// from an address. Input: page bytes; its NUL-separated parts also serve as
// date, versions and address.

#include "FuzzCheck.h"
#include "update/UpdateInfo.h"

using namespace UpdateInfo;

namespace {

void checkPage(QByteArrayView page) {
    const QStringList lines = PageLines(page);
    for (const QString& line : lines) {
        FUZZ_CHECK(!line.contains(u'\r') && !line.contains(u'\n'));
        bool found = false;
        const QString content = TagContent(line, &found);
        FUZZ_CHECK(found || content.isEmpty());
        FUZZ_CHECK(!content.contains(u'"') && content.size() <= kWindow);
        const QString name = TagName(line, &found);
        FUZZ_CHECK(found || name.isEmpty());
        FUZZ_CHECK(!name.contains(u'"') && name.size() <= kWindow);
    }
    const TWfiValues values = ParseInfo(lines, TWfiTags::programTags());
    FUZZ_CHECK(ParseInfoPage(page, TWfiTags::programTags()) == values);
    for (const QString* v : {&values.ProductName, &values.ProductVersion, &values.DownloadURL,
                             &values.RedirectURL, &values.Sha256})
        FUZZ_CHECK(!v->contains(u'"') && v->size() <= kWindow);
}

void checkDate(const QString& text) {
    FUZZ_CHECK(ParseDate(text, TWfiDateFormat::wfidNone) == 0);
    try {
        const double days = ParseDate(text, TWfiDateFormat::wfidMonthDayYear);
        // A valid calendar date of a year of at most four characters.
        FUZZ_CHECK(days >= -1100000 && days <= 2958465 + 366);
    } catch (const EConvertError&) {
    }
}

void checkVersions(const QString& a, const QString& b) {
    for (const TWfiVersionFormat format :
         {TWfiVersionFormat::wfivBuildNumber, TWfiVersionFormat::wfivSimpleString}) {
        FUZZ_CHECK(!IsNewerVersion(a, a, format));
        // Never newer both ways.
        FUZZ_CHECK(!(IsNewerVersion(a, b, format) && IsNewerVersion(b, a, format)));
    }
}

void checkFileName(const QString& address) {
    const QString name = FileNameFromAddress(address);
    FUZZ_CHECK(name.size() <= kWindow);
    FUZZ_CHECK(!name.contains(u'/') && !name.contains(u'\\'));
    FUZZ_CHECK(name != QLatin1String(".") && name != QLatin1String(".."));
    for (const QChar c : name)
        FUZZ_CHECK(c.unicode() >= 0x20);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView input = Fuzz::bytes(data, size);
    checkPage(input);
    const QList<QByteArray> p = Fuzz::parts(input, 3);
    const QString first = QString::fromUtf8(p[0]);
    const QString second = p.size() > 1 ? QString::fromUtf8(p[1]) : QString();
    checkDate(first);
    checkVersions(first, second);
    checkFileName(first);
    FormatThousands(qint64(size) * 1000003 - 500000000);
    return 0;
}
