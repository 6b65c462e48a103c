#include "UpdateFixture.h"
#include "tests/support/TestMain.h"

using namespace UpdateFixture;
using Response = LoopbackHttpServer::Response;
using Kind = ScriptedDialogService::Kind;

using Script = QList<std::pair<QByteArray, LoopbackHttpServer::Response>>;
Q_DECLARE_METATYPE(LoopbackHttpServer::Response)

// Fetching and judging the information page, the property rules and the
// error hook.
class TestWebFileInfo : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void getInfo_data();
    void getInfo();
    void missingAddressOrTags();
    void heldInformationFetchesNothing();
    void setterRules();
    void badDateReachesTheApplicationHandler();
    void busyClientIsReportedByTheHook();
    void hookNeverChainsToItselfAndGoesWithTheComponent();

private:
    LoopbackHttpServer* m_server = nullptr;
    ScriptedDialogService* m_dialogs = nullptr;
    std::unique_ptr<TWebFileInfo> m_info;
    QList<QString> m_appErrors;
};

void TestWebFileInfo::init() {
    m_server = new LoopbackHttpServer;
    m_dialogs = &ScriptedDialogService::install(*Application::instance());
    m_appErrors.clear();
    Application::instance()->setExceptionHandler([this](QObject*, std::exception_ptr e) {
        try {
            std::rethrow_exception(e);
        } catch (const std::exception& x) {
            m_appErrors << QString::fromUtf8(x.what());
        }
    });
    m_info = component(*m_server);
}

void TestWebFileInfo::cleanup() {
    m_info.reset();
    Application::instance()->setExceptionHandler({});
    delete m_server;
}

void TestWebFileInfo::getInfo_data() {
    QTest::addColumn<Script>("script");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("lastError");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("requests");

    QTest::newRow("page") << Script{{"/tlmr.htm", Response::ok("@PAGE 1.4")}} << true << "1.4"
                          << "" << QStringList() << 1;
    QTest::newRow("201 is a failure")
        << Script{{"/tlmr.htm", Response::status(201, "Created", "@PAGE 1.4")}} << false << ""
        << "Created" << QStringList{"201"} << 1;
    QTest::newRow("404") << Script{} << false << ""
                         << "Not Found" << QStringList{"404"} << 1;
    QTest::newRow("page without values")
        << Script{{"/tlmr.htm", Response::ok("<html>nothing</html>")}} << true << ""
        << "" << QStringList() << 1;
    QTest::newRow("redirect value")
        << Script{{"/tlmr.htm", Response::ok(meta("version", "9") + meta("redirect", "@/new.htm"))},
                  {"/new.htm", Response::ok("@PAGE 1.4")}}
        << true << "1.4"
        << "" << QStringList() << 2;
    QTest::newRow("redirect cycle")
        << Script{{"/tlmr.htm", Response::ok(meta("redirect", "@/tlmr.htm"))}} << false << ""
        << "the information page redirects more than 10 times" << QStringList() << 11;
    QTest::newRow("oversized page")
        << Script{{"/tlmr.htm", Response::ok(QByteArray(5 * 1024 * 1024, ' '))}} << false << ""
        << "response larger than 4194304 bytes"
        << QStringList{"The update information could not be fetched from "
                       "@/tlmr.htm:\rresponse larger than 4194304 bytes."}
        << 1;
    // The client's own failures are told in words with the address; a
    // relocation is followed only to http(s), and plain http only on loopback.
    QTest::newRow("relocation to file:")
        << Script{{"/tlmr.htm", Response::redirect(302, "file:///etc/passwd")}} << false << ""
        << "@/tlmr.htm sends the request on to \"file:///etc/passwd\", which was refused: only "
           "http and https addresses are followed"
        << QStringList{"The update information could not be fetched from @/tlmr.htm:\r@/tlmr.htm "
                       "sends the request on to \"file:///etc/passwd\", which was refused: only "
                       "http and https addresses are followed."}
        << 1;
    QTest::newRow("relocation to plain http elsewhere")
        << Script{{"/tlmr.htm", Response::redirect(302, "http://192.0.2.7/tlmr.htm")}} << false
        << ""
        << "@/tlmr.htm sends the request on to http://192.0.2.7/tlmr.htm, which was refused: "
           "http://192.0.2.7/tlmr.htm was refused: plain http is used only on this machine, "
           "other servers must be reached over https"
        << QStringList{"*"} << 1;
    QTest::newRow("UTF-16 page")
        << Script{{"/tlmr.htm", Response::ok(QByteArray("\xff\xfe<\0M\0E\0", 8))}} << false << ""
        << "the information page at @/tlmr.htm is UTF-16 text; it must be ASCII or UTF-8 to "
           "be read"
        << QStringList() << 1;
    QTest::newRow("Location header") << Script{{"/tlmr.htm", Response::redirect(301, "/moved.htm")},
                                               {"/moved.htm", Response::ok("@PAGE 1.3.00")}}
                                     << true << "1.3.00"
                                     << "" << QStringList() << 2;
}

void TestWebFileInfo::getInfo() {
    QFETCH(Script, script);
    QFETCH(bool, result);
    QFETCH(QString, version);
    QFETCH(QString, lastError);
    QFETCH(QStringList, messages);
    QFETCH(int, requests);

    const QByteArray base = m_server->url("").toString().toLatin1();
    for (auto [path, response] : script) {
        for (auto& piece : response.body) {
            if (piece.data.startsWith("@PAGE "))
                piece.data = page(*m_server, piece.data.mid(6));
            piece.data.replace("@/", base + "/");
        }
        m_server->setResponse(path, response);
    }
    QCOMPARE(m_info->GetInfo(), result);
    QCOMPARE(m_info->Active(), result);
    QCOMPARE(m_info->ProductVersion(), version);
    const QString origin = QString::fromLatin1(base);
    QCOMPARE(m_info->LastError(), QString(lastError).replace("@/", origin + "/"));
    if (messages != QStringList{"*"}) {
        for (QString& message : messages)
            message.replace("@/", origin + "/");
        QCOMPARE(m_dialogs->texts(), messages);
    }
    QCOMPARE(m_server->requests().size(), requests);
    QVERIFY(m_info->hooked());
    if (result && !version.isEmpty() && version != "1.3.00") {
        QCOMPARE(m_info->ProductDateStr(), QStringLiteral("November 15, 2001"));
        QCOMPARE(m_info->ProductDate(), double(QDate(1899, 12, 30).daysTo(QDate(2001, 11, 15))));
        QCOMPARE(m_info->DownloadFileName(), QStringLiteral("tlmr14"));
        QCOMPARE(m_info->RunParams(), QStringLiteral("/silent /norestart"));
        QVERIFY(m_info->IsNewerVersion());
    }
    if (!result)
        QCOMPARE(m_info->DownloadURL(), QString()); // values cleared
}

void TestWebFileInfo::missingAddressOrTags() {
    TWebFileInfo bare;
    QVERIFY(!bare.GetInfo());
    QCOMPARE(m_dialogs->last().caption, QStringLiteral("Missing Home URL"));
    QCOMPARE(m_dialogs->last().text, QStringLiteral("Can not retrieve version information\r"
                                                    "because no home url was provided."));
    bare.setHomeURL(m_server->url("/tlmr.htm").toString());
    QVERIFY(!bare.GetInfo());
    QCOMPARE(m_dialogs->last().caption, QStringLiteral("Missing Tag Information"));
    QCOMPARE(m_dialogs->last().icon, DialogService::Icon::Warning);
    QVERIFY(m_server->requests().isEmpty());
    QVERIFY(!bare.hooked());
}

void TestWebFileInfo::heldInformationFetchesNothing() {
    m_server->setResponse("/tlmr.htm", Response::ok(page(*m_server, "1.4")));
    QVERIFY(m_info->GetInfo());
    QVERIFY(m_info->GetInfo());
    QCOMPARE(m_server->requests().size(), 1);
    m_info->setActive(true); // ignored
    m_info->setActive(false);
    QVERIFY(m_info->GetInfo());
    QCOMPARE(m_server->requests().size(), 2);
}

void TestWebFileInfo::setterRules() {
    const QString home = m_info->HomeURL();
    m_server->setResponse("/tlmr.htm", Response::ok(page(*m_server, "1.4")));
    QVERIFY(m_info->GetInfo());
    for (const char* ignored : {"ftp://host/x", "http:/", "", "file:///etc/passwd"}) {
        m_info->setHomeURL(QLatin1String(ignored));
        QCOMPARE(m_info->HomeURL(), home);
        QVERIFY(m_info->Active());
    }
    m_info->setHomeURL(QStringLiteral("HTTPS://secure.example/tlmr.htm"));
    QCOMPARE(m_info->HomeURL(), QStringLiteral("HTTPS://secure.example/tlmr.htm"));
    QVERIFY(!m_info->Active());

    m_info->setOptions({});
    QCOMPARE(m_info->Options(), TWfiOptions(wfioDisplayUI));
    QVERIFY(m_info->UIOwnerFont());
    m_info->setUIFont(QFont(QStringLiteral("Liberation Sans"), 9));
    QVERIFY(!m_info->UIOwnerFont());
}

void TestWebFileInfo::badDateReachesTheApplicationHandler() {
    m_server->setResponse("/tlmr.htm", Response::ok(meta("version", "1.4") + meta("date", "Soon")));
    // As from an event: the error passes the hook on to the application's handler.
    QTimer::singleShot(0, m_info.get(), [this] { m_info->GetInfo(); });
    QTRY_COMPARE(m_appErrors.size(), 1);
    QCOMPARE(m_appErrors.constFirst(), QStringLiteral("'Soon' is not a valid date"));
    QVERIFY(!m_info->Active());
    QCOMPARE(m_dialogs->count(), 0);
}

void TestWebFileInfo::busyClientIsReportedByTheHook() {
    Response slow = Response::ok("late");
    slow.delayMs = 300;
    m_server->setResponse("/slow", slow);
    m_server->setResponse("/tlmr.htm", Response::ok(page(*m_server, "1.4")));
    QVERIFY(m_info->GetInfo()); // makes the client and installs the hook
    m_info->setActive(false);
    THttpCli* http = m_info->httpClient();
    http->URL = m_server->url("/slow").toString();
    http->StartGet();
    QTimer::singleShot(0, m_info.get(), [this] { m_info->GetInfo(); });
    QTRY_COMPARE(m_dialogs->count(), 1);
    QCOMPARE(m_dialogs->last().caption, QStringLiteral("Exception"));
    QCOMPARE(m_dialogs->last().text,
             QStringLiteral("Error retrieving update information.\rException: HTTP component is "
                            "busy."));
    QCOMPARE(m_info->LastError(), QStringLiteral("HTTP component is busy"));
    QVERIFY(!m_info->hooked());
    QTRY_VERIFY(!http->busy()); // the running request went on to its end
    QVERIFY(m_appErrors.isEmpty());
}

void TestWebFileInfo::hookNeverChainsToItselfAndGoesWithTheComponent() {
    m_server->setResponse("/tlmr.htm", Response::ok(page(*m_server, "1.4")));
    QVERIFY(m_info->GetInfo());
    m_info->setActive(false);
    QVERIFY(m_info->GetInfo()); // installs again: must keep the first saved handler
    Application::instance()->handleException(
        nullptr, std::make_exception_ptr(std::runtime_error("other error")));
    QCOMPARE(m_appErrors, QStringList{"other error"});
    m_info.reset();
    Application::instance()->handleException(nullptr,
                                             std::make_exception_ptr(std::runtime_error("after")));
    QCOMPARE(m_appErrors, (QStringList{"other error", "after"}));
}

TLMR_TEST_MAIN(TestWebFileInfo)
#include "test_webfileinfo.moc"
