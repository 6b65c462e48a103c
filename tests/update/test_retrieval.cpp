#include "UpdateFixture.h"
#include "platform/Shell.h"
#include "tests/support/TestMain.h"
#include "update/UpdateWindows.h"

#include <QCryptographicHash>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>

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
    void cancelKeepsTheChosenFileAndThePart();
    void damagedDownloadIsNeverStarted();
    void savedNameGetsTheFilterExtension_data();
    void savedNameGetsTheFilterExtension();
    void readMeFileThatCannotBeOpened();
    void fileThatCannotBeCreatedRaises();

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

void TestRetrieval::cancelKeepsTheChosenFileAndThePart() {
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
        shown = window->lblProgress->text();
        bar = window->pbarProgress->value();
        QTimer::singleShot(0, window->btnCancel, &QPushButton::click);
    };
    QVERIFY(!m_info->Execute());
    QCOMPARE(shown, QStringLiteral("5 of -1 bytes received."));
    QCOMPARE(bar, 0);
    QCOMPARE(m_dialogs->last().caption, QStringLiteral("Download Error"));
    QCOMPARE(m_dialogs->last().text,
             QStringLiteral("Error occurred while downloading update.\rError: \"Connection aborted "
                            "on request.\""));
    QCOMPARE(read(chosen), QStringLiteral("old"));
    QCOMPARE(read(chosen + ".part"), QStringLiteral("first"));
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

void TestRetrieval::readMeFileThatCannotBeOpened() {
    // An empty name fills the empty tag, the read-me opened by the system.
    publish("1.4", meta("", m_server->url("/dl/notes.txt").toString().toLatin1()));
    m_server->setResponse("/dl/notes.txt", Response::ok("notes"));
    m_openResult = false;
    int readMeWindows = 0;
    const auto readMe = onModal("ReadMeWindow", [&](QWidget* w) {
        ++readMeWindows;
        w->findChild<QPushButton*>("btnOk")->click();
    });
    QVERIFY(m_info->ShowReadMe(false));
    const QString temp = QDir::tempPath() + "/notes.txt";
    QCOMPARE(m_opened, QList<QUrl>{QUrl::fromLocalFile(temp)});
    QCOMPARE(read(temp), QStringLiteral("notes"));
    QFile::remove(temp);
    QCOMPARE(m_dialogs->texts(), QStringList{"Can not start program."});
    QCOMPARE(readMeWindows, 1); // then the plain read-me

    m_server->setResponse("/readme.txt", Response::status(404, "Not Found"));
    m_info->InfoTags().ReadMeExtTag = QStringLiteral("none");
    m_info->setActive(false);
    QVERIFY(m_info->ShowReadMe(false));
    QCOMPARE(readMeWindows, 1);
    QCOMPARE(m_info->LastError(), QStringLiteral("Not Found"));
}

void TestRetrieval::fileThatCannotBeCreatedRaises() {
    publish("1.4");
    QVERIFY(m_info->GetInfo());
    QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                             m_info->DownloadUpdate(m_dir->filePath("missing/tlmr14.EXE")));
    QVERIFY(!m_info->httpClient()->busy());
}

TLMR_TEST_MAIN(TestRetrieval)
#include "test_retrieval.moc"
