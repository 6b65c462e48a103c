#include "tests/support/LoopbackHttpServer.h"
#include "update/HttpCli.h"

#include <QBuffer>
#include <QTcpServer>
#include <QTimer>
#include <QtTest>

using Response = LoopbackHttpServer::Response;

Q_DECLARE_METATYPE(LoopbackHttpServer::Response)

namespace {

// What one request left behind, as the update code reads it.
struct Outcome {
    int status = -1;
    QString reason;
    int error = -1;
    int announced = 0;
    int received = 0;
    QByteArray body;
    int doneCount = 0;
    bool dataAfterDone = false;
    QList<int> countsInDocData;
};

Response slowPieces() {
    Response r = Response::ok({});
    r.body = {{"first ", 0}, {"second ", 60}, {"third", 60}};
    return r;
}

} // namespace

class TestHttpCli : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void outcomes_data();
    void outcomes();
    void unresolvableHostFailsWithoutLookup();
    void refusedConnection();
    void cancelMidBodyKeepsWhatArrived();
    void startWhileBusyRaisesAndLeavesTheRequest();
    void proxyReceivesTheFullAddress();

private:
    // Starts a GET of `url` and waits (bounded) for OnRequestDone.
    Outcome fetch(const QString& url);

    LoopbackHttpServer* m_server = nullptr;
    THttpCli* m_cli = nullptr;
    QBuffer* m_target = nullptr;
    Outcome m_out;
};

void TestHttpCli::init() {
    m_server = new LoopbackHttpServer;
    m_cli = new THttpCli;
    m_target = new QBuffer;
    m_target->open(QIODevice::WriteOnly);
    m_cli->ReceiveTarget = m_target;
    m_out = {};
    m_cli->OnRequestDone = [this](THttpCli* cli, THttpRequest, std::uint16_t error) {
        ++m_out.doneCount;
        m_out.error = error;
        m_out.status = cli->ResponseStatus();
        m_out.reason = cli->ResponseReason();
        m_out.announced = cli->AnnouncedLength();
        m_out.received = cli->ReceivedCount();
    };
    m_cli->OnDocData = [this](THttpCli* cli, const char*, int) {
        if (m_out.doneCount)
            m_out.dataAfterDone = true;
        m_out.countsInDocData << cli->ReceivedCount();
    };
}

void TestHttpCli::cleanup() {
    delete m_cli;
    delete m_target;
    delete m_server;
}

Outcome TestHttpCli::fetch(const QString& url) {
    m_cli->URL = url;
    m_cli->StartGet();
    [&] { QTRY_VERIFY_WITH_TIMEOUT(m_out.doneCount > 0, 10000); }();
    // A second OnRequestDone, queued behind the first, would show up by the
    // time two further turns of the event loop have passed.
    bool drained = false;
    QTimer::singleShot(0, m_cli, [&] { QTimer::singleShot(0, m_cli, [&] { drained = true; }); });
    [&] { QTRY_VERIFY(drained); }();
    m_out.body = m_target->data();
    return m_out;
}

void TestHttpCli::outcomes_data() {
    QTest::addColumn<Response>("response");
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("announced");
    QTest::addColumn<QByteArray>("body");

    const QByteArray page = "<html>page</html>";
    QTest::newRow("success") << Response::ok(page) << -1 << 200 << "OK" << 0 << int(page.size())
                             << page;
    QTest::newRow("201 is a response") << Response::status(201, "Created", "made") << -1 << 201
                                       << "Created" << 0 << 4 << QByteArray("made");
    QTest::newRow("404 from the server") << Response::status(404, "Not Found", "gone") << -1 << 404
                                         << "Not Found" << 0 << 4 << QByteArray("gone");
    QTest::newRow("500") << Response::status(500, "Internal Server Error") << -1 << 500
                         << "Internal Server Error" << 0 << 0 << QByteArray();
    Response unsized = Response::ok("no length here");
    unsized.contentLength = -1;
    QTest::newRow("no length") << unsized << -1 << 200 << "OK" << 0 << -1
                               << QByteArray("no length here");
    QTest::newRow("slow pieces") << slowPieces() << -1 << 200 << "OK" << 0 << 18
                                 << QByteArray("first second third");
    QTest::newRow("redirect by Location")
        << Response::redirect(302, "/final") << -1 << 200 << "OK" << 0 << 5 << QByteArray("final");
    QTest::newRow("redirect cycle")
        << Response::redirect(302, "/cycle") << -1 << 404 << "too many relocations (more than 10)"
        << 1 << -2 << QByteArray();
    QTest::newRow("cut mid-body") << Response::cutMidBody("partial", 1000) << -1 << 404
                                  << "Connection reset by peer (Error #104)" << 1 << 1000
                                  << QByteArray("partial");
    QTest::newRow("over the memory limit")
        << Response::ok(QByteArray(5000, 'x')) << 4096 << 404 << "response larger than 4096 bytes"
        << 1 << 5000 << QByteArray();
    Response stall = Response::ok("");
    stall.contentLength = 100;
    stall.closeWhenDone = false;
    QTest::newRow("time-out") << stall << -1 << 404 << "Connection timed out (Error #110)" << 1
                              << 100 << QByteArray();
}

void TestHttpCli::outcomes() {
    QFETCH(Response, response);
    QFETCH(int, limit);
    QFETCH(int, status);
    QFETCH(QString, reason);
    QFETCH(int, error);
    QFETCH(int, announced);
    QFETCH(QByteArray, body);

    const bool redirect = response.statusLine.contains(" 302 ");
    m_server->setResponse("/page", response);
    if (redirect)
        m_server->setResponse("/cycle", Response::redirect(302, "/page"));
    m_server->setResponse("/final", Response::ok("final"));
    m_cli->setBodyLimit(limit);
    m_cli->setTimeoutMs(400);

    const Outcome out = fetch(m_server->url("/page").toString());
    QCOMPARE(out.doneCount, 1);
    QCOMPARE(out.status, status);
    QCOMPARE(out.reason, reason);
    QCOMPARE(out.error, error);
    if (announced != -2)
        QCOMPARE(out.announced, announced);
    QCOMPARE(out.body, body);
    QCOMPARE(out.received, int(body.size()));
    QVERIFY(!out.dataAfterDone);
    // Inside OnDocData the count already includes the piece.
    if (!out.countsInDocData.isEmpty())
        QCOMPARE(out.countsInDocData.constLast(), int(body.size()));
    if (QTest::currentDataTag() == QLatin1String("slow pieces"))
        QCOMPARE(out.countsInDocData, (QList<int>{6, 13, 18}));
    QVERIFY(!m_cli->busy());
}

void TestHttpCli::unresolvableHostFailsWithoutLookup() {
    m_cli->setPlainHttpLoopbackOnly(false); // the name must be asked for
    QStringList asked;
    m_cli->setHostLookup([&](const QString& host) {
        asked << host;
        return false;
    });
    const Outcome out = fetch(QStringLiteral("http://updates.brindlecrest.example/tlmr.htm"));
    QCOMPARE(asked, QStringList{"updates.brindlecrest.example"});
    QCOMPARE(out.status, 404);
    QCOMPARE(out.reason, QStringLiteral("can't resolve hostname to IP address"));
    QCOMPARE(out.error, 1);
    QCOMPARE(out.doneCount, 1);
}

void TestHttpCli::refusedConnection() {
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
    const quint16 port = probe.serverPort();
    probe.close();
    const Outcome out = fetch(QStringLiteral("http://127.0.0.1:%1/x").arg(port));
    QCOMPARE(out.status, 404);
    QCOMPARE(out.reason, QStringLiteral("can't connect: Connection refused (Error #111)"));
    QCOMPARE(out.error, 1);
}

void TestHttpCli::cancelMidBodyKeepsWhatArrived() {
    Response r = Response::ok({});
    r.body = {{"kept", 0}, {"never", 2000}};
    m_server->setResponse("/big", r);
    m_cli->OnDocData = [this](THttpCli* cli, const char*, int) {
        m_out.countsInDocData << cli->ReceivedCount();
        cli->CancelRequest();
        cli->CancelRequest(); // a second cancel changes nothing
    };
    const Outcome out = fetch(m_server->url("/big").toString());
    QCOMPARE(out.doneCount, 1);
    QCOMPARE(out.status, 404);
    QCOMPARE(out.reason, QStringLiteral("Connection aborted on request"));
    QCOMPARE(out.error, 1);
    QCOMPARE(out.body, QByteArray("kept"));
}

void TestHttpCli::startWhileBusyRaisesAndLeavesTheRequest() {
    m_server->setResponse("/page", slowPieces());
    m_cli->URL = m_server->url("/page").toString();
    m_cli->StartGet();
    QVERIFY(m_cli->busy());
    try {
        m_cli->StartGet();
        QFAIL("no exception");
    } catch (const EHttpException& e) {
        QCOMPARE(e.message(), QStringLiteral("HTTP component is busy"));
    }
    QTRY_COMPARE_WITH_TIMEOUT(m_out.doneCount, 1, 10000);
    QCOMPARE(m_out.status, 200);
    QCOMPARE(m_target->data(), QByteArray("first second third"));
    QCOMPARE(m_server->requests().size(), 1);
}

void TestHttpCli::proxyReceivesTheFullAddress() {
    m_server->setDefaultResponse(Response::ok("via proxy"));
    m_cli->setPlainHttpLoopbackOnly(false);
    m_cli->Proxy = QStringLiteral("127.0.0.1");
    m_cli->ProxyPort = QString::number(m_server->port());
    m_cli->setHostLookup([](const QString&) { return false; }); // a proxy resolves for us
    const Outcome out = fetch(QStringLiteral("http://updates.brindlecrest.example/tlmr.htm"));
    QCOMPARE(out.status, 200);
    QCOMPARE(out.body, QByteArray("via proxy"));
    QCOMPARE(m_server->requests().constFirst().target,
             QByteArray("http://updates.brindlecrest.example/tlmr.htm"));
}

QTEST_GUILESS_MAIN(TestHttpCli)
#include "test_httpcli.moc"
