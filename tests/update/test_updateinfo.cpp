#include "update/UpdateInfo.h"

#include <QtTest>

using namespace UpdateInfo;

class TestUpdateInfo : public QObject {
    Q_OBJECT
private slots:
    void parsePage_data();
    void parsePage();
    void tagContent_data();
    void tagContent();
    void parseDate_data();
    void parseDate();
    void badDatesRaise_data();
    void badDatesRaise();
    void newerVersion_data();
    void newerVersion();
    void fileNameFromAddress_data();
    void fileNameFromAddress();
    void formatThousands();
};

namespace {

QByteArray meta(const QByteArray& name, const QByteArray& value) {
    return "<META HTTP-EQUIV=\"" + name + "\" CONTENT=\"" + value + "\">";
}

} // namespace

void TestUpdateInfo::parsePage_data() {
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("readMeExt");

    const QByteArray v = meta("version", "1.4");
    QTest::newRow("CR LF lines") << "<html>\r\n" + v + "\r\n" + meta("url", "http://h/a.exe")
                                 << "1.4"
                                 << "http://h/a.exe"
                                 << "";
    QTest::newRow("CR and LF alone") << "x\r" + v + "\n" + meta("url", "u") + "\r"
                                     << "1.4"
                                     << "u"
                                     << "";
    QTest::newRow("no META lines") << QByteArray("<html><body>hi</body></html>") << ""
                                   << ""
                                   << "";
    QTest::newRow("keyword in lower case")
        << QByteArray("<meta http-equiv=\"version\" CONTENT=\"2.0\">") << "2.0"
        << ""
        << "";
    QTest::newRow("CONTENT= in lower case is found")
        << QByteArray("<meta http-equiv=\"version\" content=\"2.1\">") << "2.1"
        << ""
        << "";
    QTest::newRow("tag name in other case is unknown") << meta("Version", "9") << ""
                                                       << ""
                                                       << "";
    QTest::newRow("later line wins") << v + "\n" + meta("version", "1.5") << "1.5"
                                     << ""
                                     << "";
    QTest::newRow("two keywords in one line: the first counts")
        << v + meta("url", "ignored") << "1.4"
        << ""
        << "";
    QTest::newRow("NUL ends the page")
        << v + "\n" + QByteArray(1, '\0') + "\n" + meta("url", "u") << "1.4"
        << ""
        << "";
    QTest::newRow("empty name fills the empty tag") << meta("", "x.txt") << ""
                                                    << ""
                                                    << "x.txt";
    QTest::newRow("no CONTENT= sets nothing") << v + "\n<META HTTP-EQUIV=\"version\" VALUE=\"3.0\">"
                                              << "1.4"
                                              << ""
                                              << "";
    QTest::newRow("no closing quote gives empty")
        << QByteArray("<META HTTP-EQUIV=\"version\" CONTENT=\"1.4") << ""
        << ""
        << "";
}

void TestUpdateInfo::parsePage() {
    QFETCH(QByteArray, page);
    QFETCH(QString, version);
    QFETCH(QString, url);
    QFETCH(QString, readMeExt);
    const TWfiValues values = ParseInfoPage(page, TWfiTags::programTags());
    QCOMPARE(values.ProductVersion, version);
    QCOMPARE(values.DownloadURL, url);
    QCOMPARE(values.ProductReadMeExt, readMeExt);
}

void TestUpdateInfo::tagContent_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("found");
    QTest::newRow("usual") << "<META HTTP-EQUIV=\"date\" CONTENT=\"Oct 31, 2001\">"
                           << "Oct 31, 2001" << true;
    QTest::newRow("first CONTENT= counts") << "CONTENT=\"a\" CONTENT=\"b\""
                                           << "a" << true;
    QTest::newRow("quote beyond 1000 characters") << "CONTENT=\"" + QString(1000, u'x') + "\""
                                                  << "" << true;
    QTest::newRow("quote at 1000 characters")
        << "CONTENT=\"" + QString(999, u'x') + "\"" << QString(999, u'x') << true;
    QTest::newRow("none") << "CONTENT\"x\""
                          << "" << false;
}

void TestUpdateInfo::tagContent() {
    QFETCH(QString, line);
    QFETCH(QString, value);
    QFETCH(bool, found);
    bool has = !found;
    QCOMPARE(TagContent(line, &has), value);
    QCOMPARE(has, found);
}

void TestUpdateInfo::parseDate_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    QTest::newRow("long month") << "October 31, 2001" << QDate(2001, 10, 31);
    QTest::newRow("short month") << "Oct 31, 2001" << QDate(2001, 10, 31);
    QTest::newRow("one-digit day") << "Oct 1, 2001" << QDate(2001, 10, 1);
    QTest::newRow("upper case") << "JANUARY 05, 2002" << QDate(2002, 1, 5);
    QTest::newRow("December") << "Dec 25, 1999" << QDate(1999, 12, 25);
}

void TestUpdateInfo::parseDate() {
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QCOMPARE(ParseDate(text, TWfiDateFormat::wfidMonthDayYear),
             double(QDate(1899, 12, 30).daysTo(date)));
    QCOMPARE(ParseDate(text, TWfiDateFormat::wfidNone), 0.0);
}

void TestUpdateInfo::badDatesRaise_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("no month") << "Foo 31, 2001";
    QTest::newRow("letters inside the month list") << "ANF 3, 2001";
    QTest::newRow("no comma") << "Oct 31 2001";
    QTest::newRow("day out of range") << "Feb 30, 2001";
    QTest::newRow("year not a number") << "Oct 31, 20x1";
    QTest::newRow("empty") << "";
    QTest::newRow("comma first") << ",Oct";
}

void TestUpdateInfo::badDatesRaise() {
    QFETCH(QString, text);
    QVERIFY_THROWS_EXCEPTION(EConvertError, ParseDate(text, TWfiDateFormat::wfidMonthDayYear));
}

void TestUpdateInfo::newerVersion_data() {
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("product");
    QTest::addColumn<bool>("simple");
    QTest::addColumn<bool>("newer");
    QTest::newRow("1.3.01") << "1.3.00"
                            << "1.3.01" << false << true;
    QTest::newRow("1.4") << "1.3.00"
                         << "1.4" << false << true;
    QTest::newRow("2") << "1.3.00"
                       << "2" << false << true;
    QTest::newRow("1.2.99") << "1.3.00"
                            << "1.2.99" << false << false;
    QTest::newRow("equal") << "1.3.00"
                           << "1.3.00" << false << false;
    QTest::newRow("empty published") << "1.3.00"
                                     << "" << false << false;
    QTest::newRow("current runs out first") << "1.3"
                                            << "1.3.1" << false << false;
    QTest::newRow("fewer published parts count as 0") << "1.3.00"
                                                      << "1.3" << false << false;
    QTest::newRow("fewer parts, still newer") << "1.3.00"
                                              << "1.4" << false << true;
    QTest::newRow("fewer parts, later part larger") << "1.3.05"
                                                    << "1.3" << false << false;
    QTest::newRow("text part counts as 0") << "1.3.00"
                                           << "1.3.beta" << false << false;
    QTest::newRow("numbers, not text") << "1.9"
                                       << "1.10" << false << true;
    QTest::newRow("simple: 1.10 sorts before 1.9") << "1.9"
                                                   << "1.10" << true << false;
    QTest::newRow("simple: later text") << "1.3.00"
                                        << "1.3.01" << true << true;
    QTest::newRow("simple: case matters") << "a"
                                          << "B" << true << false;
}

void TestUpdateInfo::newerVersion() {
    QFETCH(QString, current);
    QFETCH(QString, product);
    QFETCH(bool, simple);
    QFETCH(bool, newer);
    QCOMPARE(IsNewerVersion(current, product,
                            simple ? TWfiVersionFormat::wfivSimpleString
                                   : TWfiVersionFormat::wfivBuildNumber),
             newer);
}

void TestUpdateInfo::fileNameFromAddress_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("name");
    QTest::newRow("usual") << "http://h/dl/tlmr14.exe"
                           << "tlmr14.exe";
    QTest::newRow("ends with /") << "http://h/dl/"
                                 << "";
    QTest::newRow("no /") << "tlmr.exe"
                          << "tlmr.exe";
    QTest::newRow("parent folder") << "http://h/dl/.."
                                   << "";
    QTest::newRow("backslashes") << "http://h/a\\..\\x.exe"
                                 << "x.exe";
    QTest::newRow("query left out") << "http://h/dl/tlmr14.txt?to=../../x/evil.exe"
                                    << "tlmr14.txt";
    QTest::newRow("leading dots") << "http://h/..bashrc"
                                  << "bashrc";
    QTest::newRow("right-to-left override")
        << QString::fromUtf8("http://h/tlmr\u202Etxt.exe") << "tlmrtxt.exe";
    QTest::newRow("isolates and DEL")
        << QString::fromUtf8("http://h/a\u2066b\u2069\x7f.exe") << "ab.exe";
    QTest::newRow("blanks hiding the extension") << "http://h/notes.txt%20%20%20%20.exe%20."
                                                 << "notes.txt .exe";
    QTest::newRow("255 characters keep the extension")
        << "http://h/" + QString(251, u'n') + ".exe" << QString(196, u'n') + ".exe";
    QTest::newRow("long in bytes") << "http://h/" + QString(150, QChar(0x00e9)) + ".zip"
                                   << QString(98, QChar(0x00e9)) + ".zip";
    QTest::newRow("control characters") << "http://h/a\nb.exe"
                                        << "ab.exe";
    QTest::newRow("long name cut") << "http://h/" + QString(1500, u'n') << QString(200, u'n');
}

void TestUpdateInfo::fileNameFromAddress() {
    QFETCH(QString, address);
    QFETCH(QString, name);
    QCOMPARE(FileNameFromAddress(address), name);
}

void TestUpdateInfo::formatThousands() {
    const QList<std::pair<qint64, QString>> cases = {{0, "0"},        {999, "999"},
                                                     {1000, "1,000"}, {1234567, "1,234,567"},
                                                     {-1, "-1"},      {-1234, "-1,234"}};
    for (const auto& [value, text] : cases)
        QCOMPARE(FormatThousands(value), text);
}

QTEST_APPLESS_MAIN(TestUpdateInfo)
#include "test_updateinfo.moc"
