#include "UpdateFixture.h"
#include "platform/Shell.h"
#include "tests/saving/SmallDisk.h"
#include "tests/support/TestMain.h"
#include "update/UpdateWindows.h"

#include <QCryptographicHash>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <sys/stat.h>

using namespace UpdateFixture;
using Response = LoopbackHttpServer::Response;
using Answer = DialogService::Answer;

// Execute, the read-me and the download, walked as the user walks them.
class TestRetrieval : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void wholeRoad();
    void endsEarly_data();
    void endsEarly();
    void cancelKeepsTheChosenFileAndLeavesNoPart();
    void damagedDownloadIsNeverStarted();
    void updateThatCannotBeStarted();
    void savedNameGetsTheFilterExtension_data();
    void savedNameGetsTheFilterExtension();
    void readMeIsOnlyShownAsText();
    void fileThatCannotBeCreatedIsReported();
    void badTargets_data();
    void badTargets();

private:
    void publish(const QByteArray& version, const QByteArray& extra = {});
    QString read(const QString& path) const;

    LoopbackHttpServer* m_server = nullptr;
    ScriptedDialogService* m_dialogs = nullptr;
    std::unique_ptr<TWebFileInfo> m_info;
    std::unique_ptr<QTemporaryDir> m_dir;
    QList<QUrl> m_opened;
    bool m_openResult = true;
    int m_terminated = 0;
    const QByteArray m_download = "new version of the program";
};

void TestRetrieval::init() {
    m_server = new LoopbackHttpServer;
    m_dialogs = &ScriptedDialogService::install(*Application::instance());
    m_info = component(*m_server);
    m_info->setTerminate([this] { ++m_terminated; });
    m_dir = std::make_unique<QTemporaryDir>();
    m_opened.clear();
    m_openResult = true;
    m_terminated = 0;
    Shell::setUrlOpener([this](const QUrl& url) {
        m_opened << url;
        return m_openResult;
    });
    Response download = Response::ok({}, "application/octet-stream");
    download.body = {{m_download.left(10), 0}, {m_download.mid(10), 30}};
    m_server->setResponse("/dl/tlmr14", download);
    m_server->setResponse("/readme.txt", Response::ok("What is new\nin 1.4", "text/plain"));
}

void TestRetrieval::cleanup() {
    Shell::setUrlOpener({});
    m_info.reset();
    delete m_server;
}

void TestRetrieval::publish(const QByteArray& version, const QByteArray& extra) {
    m_server->setResponse("/tlmr.htm", Response::ok(page(*m_server, version, extra)));
}

QString TestRetrieval::read(const QString& path) const {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QStringLiteral("-");
}

void TestRetrieval::wholeRoad() {
    const QByteArray sha = QCryptographicHash::hash(m_download, QCryptographicHash::Sha256).toHex();
    publish("1.4", meta("sha256", sha.toUpper()));
    for (Answer a : {Answer::Yes, Answer::Yes, Answer::Yes})
        m_dialogs->setNextAnswer(a);
    m_dialogs->setNextSaveFileName(m_dir->filePath("tlmr14"));
    QString readMeText;
    const auto readMe = onModal("ReadMeWindow", [&](QWidget* w) {
        readMeText = w->findChild<QPlainTextEdit*>("memReadMe")->toPlainText();
        w->findChild<QPushButton*>("btnOk")->click();
    });
    QList<std::pair<int, int>> progress;
    m_info->OnDownloadProgress = [&](TWebFileInfo*, int received, int total) {
        progress << std::pair(received, total);
    };

    QVERIFY(m_info->Execute());

    const QString versions = "Current version is 1.3.00.\rVersion 1.4 is available.\r";
    QCOMPARE(m_dialogs->texts(),
             (QStringList{versions + "Would you like to view the ReadMe file?",
                          versions + "Download the update?",
                          "Do you want to install the update now?\rThis will close Tallowmere."}));
    QCOMPARE(readMeText, QStringLiteral("What is new\nin 1.4"));
    const auto& save = m_dialogs->calls().at(2);
    QCOMPARE(save.text, QStringLiteral("tlmr14"));
    QCOMPARE(save.filter,
             QStringLiteral("Application (*.EXE);;Zipped File (*.ZIP);;All Files (*.*)"));
    const QString saved = m_dir->filePath("tlmr14.EXE");
    QCOMPARE(m_info->LocalFileName(), saved);
    QCOMPARE(read(saved), QString::fromUtf8(m_download));
    QVERIFY(!QFile::exists(saved + ".part"));
    QCOMPARE(progress.constLast(), std::pair(int(m_download.size()), int(m_download.size())));
    QCOMPARE(m_opened, QList<QUrl>{QUrl::fromLocalFile(saved)});
    QCOMPARE(m_terminated, 1);

    // The information stays held: a second run fetches no page.
    const qsizetype pageRequests = m_server->requests().size();
    m_dialogs->clear();
    QVERIFY(!m_info->Execute()); // declines the read-me and the download
    QCOMPARE(m_dialogs->count(), 2);
    QCOMPARE(m_server->requests().size(), pageRequests);
}

void TestRetrieval::endsEarly_data() {
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QString>("lastText");

    QTest::newRow("no update") << QByteArray("1.3.00") << QList<Answer>()
                               << QStringList{"No Update Found"} << "There is no update available.";
    QTest::newRow("page missing")
        << QByteArray() << QList<Answer>() << QStringList{"", "Connection Error"}
        << "Could not retrieve version information from the Internet.\rError: \"Not Found.\"";
    QTest::newRow("download declined")
        << QByteArray("1.4") << QList<Answer>{Answer::No, Answer::No}
        << QStringList{"Update Available", "Update Available"}
        << "Current version is 1.3.00.\rVersion 1.4 is available.\rDownload the update?";
    QTest::newRow("save cancelled")
        << QByteArray("1.4") << QList<Answer>{Answer::No, Answer::Yes}
        << QStringList{"Update Available", "Update Available", ""} << "tlmr14";
}

void TestRetrieval::endsEarly() {
    QFETCH(QByteArray, version);
    QFETCH(QList<Answer>, answers);
    QFETCH(QStringList, captions);
    QFETCH(QString, lastText);
    if (!version.isEmpty())
        publish(version);
    for (Answer a : answers)
        m_dialogs->setNextAnswer(a);
    QVERIFY(!m_info->Execute());
    QStringList seen;
    for (const auto& call : m_dialogs->calls())
        seen << call.caption;
    QCOMPARE(seen, captions);
    QCOMPARE(m_dialogs->last().text, lastText);
    QVERIFY(m_opened.isEmpty());
}

void TestRetrieval::cancelKeepsTheChosenFileAndLeavesNoPart() {
    publish("1.4");
    Response slow = Response::ok({});
    slow.contentLength = -1;
    slow.body = {{"first", 0}, {"never arrives", 5000}};
    m_server->setResponse("/dl/tlmr14", slow);
    const QString chosen = m_dir->filePath("tlmr14.EXE");
    {
        QFile old(chosen);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    m_info->setOptions(wfioRunUpdate);
    m_dialogs->setNextAnswer(Answer::Yes);
    m_dialogs->setNextSaveFileName(chosen);
    QString shown;
    int bar = -1;
    m_info->OnDownloadProgress = [&](TWebFileInfo*, int, int) {
        auto* window = qobject_cast<TWebDlProgress*>(QApplication::activeModalWidget());
        QVERIFY(window);
        shown = window->findChild<QLabel*>(QStringLiteral("lblProgress"))->text();
        bar = window->findChild<QProgressBar*>(QStringLiteral("pbarProgress"))->value();
        QTimer::singleShot(0, window->findChild<QPushButton*>(QStringLiteral("btnCancel")),
                           &QPushButton::click);
    };
    QVERIFY(!m_info->Execute());
    QCOMPARE(shown, QStringLiteral("5 of -1 bytes received."));
    QCOMPARE(bar, 0);
    QCOMPARE(m_dialogs->last().caption, QStringLiteral("Download Error"));
    QCOMPARE(m_dialogs->last().text,
             QStringLiteral("Error occurred while downloading update.\rError: \"Connection aborted "
                            "on request.\""));
    QCOMPARE(read(chosen), QStringLiteral("old"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"tlmr14.EXE"});
}

void TestRetrieval::damagedDownloadIsNeverStarted() {
    publish("1.4", meta("sha256", QByteArray(64, 'a')));
    m_info->setOptions(wfioRunUpdate | wfioExitDuringUpdate);
    m_dialogs->setDefaultAnswer(Answer::Yes);
    m_dialogs->setNextSaveFileName(m_dir->filePath("tlmr14.EXE"));
    QVERIFY(!m_info->Execute());
    QCOMPARE(
        m_dialogs->last().text,
        QStringLiteral("Error occurred while downloading update.\rError: \"the download was "
                       "damaged or altered on its way (its SHA-256 checksum does not match).\""));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList());
    QVERIFY(m_opened.isEmpty());
    QCOMPARE(m_terminated, 0);
}

void TestRetrieval::updateThatCannotBeStarted() {
    publish("1.4");
    m_info->setOptions(wfioRunUpdate); // without the exit: the question names no program
    m_dialogs->setDefaultAnswer(Answer::Yes);
    m_dialogs->setNextAnswer(Answer::Yes);
    m_dialogs->setNextSaveFileName(m_dir->filePath("tlmr14.EXE"));
    m_openResult = false;
    QVERIFY(m_info->Execute()); // the download itself succeeded
    const QStringList texts = m_dialogs->texts();
    QCOMPARE(texts.mid(texts.size() - 2),
             (QStringList{"Do you want to install the update now?", "Can not start program."}));
    QCOMPARE(m_dialogs->last().caption, QStringLiteral("Error"));
    QCOMPARE(m_terminated, 0);
}

void TestRetrieval::savedNameGetsTheFilterExtension_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("saved");
    QTest::newRow("application") << "new" << 0 << "new.EXE";
    QTest::newRow("zipped") << "new" << 1 << "new.ZIP";
    QTest::newRow("all files") << "new" << 2 << "new";
    QTest::newRow("has an extension") << "new.bin" << 0 << "new.bin";
}

void TestRetrieval::savedNameGetsTheFilterExtension() {
    QFETCH(QString, typed);
    QFETCH(int, filter);
    QFETCH(QString, saved);
    publish("1.4");
    m_info->setOptions({}); // download only
    m_dialogs->setNextAnswer(Answer::Yes);
    m_dialogs->setNextSaveFileName(m_dir->filePath(typed));
    m_dialogs->setNextSaveFilter(filter);
    QVERIFY(m_info->Execute());
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{saved});
    QCOMPARE(m_dialogs->count(), 2); // no install question
}

void TestRetrieval::readMeIsOnlyShownAsText() {
    // An empty name fills the empty tag: a read-me file the system would open.
    publish("1.4", meta("", m_server->url("/dl/evil.desktop").toString().toLatin1()));
    m_server->setResponse("/readme.txt", Response::ok({}));
    m_info->InfoTags().ReadMeTag = QStringLiteral("none");
    m_server->setResponse("/dl/evil.desktop", Response::ok("[Desktop Entry]\nExec=x"));
    QStringList shown;
    const auto readMe = onModal("ReadMeWindow", [&](QWidget* w) {
        shown << w->findChild<QPlainTextEdit*>("memReadMe")->toPlainText();
        w->findChild<QPushButton*>("btnOk")->click();
    });
    QVERIFY(m_info->ShowReadMe(false));
    QCOMPARE(shown, QStringList{"[Desktop Entry]\nExec=x"});
    QVERIFY(m_opened.isEmpty());
    QVERIFY(!QFile::exists(QDir::tempPath() + "/evil.desktop"));
    QCOMPARE(m_dialogs->count(), 0);

    // A read-me that cannot be fetched is said so, with its address.
    m_server->setResponse("/readme.txt", Response::status(404, "Not Found"));
    m_info->InfoTags().ReadMeTag = QStringLiteral("readme");
    m_info->setActive(false);
    QVERIFY(m_info->ShowReadMe(false));
    QCOMPARE(shown.size(), 1);
    QCOMPARE(m_info->LastError(), QStringLiteral("Not Found"));
    QCOMPARE(m_dialogs->last().caption, QStringLiteral("Read Me"));
    QCOMPARE(m_dialogs->last().text,
             QStringLiteral("The read-me at %1 could not be shown.\rError: \"Not Found.\"")
                 .arg(m_server->url("/readme.txt").toString()));
}

void TestRetrieval::fileThatCannotBeCreatedIsReported() {
    publish("1.4");
    QVERIFY(m_info->GetInfo());
    const QString missing = m_dir->filePath("missing/tlmr14.EXE");
    QVERIFY(!m_info->DownloadUpdate(missing));
    QCOMPARE(m_info->LastError(),
             QStringLiteral("can't write %1: No such file or directory").arg(missing));
    QVERIFY(!m_info->httpClient()->busy());
    // A folder gets the name from the address; an address ending in "/" gives none.
    QVERIFY(m_info->DownloadUpdate(m_dir->path() + "/"));
    QCOMPARE(read(m_dir->filePath("tlmr14")), QString::fromUtf8(m_download));
    m_server->setResponse("/tlmr.htm",
                          Response::ok(meta("version", "1.4") + meta("url", "http://h/")));
    m_info->setActive(false);
    QVERIFY(!m_info->DownloadUpdate(m_dir->path() + "/"));
    QCOMPARE(m_info->LastError(), QStringLiteral("the download address names no file"));
}

// Downloads into targets that cannot take them: the old file (or whatever
// stands there) stays as it was, the reason is the system's, and no partial
// or temporary file is left.
void TestRetrieval::badTargets_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<qint64>("room"); // -1: no limit
    QTest::addColumn<QString>("reason");
    QTest::newRow("full disk, old file present") << "old" << 8192ll << "";
    QTest::newRow("0 bytes free") << "old" << 0ll << "";
    QTest::newRow("read-only folder") << "old" << -1ll << "read-only";
    QTest::newRow("a directory") << "directory" << -1ll << "Is a directory";
    QTest::newRow("a named pipe") << "pipe" << -1ll << "not a regular file";
}

void TestRetrieval::badTargets() {
    QFETCH(QString, target);
    QFETCH(qint64, room);
    QFETCH(QString, reason);
    Response big = Response::ok(QByteArray(64 * 1024, 'n'), "application/octet-stream");
    m_server->setResponse("/dl/tlmr14", big);
    publish("1.4");
    QVERIFY(m_info->GetInfo());

    SmallDisk disk;
    const QString chosen = disk.filePath("tlmr14.EXE");
    if (target == "old") {
        QFile old(chosen);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    } else if (target == "directory") {
        QVERIFY(QDir().mkdir(chosen));
    } else {
        QCOMPARE(::mkfifo(QFile::encodeName(chosen).constData(), 0600), 0);
    }
    const QStringList before = QDir(disk.path()).entryList(QDir::AllEntries | QDir::Hidden);
    if (room >= 0) {
        QVERIFY(disk.leaveRoom(room));
        reason = disk.expectedReason();
    }
    if (reason == "read-only") {
        if (::geteuid() == 0 && !disk.isTmpfs())
            QSKIP("the superuser writes into any folder it may not mount read-only");
        disk.makeReadOnly();
        reason = disk.isTmpfs() ? "Read-only file system" : "Permission denied";
    }

    m_dialogs->setNextAnswer(Answer::Yes);
    m_dialogs->setNextSaveFileName(chosen);
    m_info->setOptions({});
    QVERIFY(!m_info->Execute());
    QCOMPARE(m_dialogs->last().caption, QStringLiteral("Download Error"));
    const QString text = m_dialogs->last().text;
    QVERIFY2(text.contains(chosen) && text.contains(reason), qPrintable(text));
    QStringList after = QDir(disk.path()).entryList(QDir::AllEntries | QDir::Hidden);
    after.removeAll(QStringLiteral("filler"));
    QCOMPARE(after, before);
    if (target == "old")
        QCOMPARE(read(chosen), QStringLiteral("old"));
    QCOMPARE(QFileInfo(chosen).isDir(), target == "directory");
}

TLMR_TEST_MAIN(TestRetrieval)
#include "test_retrieval.moc"
