#include "platform/Shell.h"

#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void emptyAddressDoesNothing();
    void addressesBecomeUrls();
    void longAddressIsCutTo1023Characters();
    void openerFailureIsReported();
    void startRunsAnExecutableWithItsParameters();
    void startOpensAFileThatIsNotExecutable();
    void startOfAMissingFileFails();

private:
    QList<QUrl> m_opened;
    bool m_openResult = true;
};

void TestShell::init() {
    m_opened.clear();
    m_openResult = true;
    Shell::setUrlOpener([this](const QUrl& url) {
        m_opened << url;
        return m_openResult;
    });
}

void TestShell::cleanup() {
    Shell::setUrlOpener({});
    Shell::setProgramStarter({});
}

void TestShell::emptyAddressDoesNothing() {
    QVERIFY(Shell::open(QString()));
    QVERIFY(m_opened.isEmpty());
}

void TestShell::addressesBecomeUrls() {
    QVERIFY(Shell::open("http://www.brindlecrest.example/freeware.htm"));
    QVERIFY(Shell::open("mailto:support@brindlecrest.example"));
    QVERIFY(Shell::open("www.brindlecrest.example"));
    QCOMPARE(m_opened.size(), 3);
    QCOMPARE(m_opened.at(0), QUrl("http://www.brindlecrest.example/freeware.htm"));
    QCOMPARE(m_opened.at(1).scheme(), QStringLiteral("mailto"));
    QCOMPARE(m_opened.at(1).path(), QStringLiteral("support@brindlecrest.example"));
    QCOMPARE(m_opened.at(2).scheme(), QStringLiteral("http"));
    QCOMPARE(m_opened.at(2).host(), QStringLiteral("www.brindlecrest.example"));
}

void TestShell::longAddressIsCutTo1023Characters() {
    const QString base = QStringLiteral("http://www.brindlecrest.example/");
    QVERIFY(Shell::open(base + QString(2000, u'a')));
    QVERIFY(Shell::open(base + QString(1023 - base.size(), u'b')));
    QCOMPARE(m_opened.size(), 2);
    QCOMPARE(m_opened.at(0).toString(), base + QString(1023 - base.size(), u'a'));
    QCOMPARE(m_opened.at(1).toString().size(), 1023);
}

void TestShell::openerFailureIsReported() {
    m_openResult = false;
    QVERIFY(!Shell::open("http://www.brindlecrest.example/"));
    QCOMPARE(m_opened.size(), 1);
}

void TestShell::startRunsAnExecutableWithItsParameters() {
    QTemporaryDir dir;
    const QString script = dir.filePath("setup.sh");
    const QString marker = dir.filePath("marker.txt");
    QFile f(script);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\necho \"$PWD $@\" > marker.tmp && mv marker.tmp marker.txt\n");
    f.close();
    QVERIFY(f.setPermissions(f.permissions() | QFile::ExeOwner));

    // The real start, detached, in the program's own folder.
    QVERIFY(Shell::start(script, {"/SILENT", "two words"}));
    QTRY_VERIFY(QFile::exists(marker));
    QFile out(marker);
    QVERIFY(out.open(QIODevice::ReadOnly));
    QCOMPARE(out.readAll().trimmed(), (dir.path() + " /SILENT two words").toUtf8());

    QString program;
    QStringList arguments;
    Shell::setProgramStarter([&](const QString& p, const QStringList& a) {
        program = p;
        arguments = a;
        return false;
    });
    QVERIFY(!Shell::start(script, {"-x"}));
    QCOMPARE(program, script);
    QCOMPARE(arguments, QStringList{"-x"});
    QVERIFY(m_opened.isEmpty());
}

void TestShell::startOpensAFileThatIsNotExecutable() {
    QTemporaryDir dir;
    const QString readme = dir.filePath("readme.txt");
    QFile f(readme);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("news");
    f.close();
    QVERIFY(Shell::start(readme, {"ignored"}));
    QCOMPARE(m_opened, QList<QUrl>{QUrl::fromLocalFile(readme)});
}

void TestShell::startOfAMissingFileFails() {
    QTemporaryDir dir;
    QVERIFY(!Shell::start(dir.filePath("gone.exe"), {}));
    QVERIFY(!Shell::start(QString(), {}));
    QVERIFY(m_opened.isEmpty());
}

QTEST_GUILESS_MAIN(TestShell)
#include "test_shell.moc"
