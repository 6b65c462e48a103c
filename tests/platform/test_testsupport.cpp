#include "platform/Application.h"
#include "platform/QtDialogService.h"
#include "tests/support/LoopbackHttpServer.h"
#include "tests/support/ModalWatchdog.h"
#include "tests/support/ScriptedDialogService.h"
#include "tests/support/TestMain.h"

#include <QDialog>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

struct Fetched {
    QNetworkReply::NetworkError error = QNetworkReply::NoError;
    int status = 0;
    QByteArray body;
    QList<QByteArray> pieces; // as the reply delivered them
    QUrl url;
};

Fetched fetch(QNetworkAccessManager& nam, QNetworkRequest request,
              const QByteArray& postBody = {}) {
    QNetworkReply* reply = postBody.isNull() ? nam.get(request) : nam.post(request, postBody);
    Fetched result;
    QObject::connect(reply, &QNetworkReply::readyRead, reply,
                     [&] { result.pieces << reply->readAll(); });
    QSignalSpy finished(reply, &QNetworkReply::finished);
    if (!finished.wait(10000))
        qWarning("request did not finish");
    result.pieces << reply->readAll();
    result.pieces.removeAll(QByteArray());
    result.body = result.pieces.join();
    result.error = reply->error();
    result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    result.url = reply->url();
    reply->deleteLater();
    return result;
}

} // namespace

class TestTestSupport : public QObject {
    Q_OBJECT
private slots:
    void scriptedDialogsRecordAndAnswer();
    void qtMessageBoxShowsExactCaptionIconAndButtons();
    void watchdogClosesAnUnexpectedModalWindow();
    void serverAnswersScriptedPaths();
    void serverRecordsRequests();
    void serverFollowsScriptsForRedirectsAndQueues();
    void serverSendsPiecesWithDelays();
    void serverCanCloseMidBody();

private:
    QNetworkAccessManager m_nam;
};

void TestTestSupport::scriptedDialogsRecordAndAnswer() {
    auto& dialogs = ScriptedDialogService::install(*Application::instance());
    QCOMPARE(&Application::instance()->dialogs(), &dialogs);
    dialogs.setNextAnswer(DialogService::Answer::Yes);
    dialogs.setNextSaveFileName("/tmp/setup.exe");
    int hooks = 0;
    dialogs.setOnCall([&](const ScriptedDialogService::Call&) { ++hooks; });

    DialogService& service = Application::instance()->dialogs();
    QCOMPARE(service.messageBox(nullptr, "Information", "a\n\rb", DialogService::Icon::Information,
                                DialogService::Buttons::Ok),
             DialogService::Answer::Ok);
    QCOMPARE(service.messageBox(nullptr, "Install", "Now?", DialogService::Icon::Question,
                                DialogService::Buttons::YesNo),
             DialogService::Answer::Yes);
    QCOMPARE(service.messageBox(nullptr, "Install", "Again?", DialogService::Icon::Question,
                                DialogService::Buttons::YesNo),
             DialogService::Answer::No);
    service.showMessage("plain\r");
    QCOMPARE(service.getSaveFileName(nullptr, "Save As", "/tmp/x.exe", "*.exe"),
             QStringLiteral("/tmp/setup.exe"));
    QCOMPARE(service.getSaveFileName(nullptr, "Save As", "/tmp/x.exe", "*.exe"), QString());

    QCOMPARE(hooks, 6);
    QCOMPARE(dialogs.count(), 6);
    QCOMPARE(dialogs.calls().at(0).text, QStringLiteral("a\n\rb")); // exact, unconverted
    QCOMPARE(dialogs.calls().at(0).icon, DialogService::Icon::Information);
    QCOMPARE(dialogs.calls().at(1).buttons, DialogService::Buttons::YesNo);
    QCOMPARE(dialogs.calls().at(3).kind, ScriptedDialogService::Kind::ShowMessage);
    QCOMPARE(dialogs.last().kind, ScriptedDialogService::Kind::SaveFileName);
    QCOMPARE(dialogs.last().filter, QStringLiteral("*.exe"));
    QCOMPARE(dialogs.texts(), QStringList({"a\n\rb", "Now?", "Again?", "plain\r"}));
}

void TestTestSupport::qtMessageBoxShowsExactCaptionIconAndButtons() {
    QtDialogService service;
    QString caption, shown;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    const auto inspectAndClick = [&](QMessageBox::StandardButton which) {
        return [&, which](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            caption = box->windowTitle();
            shown = box->text();
            icon = box->icon();
            buttons = int(box->buttons().size());
            box->button(which)->click();
        };
    };

    closeActiveModalLater(0, inspectAndClick(QMessageBox::No));
    QCOMPARE(service.messageBox(nullptr, "Install", "Run <it> now?\r\nSure?",
                                DialogService::Icon::Question, DialogService::Buttons::YesNo),
             DialogService::Answer::No);
    QCOMPARE(caption, QStringLiteral("Install"));
    QCOMPARE(shown, QStringLiteral("Run <it> now?\nSure?"));
    QCOMPARE(icon, QMessageBox::Question);
    QCOMPARE(buttons, 2);

    closeActiveModalLater(0, inspectAndClick(QMessageBox::Yes));
    QCOMPARE(service.messageBox(nullptr, "Install", "Now?", DialogService::Icon::Question,
                                DialogService::Buttons::YesNo),
             DialogService::Answer::Yes);

    // Escape on a Yes/No box means No.
    closeActiveModalLater(0, [](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    QCOMPARE(service.messageBox(nullptr, "Install", "Now?", DialogService::Icon::Question,
                                DialogService::Buttons::YesNo),
             DialogService::Answer::No);

    closeActiveModalLater(0, inspectAndClick(QMessageBox::Ok));
    QCOMPARE(service.messageBox(nullptr, "Information", "x", DialogService::Icon::Information,
                                DialogService::Buttons::Ok),
             DialogService::Answer::Ok);
    QCOMPARE(icon, QMessageBox::Information);
    QCOMPARE(buttons, 1);

    Application::instance()->setApplicationDisplayName("Tallowmere");
    closeActiveModalLater(0, inspectAndClick(QMessageBox::Ok));
    service.showMessage("Line one\rLine two");
    QCOMPARE(caption, QStringLiteral("Tallowmere"));
    QCOMPARE(shown, QStringLiteral("Line one\nLine two"));
    QCOMPARE(icon, QMessageBox::NoIcon);
}

void TestTestSupport::watchdogClosesAnUnexpectedModalWindow() {
    ModalWatchdog watchdog(100);
    QDialog dialog;
    dialog.setWindowTitle("Surprise");
    QEXPECT_FAIL("", "the watchdog reports the window it closed", Continue);
    // exec() returns only because the watchdog closed the dialog.
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY(watchdog.tripped());
    QCOMPARE(watchdog.closedTitles(), QStringList{"Surprise"});
}

void TestTestSupport::serverAnswersScriptedPaths() {
    LoopbackHttpServer server;
    QVERIFY(server.isListening());
    QVERIFY(server.port() > 0);
    server.setResponse("/tallowmere.htm",
                       LoopbackHttpServer::Response::ok("<META HTTP-EQUIV=\"x\" CONTENT=\"1\">"));
    server.setResponse("/error", LoopbackHttpServer::Response::status(500, "Server Error", "bad"));

    const Fetched page = fetch(m_nam, QNetworkRequest(server.url("/tallowmere.htm")));
    QCOMPARE(page.error, QNetworkReply::NoError);
    QCOMPARE(page.status, 200);
    QCOMPARE(page.body, QByteArray("<META HTTP-EQUIV=\"x\" CONTENT=\"1\">"));

    const Fetched missing = fetch(m_nam, QNetworkRequest(server.url("/nothing")));
    QCOMPARE(missing.status, 404);
    QCOMPARE(missing.error, QNetworkReply::ContentNotFoundError);

    const Fetched failed = fetch(m_nam, QNetworkRequest(server.url("/error")));
    QCOMPARE(failed.status, 500);
    QCOMPARE(failed.body, QByteArray("bad"));
    QTRY_COMPARE(server.openConnections(), 0);
}

void TestTestSupport::serverRecordsRequests() {
    LoopbackHttpServer server;
    server.setResponse("/form", LoopbackHttpServer::Response::ok("thanks"));
    QNetworkRequest request(server.url("/form?x=1&y=%20"));
    request.setRawHeader("X-Test", "yes");
    QSignalSpy received(&server, &LoopbackHttpServer::requestReceived);
    const Fetched posted = fetch(m_nam, request, "a=1&b=2");
    QCOMPARE(posted.body, QByteArray("thanks"));
    QCOMPARE(received.count(), 1);
    QCOMPARE(server.requests().size(), 1);
    const auto& seen = server.requests().constFirst();
    QCOMPARE(seen.method, QByteArray("POST"));
    QCOMPARE(seen.target, QByteArray("/form?x=1&y=%20"));
    QCOMPARE(seen.path, QByteArray("/form"));
    QCOMPARE(seen.header("x-test"), QByteArray("yes"));
    QCOMPARE(seen.header("Host"), "127.0.0.1:" + QByteArray::number(server.port()));
    QCOMPARE(seen.body, QByteArray("a=1&b=2"));
}

void TestTestSupport::serverFollowsScriptsForRedirectsAndQueues() {
    LoopbackHttpServer server;
    server.setResponse("/old", LoopbackHttpServer::Response::redirect(302, "/new"));
    server.setResponse("/new", LoopbackHttpServer::Response::ok("moved here"));
    const Fetched moved = fetch(m_nam, QNetworkRequest(server.url("/old")));
    QCOMPARE(moved.body, QByteArray("moved here"));
    QCOMPARE(moved.url, server.url("/new"));

    m_nam.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
    const Fetched manual = fetch(m_nam, QNetworkRequest(server.url("/old")));
    m_nam.setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
    QCOMPARE(manual.status, 302);

    // Queued answers come first, once each; then the fixed one.
    server.queueResponse("/flaky", LoopbackHttpServer::Response::status(503, "Busy"));
    server.setResponse("/flaky", LoopbackHttpServer::Response::ok("fine"));
    QCOMPARE(fetch(m_nam, QNetworkRequest(server.url("/flaky"))).status, 503);
    QCOMPARE(fetch(m_nam, QNetworkRequest(server.url("/flaky"))).body, QByteArray("fine"));
    QCOMPARE(fetch(m_nam, QNetworkRequest(server.url("/flaky"))).body, QByteArray("fine"));

    // A connection dropped without any answer.
    LoopbackHttpServer::Response drop;
    drop.dropConnection = true;
    server.setResponse("/drop", drop);
    QVERIFY(fetch(m_nam, QNetworkRequest(server.url("/drop"))).error != QNetworkReply::NoError);
}

void TestTestSupport::serverSendsPiecesWithDelays() {
    LoopbackHttpServer server;
    LoopbackHttpServer::Response slow = LoopbackHttpServer::Response::ok({});
    slow.body = {{"first,", 0}, {"second,", 150}, {"third", 150}};
    server.setResponse("/slow", slow);
    const Fetched got = fetch(m_nam, QNetworkRequest(server.url("/slow")));
    QCOMPARE(got.error, QNetworkReply::NoError);
    QCOMPARE(got.body, QByteArray("first,second,third"));
    // The delays make the client see the body in more than one piece.
    QVERIFY2(got.pieces.size() >= 2, qPrintable(QString::number(got.pieces.size())));
}

void TestTestSupport::serverCanCloseMidBody() {
    LoopbackHttpServer server;
    server.setResponse("/setup.exe", LoopbackHttpServer::Response::cutMidBody("partial", 1000));
    const Fetched got = fetch(m_nam, QNetworkRequest(server.url("/setup.exe")));
    QVERIFY(got.error != QNetworkReply::NoError);
    QCOMPARE(got.body, QByteArray("partial"));
}

TLMR_TEST_MAIN(TestTestSupport)
#include "test_testsupport.moc"
