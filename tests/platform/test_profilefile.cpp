#include "platform/HelpFile.h"
#include "platform/ProfileFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

class TestProfileFile : public QObject {
    Q_OBJECT
private slots:
    void init();
    void missingFileSectionOrKeyGiveNothing();
    void namesMatchIgnoringCase();
    void blanksAroundKeysAndValuesAreTrimmed();
    void changingAKeyKeepsEveryOtherByte();
    void newKeyGoesToTheEndOfItsSection();
    void newSectionGoesToTheEnd();
    void firstWriteCreatesTheFile();
    void crlfFileKeepsItsLineEndings();
    void lastLineWithoutLineEnding();
    void longValuesAreReadUpTo2047Characters();
    void textRoundTripsUnchanged();
    void lineBreakInValueCannotForgeLines();
    void invalidNamesAreRefused();
    void readInteger_data();
    void readInteger();
    void unwritableLocationThrowsNamingTheFile();
    void failedWriteLeavesTheOldFile();
    void nonUtf8FileKeepsItsBytes();
    void onlyRegularFilesWithinTheLimit_data();
    void onlyRegularFilesWithinTheLimit();
    void leftoversOfKilledSavesAreRemoved();
    void superuserKeepsTheOwner();

private:
    QString write(const QByteArray& bytes);
    QByteArray contents() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

void TestProfileFile::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath(QStringLiteral("tlmr.ini"));
}

QString TestProfileFile::write(const QByteArray& bytes) {
    QFile f(m_path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot prepare %s", qPrintable(m_path));
    return m_path;
}

QByteArray TestProfileFile::contents() const {
    QFile f(m_path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void TestProfileFile::missingFileSectionOrKeyGiveNothing() {
    ProfileFile ini(m_path);
    QCOMPARE(ini.readString("LastValues", "Savings"), std::nullopt);
    QCOMPARE(ini.readString("LastValues", "Savings", "0"), QStringLiteral("0"));
    QCOMPARE(ini.readInteger("LastValues", "FirstYear", 2001), 2001);
    QVERIFY(!QFile::exists(m_path)); // reading never creates the file

    write("[Other]\nSavings=5\n[LastValues]\nBalance=7\n; Savings=9\nSavings\n");
    QCOMPARE(ini.readString("LastValues", "Savings"), std::nullopt);
    QCOMPARE(ini.readString("Missing", "Balance"), std::nullopt);
    QCOMPARE(ini.readString("LastValues", "Balance"), QStringLiteral("7"));
}

void TestProfileFile::namesMatchIgnoringCase() {
    write("[lastvalues]\nSAVINGS=12.5\n");
    ProfileFile ini(m_path);
    QCOMPARE(ini.readString("LastValues", "Savings"), QStringLiteral("12.5"));

    ini.writeString("LASTVALUES", "savings", "13");
    // The file keeps its own spelling of section and key.
    QCOMPARE(contents(), QByteArray("[lastvalues]\nSAVINGS=13\n"));
}

void TestProfileFile::blanksAroundKeysAndValuesAreTrimmed() {
    write("  [ LastValues ]  \n  Frequency =  Monthly \t\nEmpty=\n");
    ProfileFile ini(m_path);
    QCOMPARE(ini.readString("LastValues", "Frequency"), QStringLiteral("Monthly"));
    QCOMPARE(ini.readString("LastValues", "Empty"), QString());
}

void TestProfileFile::changingAKeyKeepsEveryOtherByte() {
    const QByteArray before = "; kept comment\n"
                              "[Display]\nColour = blue\n\n"
                              "[LastValues]\nSavings=100\n  ; note\nweird line\nBalance = 2\n\n"
                              "[Zeta]\nx=1\n";
    write(before);
    ProfileFile(m_path).writeString("LastValues", "Balance", "2500");
    QByteArray expected = before;
    expected.replace("Balance = 2\n", "Balance=2500\n");
    QCOMPARE(contents(), expected);
}

void TestProfileFile::newKeyGoesToTheEndOfItsSection() {
    write("[LastValues]\nSavings=1\n\n\n[Other]\nk=v\n");
    ProfileFile ini(m_path);
    ini.writeString("LastValues", "Balance", "2");
    ini.writeString("Other", "Term", "360");
    QCOMPARE(contents(),
             QByteArray("[LastValues]\nSavings=1\nBalance=2\n\n\n[Other]\nk=v\nTerm=360\n"));
    QCOMPARE(ini.readString("LastValues", "Balance"), QStringLiteral("2"));
}

void TestProfileFile::newSectionGoesToTheEnd() {
    write("[Other]\nk=v\n");
    ProfileFile ini(m_path);
    ini.writeString("LastValues", "Savings", "0");
    QCOMPARE(contents(), QByteArray("[Other]\nk=v\n\n[LastValues]\nSavings=0\n"));
}

void TestProfileFile::firstWriteCreatesTheFile() {
    ProfileFile ini(m_path);
    ini.writeString("LastValues", "Savings", "2500");
    ini.writeString("LastValues", "Interest", "7.25");
    QCOMPARE(contents(), QByteArray("[LastValues]\nSavings=2500\nInterest=7.25\n"));
    // Nothing else left behind in the folder (no temporary file).
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"tlmr.ini"});
}

void TestProfileFile::crlfFileKeepsItsLineEndings() {
    write("[LastValues]\r\nSavings=1\r\n");
    ProfileFile ini(m_path);
    ini.writeString("LastValues", "Savings", "2");
    ini.writeString("LastValues", "Balance", "3");
    ini.writeString("New", "a", "b");
    QCOMPARE(contents(),
             QByteArray("[LastValues]\r\nSavings=2\r\nBalance=3\r\n\r\n[New]\r\na=b\r\n"));
}

void TestProfileFile::lastLineWithoutLineEnding() {
    write("[LastValues]\nSavings=1");
    ProfileFile ini(m_path);
    QCOMPARE(ini.readString("LastValues", "Savings"), QStringLiteral("1"));
    ini.writeString("LastValues", "Balance", "3");
    QCOMPARE(contents(), QByteArray("[LastValues]\nSavings=1\nBalance=3\n"));
}

void TestProfileFile::longValuesAreReadUpTo2047Characters() {
    const QString longValue(3000, u'x');
    ProfileFile ini(m_path);
    ini.writeString("S", "k", longValue);
    QCOMPARE(ini.readString("S", "k")->size(), 2047);
    ini.writeString("S", "k", QString(2047, u'y'));
    QCOMPARE(*ini.readString("S", "k"), QString(2047, u'y'));
}

void TestProfileFile::textRoundTripsUnchanged() {
    ProfileFile ini(m_path);
    const QString odd = QStringLiteral("Wöchentlich = ; [x] €");
    ini.writeString("LastValues", "Frequency", odd);
    QCOMPARE(ini.readString("LastValues", "Frequency"), odd);
    QVERIFY(contents().contains(odd.toUtf8()));
}

void TestProfileFile::lineBreakInValueCannotForgeLines() {
    ProfileFile ini(m_path);
    ini.writeString("LastValues", "Frequency", "Monthly\n[Evil]\r\nSavings=1");
    QCOMPARE(ini.readString("LastValues", "Frequency"), QStringLiteral("Monthly [Evil] Savings=1"));
    QCOMPARE(ini.readString("Evil", "Savings"), std::nullopt);
}

void TestProfileFile::invalidNamesAreRefused() {
    ProfileFile ini(m_path);
    QVERIFY_THROWS_EXCEPTION(ProfileWriteError, ini.writeString("", "k", "v"));
    QVERIFY_THROWS_EXCEPTION(ProfileWriteError, ini.writeString("a]b", "k", "v"));
    QVERIFY_THROWS_EXCEPTION(ProfileWriteError, ini.writeString("S", "a=b", "v"));
    QVERIFY_THROWS_EXCEPTION(ProfileWriteError, ini.writeString("S", "a\nb", "v"));
    QVERIFY_THROWS_EXCEPTION(ProfileWriteError, ini.writeString("S", " ", "v"));
    QVERIFY_THROWS_EXCEPTION(ProfileWriteError,
                             ini.writeString("S", QChar(0xFEFF) + QStringLiteral("k"), "v"));
    QVERIFY(!QFile::exists(m_path));
}

void TestProfileFile::readInteger_data() {
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("expected");
    const int def = -999;
    QTest::newRow("decimal") << QByteArray("2001") << 2001;
    QTest::newRow("signed") << QByteArray("-42") << -42;
    QTest::newRow("plus") << QByteArray("+7") << 7;
    QTest::newRow("hex") << QByteArray("0x7D1") << 2001;
    QTest::newRow("HEX") << QByteArray("0XfF") << 255;
    QTest::newRow("negative hex") << QByteArray("-0x10") << -16;
    QTest::newRow("leading zeros") << QByteArray("0031") << 31;
    QTest::newRow("int max") << QByteArray("2147483647") << 2147483647;
    QTest::newRow("int min") << QByteArray("-2147483648") << int(-2147483647 - 1);
    QTest::newRow("empty") << QByteArray("") << def;
    QTest::newRow("letters") << QByteArray("abc") << def;
    QTest::newRow("trailing junk") << QByteArray("2001abc") << def;
    QTest::newRow("decimal point") << QByteArray("2001.5") << def;
    QTest::newRow("bare prefix") << QByteArray("0x") << def;
    QTest::newRow("hex digits without prefix") << QByteArray("7D1") << def;
    QTest::newRow("inner blank") << QByteArray("20 01") << def;
    QTest::newRow("sign only") << QByteArray("-") << def;
    QTest::newRow("overflow") << QByteArray("2147483648") << def;
    QTest::newRow("huge") << QByteArray("99999999999999999999999") << def;
    QTest::newRow("arabic digits") << QByteArray("\xd9\xa2\xd9\xa0") << def;
}

void TestProfileFile::readInteger() {
    QFETCH(QByteArray, value);
    QFETCH(int, expected);
    write("[LastValues]\nFirstYear=" + value + "\n");
    QCOMPARE(ProfileFile(m_path).readInteger("LastValues", "FirstYear", -999), expected);
}

void TestProfileFile::unwritableLocationThrowsNamingTheFile() {
    // A parent that is a regular file, and a folder that does not exist: both
    // fail even for the superuser.
    const QString blocker = m_dir->filePath("plainfile");
    QFile f(blocker);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    for (const QString& path : {blocker + "/tlmr.ini", m_dir->filePath("no/such/dir/tlmr.ini")}) {
        ProfileFile ini(path);
        try {
            ini.writeString("LastValues", "Savings", "1");
            QFAIL("no error for an unwritable file");
        } catch (const ProfileWriteError& e) {
            QVERIFY2(QString::fromUtf8(e.what()).contains(path), e.what());
        }
    }
}

void TestProfileFile::failedWriteLeavesTheOldFile() {
    // The settings "file" is a folder: it cannot be replaced, and stays as it was.
    QVERIFY(QDir(m_dir->path()).mkdir("tlmr.ini"));
    QFile inside(m_dir->filePath("tlmr.ini/keep.txt"));
    QVERIFY(inside.open(QIODevice::WriteOnly));
    inside.write("kept");
    inside.close();
    ProfileFile ini(m_path);
    QVERIFY_THROWS_EXCEPTION(ProfileWriteError, ini.writeString("LastValues", "Savings", "1"));
    QVERIFY(QFileInfo(m_path).isDir());
    QVERIFY(QFile::exists(m_dir->filePath("tlmr.ini/keep.txt")));

    // A read-only file in a writable folder could be renamed over; it is not.
    QDir(m_path).removeRecursively();
    write("[LastValues]\nSavings=1\n");
    QVERIFY(QFile::setPermissions(m_path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    QVERIFY_THROWS_EXCEPTION(ProfileWriteError, ini.writeString("LastValues", "Savings", "2"));
    QCOMPARE(contents(), QByteArray("[LastValues]\nSavings=1\n"));
    QVERIFY(!(QFileInfo(m_path).permissions() & QFile::WriteOwner));
    QVERIFY(QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner));

    // A successful write replaces the file whole: an old open handle still
    // reads the old contents (the new file is a different one, renamed in).
    write("[LastValues]\nSavings=1\n");
    QFile old(m_path);
    QVERIFY(old.open(QIODevice::ReadOnly));
    ini.writeString("LastValues", "Savings", "2");
    QCOMPARE(old.readAll(), QByteArray("[LastValues]\nSavings=1\n"));
    QCOMPARE(contents(), QByteArray("[LastValues]\nSavings=2\n"));
}

void TestProfileFile::nonUtf8FileKeepsItsBytes() {
    // Untouched lines keep their bytes; changed values are UTF-8.
    const QByteArray before = "; caf\xe9\n[LastValues]\nFrequency=Monthly\nNote=\xe9t\xe9\n";
    write(before);
    ProfileFile ini(m_path);
    QCOMPARE(ini.readString("LastValues", "Note"), QStringLiteral("été")); // read as Latin-1
    ini.writeString("LastValues", "Frequency", QStringLiteral("Mensuel €"));
    QCOMPARE(contents(), QByteArray("; caf\xe9\n[LastValues]\nFrequency=Mensuel \xe2\x82\xac\n"
                                    "Note=\xe9t\xe9\n"));
    QCOMPARE(ini.readString("LastValues", "Frequency"), QStringLiteral("Mensuel €"));

    write("\xEF\xBB\xBF[LastValues]\nSavings=1\n");
    QCOMPARE(ini.readString("LastValues", "Savings"), QStringLiteral("1"));
    ini.writeString("LastValues", "Savings", "2");
    QCOMPARE(contents(), QByteArray("\xEF\xBB\xBF[LastValues]\nSavings=2\n"));
}

void TestProfileFile::onlyRegularFilesWithinTheLimit_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("named pipe") << "pipe"
                                << "it is not a regular file";
    QTest::newRow("link to a device") << "device"
                                      << "it is not a regular file";
    QTest::newRow("folder") << "folder"
                            << "it is not a regular file";
    QTest::newRow("above the limit") << "large"
                                     << "it is larger than 4096 KiB";
}

void TestProfileFile::onlyRegularFilesWithinTheLimit() {
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    const QByteArray large = "[LastValues]\nSavings=1\n" + QByteArray(ProfileFile::kMaxSize, ';');
    if (kind == "pipe")
        QCOMPARE(::mkfifo(QFile::encodeName(m_path).constData(), 0600), 0);
    if (kind == "device")
        QVERIFY(QFile::link("/dev/zero", m_path));
    if (kind == "folder")
        QVERIFY(QDir().mkdir(m_path));
    if (kind == "large")
        write(large);

    // Neither read (a pipe would block, a device never end)...
    ProfileFile ini(m_path);
    try {
        ini.read();
        QFAIL("read");
    } catch (const ProfileReadError& e) {
        QCOMPARE(e.reason(), reason);
        QCOMPARE(QString::fromUtf8(e.what()),
                 "Cannot read the settings file " + m_path + ": " + reason);
    }
    // ...nor replaced.
    try {
        ini.writeString("LastValues", "Savings", "2");
        QFAIL("write");
    } catch (const ProfileWriteError& e) {
        QCOMPARE(e.reason(), reason);
    }
    if (kind == "large")
        QCOMPARE(contents(), large);
    // The help file is read by the same rule.
    HelpFile help;
    QVERIFY(!help.load(m_path));
    QCOMPARE(help.errorString(), "The file cannot be read: " + reason + ".");
    QCOMPARE(QFileInfo(m_path).isSymLink(), kind == "device");
}

void TestProfileFile::leftoversOfKilledSavesAreRemoved() {
    const QStringList ours{"tlmr.ini.saving-a1B2c3", "tlmr.ini.saving-ZZZZZZ"};
    const QStringList others{"tlmr.ini.backup", "tlmr.ini.saving-abc", "other.ini.saving-a1B2c3",
                             "tlmr.ini.saving-a1B2c3.txt"};
    for (const QString& name : ours + others) {
        QFile f(m_dir->filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    ProfileFile(m_path).writeString("LastValues", "Savings", "1");
    QStringList expected = others;
    expected << "tlmr.ini";
    expected.sort();
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files, QDir::Name), expected);
}

void TestProfileFile::superuserKeepsTheOwner() {
    if (::geteuid() != 0)
        QSKIP("only the superuser can save a file that belongs to someone else");
    write("[LastValues]\nSavings=1\n");
    const QByteArray name = QFile::encodeName(m_path);
    QCOMPARE(::chown(name.constData(), 65534, 65534), 0);
    QCOMPARE(::chmod(name.constData(), 0640), 0);
    ProfileFile(m_path).writeString("LastValues", "Savings", "2");
    struct stat st {};
    QCOMPARE(::stat(name.constData(), &st), 0);
    QCOMPARE(st.st_uid, uid_t(65534));
    QCOMPARE(st.st_gid, gid_t(65534));
    QCOMPARE(st.st_mode & 07777, mode_t(0640));
    QCOMPARE(contents(), QByteArray("[LastValues]\nSavings=2\n"));
}

QTEST_GUILESS_MAIN(TestProfileFile)
#include "test_profilefile.moc"
