#include "UpdateFixture.h"
#include "app/Main.h"
#include "calc/RegionalSettings.h"
#include "tests/support/TestMain.h"
#include "update/UpdateWizard.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

using namespace UpdateFixture;
using Response = LoopbackHttpServer::Response;

namespace {

QLabel* label(QWidget& window, const char* name) {
    return window.findChild<QLabel*>(QLatin1String(name));
}
QPushButton* button(QWidget& window, const char* name) {
    return window.findChild<QPushButton*>(QLatin1String(name));
}
// The update wizards that exist (none outlives its showing).
int wizards() {
    int count = 0;
    for (const QWidget* w : QApplication::topLevelWidgets())
        count += w->objectName() == QLatin1String("frmUpdate");
    return count;
}

} // namespace

// The update wizard's states, its checks on activation, and the main
// window's command that opens it.
class TestWizard : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void states_data();
    void states();
    void failedCheckDoesNotRestartItself();
    void secondWizardShowsTheHeldInformation();
    void declinedRetrievalLeavesTheWizardAsItWas();
    void mainWindowOpensTheWizard();
    void errorDuringTheCheckReachesTheApplication();
    void serverTextShowsAsPlainText();

private:
    std::unique_ptr<TfrmUpdate> showWizard();

    LoopbackHttpServer* m_server = nullptr;
    ScriptedDialogService* m_dialogs = nullptr;
    std::unique_ptr<TWebFileInfo> m_info;
};

void TestWizard::init() {
    m_server = new LoopbackHttpServer;
    m_dialogs = &ScriptedDialogService::install(*Application::instance());
    m_info = component(*m_server);
}

void TestWizard::cleanup() {
    m_info.reset();
    delete m_server;
    QCOMPARE(wizards(), 0);
}

std::unique_ptr<TfrmUpdate> TestWizard::showWizard() {
    auto wizard = std::make_unique<TfrmUpdate>(*m_info);
    wizard->show();
    return wizard;
}

void TestWizard::states_data() {
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("retrieve");
    QTest::newRow("newer") << QByteArray("1.4") << "Update Information" << true;
    QTest::newRow("same") << QByteArray("1.3.00") << "No Updated Version Available" << false;
    QTest::newRow("fewer parts") << QByteArray("1.3") << "No Updated Version Available" << false;
    QTest::newRow("no version") << QByteArray() << "No Updated Version Available" << false;
}

void TestWizard::states() {
    QFETCH(QByteArray, version);
    QFETCH(QString, status);
    QFETCH(bool, retrieve);
    m_server->setResponse("/tlmr.htm", Response::ok(version.isEmpty() ? meta("date", "Oct 1, 2001")
                                                                      : page(*m_server, version)));
    auto wizard = showWizard();
    QCOMPARE(wizard->objectName(), QStringLiteral("frmUpdate"));
    QCOMPARE(label(*wizard, "lblCurrentVersion")->text(), QStringLiteral("1.3.00"));
    QCOMPARE(label(*wizard, "lblCurrentCompileDate")->text(), QStringLiteral("October 31, 2001"));
    QCOMPARE(label(*wizard, "lblUpdateStatus")->text(), QStringLiteral("Update Status:  Unknown"));
    QTRY_COMPARE(label(*wizard, "lblUpdateStatus")->text(), status);
    QCOMPARE(label(*wizard, "lblVersion")->text(), QString::fromLatin1(version));
    QCOMPARE(label(*wizard, "lblDate")->text(), version.isEmpty()
                                                    ? QStringLiteral("Oct 1, 2001")
                                                    : QStringLiteral("November 15, 2001"));
    QCOMPARE(label(*wizard, "lblUpdateStatus")->palette().color(QPalette::WindowText),
             QColor(Qt::red));
    QCOMPARE(label(*wizard, "lblVersion")->palette().color(QPalette::WindowText), QColor(Qt::blue));
    QCOMPARE(button(*wizard, "btnRetrieveUpdate")->isVisible(), retrieve);
    QVERIFY(!button(*wizard, "btnCheckForUpdate")->isVisible());
    QVERIFY(!label(*wizard, "lblURL")->isVisible());
    QCOMPARE(m_dialogs->count(), 0);
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestWizard::failedCheckDoesNotRestartItself() {
    auto wizard = showWizard();
    QTRY_COMPARE(m_dialogs->count(), 2);
    QCOMPARE(m_dialogs->texts(),
             (QStringList{"404", QStringLiteral("Get Info failed due to:\r\nNot Found")}));
    drainEvents();
    QCOMPARE(m_dialogs->count(), 2);
    QCOMPARE(m_server->requests().size(), 1);
    QCOMPARE(label(*wizard, "lblUpdateStatus")->text(), QStringLiteral("Update Status:  Unknown"));
    QVERIFY(!button(*wizard, "btnRetrieveUpdate")->isVisible());
    QVERIFY(!QGuiApplication::overrideCursor());

    // Back from another of the program's windows: a new check.
    m_server->setResponse("/tlmr.htm", Response::ok(page(*m_server, "1.4")));
    wizard->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(wizard.get()));
    QCOMPARE(m_server->requests().size(), 1); // its own activation starts nothing
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    wizard->activateWindow();
    QTRY_COMPARE(label(*wizard, "lblVersion")->text(), QStringLiteral("1.4"));
    QCOMPARE(m_server->requests().size(), 2);
}

void TestWizard::secondWizardShowsTheHeldInformation() {
    m_server->setResponse("/tlmr.htm", Response::ok(page(*m_server, "1.4")));
    {
        auto first = showWizard();
        QTRY_VERIFY(button(*first, "btnRetrieveUpdate")->isVisible());
    }
    QCOMPARE(wizards(), 0);
    auto second = showWizard();
    QTRY_VERIFY(button(*second, "btnRetrieveUpdate")->isVisible());
    QCOMPARE(label(*second, "lblVersion")->text(), QStringLiteral("1.4"));
    QCOMPARE(m_server->requests().size(), 1);
}

void TestWizard::declinedRetrievalLeavesTheWizardAsItWas() {
    m_server->setResponse("/tlmr.htm", Response::ok(page(*m_server, "1.4")));
    auto wizard = showWizard();
    QTRY_VERIFY(button(*wizard, "btnRetrieveUpdate")->isVisible());
    m_dialogs->setDefaultAnswer(DialogService::Answer::No);
    QTest::mouseClick(button(*wizard, "btnRetrieveUpdate"), Qt::LeftButton);
    QCOMPARE(m_dialogs->texts().constLast(),
             QStringLiteral("Current version is 1.3.00.\rVersion 1.4 is available.\rDownload the "
                            "update?"));
    QVERIFY(wizard->isVisible());
    QVERIFY(button(*wizard, "btnRetrieveUpdate")->isVisible());
    QCOMPARE(label(*wizard, "lblUpdateStatus")->text(), QStringLiteral("Update Information"));
    QTest::mouseClick(button(*wizard, "btnClose"), Qt::LeftButton);
    QVERIFY(!wizard->isVisible());
}

void TestWizard::mainWindowOpensTheWizard() {
    m_server->setResponse("/tlmr.htm", Response::ok(page(*m_server, "1.4")));
    qputenv("TALLOWMERE_UPDATE_URL", m_server->url("/tlmr.htm").toString().toLatin1());
    const auto unset = qScopeGuard([] { qunsetenv("TALLOWMERE_UPDATE_URL"); });
    TfrmMain main(RegionalSettings::unitedStates());
    main.show();
    // The update component exists from the first check on.
    QVERIFY(!main.findChild<TWebFileInfo*>(QStringLiteral("WebFileInfo")));

    QString shown;
    const auto closer = onModal(QStringLiteral("frmUpdate"), [&](QWidget* w) {
        if (label(*w, "lblVersion")->text() == QLatin1String("1.4")) {
            shown = label(*w, "lblUpdateStatus")->text();
            button(*w, "btnClose")->click();
        }
    });
    main.findChild<QAbstractButton*>(QStringLiteral("btnUpdate"))->click();
    QCOMPARE(shown, QStringLiteral("Update Information"));
    QCOMPARE(wizards(), 0);
    auto* info = main.findChild<TWebFileInfo*>(QStringLiteral("WebFileInfo"));
    QVERIFY(info);
    QCOMPARE(info->HomeURL(), m_server->url("/tlmr.htm").toString());
    QCOMPARE(info->InfoTags().VersionTag, QStringLiteral("version"));
    QCOMPARE(info->UIFont().pixelSize(), 11);

    // Any other address than http(s) leaves the program's own page.
    qputenv("TALLOWMERE_UPDATE_URL", "ftp://127.0.0.1/tlmr.htm");
    QWidget plain;
    QCOMPARE(createProgramWebFileInfo(&plain)->HomeURL(), QLatin1String(kUpdatePage));
    QVERIFY(QLatin1String(kUpdatePage).startsWith(QLatin1String("https://")));
}

void TestWizard::errorDuringTheCheckReachesTheApplication() {
    QStringList errors;
    Application::instance()->setExceptionHandler([&errors](QObject*, std::exception_ptr e) {
        try {
            std::rethrow_exception(e);
        } catch (const std::exception& x) {
            errors << QString::fromUtf8(x.what());
        }
    });
    const auto restore = qScopeGuard([] { Application::instance()->setExceptionHandler({}); });
    m_server->setResponse("/tlmr.htm", Response::ok(meta("version", "1.4") + meta("date", "Soon")));
    auto wizard = showWizard();
    QTRY_COMPARE(errors, QStringList{"'Soon' is not a valid date"});
    QVERIFY(!QGuiApplication::overrideCursor());
    QCOMPARE(label(*wizard, "lblUpdateStatus")->text(), QStringLiteral("Update Status:  Unknown"));
    drainEvents();
    QCOMPARE(errors.size(), 1);
}

void TestWizard::serverTextShowsAsPlainText() {
    const QByteArray date =
        "Dec <b><font color=#c00000 size=4>SECURITY ALERT...</font></b> 8, 2026";
    m_server->setResponse("/tlmr.htm",
                          Response::ok(meta("version", "<i>1.4</i>") + meta("date", date)));
    auto wizard = showWizard();
    QLabel* lblDate = label(*wizard, "lblDate");
    QTRY_COMPARE(lblDate->text(), QString::fromLatin1(date));
    for (QLabel* label : wizard->findChildren<QLabel*>())
        QCOMPARE(label->textFormat(), Qt::PlainText);
    // As plain text the whole date takes room at the label's own font size.
    QLabel plain(QStringLiteral("Dec 8, 2026"));
    plain.setFont(lblDate->font());
    QCOMPARE(lblDate->sizeHint().height(), plain.sizeHint().height());
}

TLMR_TEST_MAIN(TestWizard)
#include "test_wizard.moc"
