#include "app/XJustOne.h"
#include "platform/InstanceLock.h"
#include "tests/support/RuntimeFolder.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QSignalSpy>
#include <QWidget>
#include <QtTest>

#include <memory>

// Two components in one process stand for two copies of the program: the lock
// is taken per open file, so the second component finds it held by the first.
class TestXJustOne : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void secondCopyStepsAsideAndActivatesFirst();
    void noSwitchMeansNoActivation();
    void lockFreedWithTheComponent();
    void unavailableLockLetsThisCopyRun();
    void longTitleIsCutTo255();

private:
    // Private lock and socket folders, so no real copy of the program interferes.
    TestSupport::RuntimeFolder m_runtime{TestSupport::RuntimeFolder::Temp::Private};
};

void TestXJustOne::initTestCase() {
    QVERIFY(m_runtime.isValid());
}

void TestXJustOne::init() {
    QCoreApplication::setApplicationName(QStringLiteral("Tallowmere"));
}

void TestXJustOne::secondCopyStepsAsideAndActivatesFirst() {
    QWidget firstWindow;
    firstWindow.setWindowTitle(QStringLiteral("first"));
    firstWindow.resize(300, 200);
    auto* first = new TXJustOne(&firstWindow);
    QCOMPARE(first->parent(), &firstWindow);
    QVERIFY(first->switchToPrevious());
    QVERIFY(!first->checkDone());
    QVERIFY(!first->check());
    QVERIFY(first->checkDone());
    QVERIFY(!first->anotherInstanceFound());
    firstWindow.showMinimized();
    QTRY_VERIFY(firstWindow.windowState() & Qt::WindowMinimized);
    QSignalSpy activated(first, &TXJustOne::activated);

    QWidget secondWindow;
    TXJustOne second(&secondWindow);
    QList<TXJustOne*> raisedBy;
    connect(&second, &TXJustOne::AlreadyExist, this, [&](TXJustOne* sender) {
        raisedBy << sender;
        // Raised before the switch: the first copy has not been asked yet.
        QVERIFY(activated.isEmpty());
    });
    QVERIFY(second.check());
    QVERIFY(second.checkDone());
    QVERIFY(second.anotherInstanceFound());
    QCOMPARE(raisedBy, QList<TXJustOne*>{&second});

    QTRY_COMPARE(activated.count(), 1);
    QVERIFY(!(firstWindow.windowState() & Qt::WindowMinimized));
    QVERIFY(firstWindow.isVisible());
    QVERIFY(!secondWindow.isVisible());

    // The check runs once; asking again neither raises nor switches again.
    QVERIFY(second.check());
    QCOMPARE(raisedBy.count(), 1);
    QVERIFY(!first->check());
}

void TestXJustOne::noSwitchMeansNoActivation() {
    QWidget firstWindow;
    TXJustOne first(&firstWindow);
    QVERIFY(!first.check());
    firstWindow.showMinimized();
    QSignalSpy activated(&first, &TXJustOne::activated);

    QWidget quietWindow;
    TXJustOne quiet(&quietWindow);
    quiet.setSwitchToPrevious(false);
    int raised = 0;
    connect(&quiet, &TXJustOne::AlreadyExist, this, [&] { ++raised; });
    QVERIFY(quiet.check());
    QCOMPARE(raised, 1);

    // Requests are served in the order they arrive: once a later copy's request
    // got through, a request from the quiet copy would have been seen first.
    QWidget laterWindow;
    TXJustOne later(&laterWindow);
    QVERIFY(later.check());
    QTRY_COMPARE(activated.count(), 1);
    QCoreApplication::processEvents();
    QCOMPARE(activated.count(), 1);
}

void TestXJustOne::lockFreedWithTheComponent() {
    QWidget window;
    auto first = std::make_unique<TXJustOne>(&window);
    QVERIFY(!first->check());
    TXJustOne whileHeld(nullptr);
    whileHeld.setSwitchToPrevious(false);
    QVERIFY(whileHeld.check());

    first.reset();
    TXJustOne next(&window);
    QVERIFY(!next.check());
    QVERIFY(!next.anotherInstanceFound());
}

void TestXJustOne::unavailableLockLetsThisCopyRun() {
    QCoreApplication::setApplicationName(QStringLiteral("TallowmereNoLock"));
    // A folder where the lock file belongs: no copy can hold the lock, so no
    // copy runs, and this one must not step aside.
    const QString lockPath = InstanceLock(QCoreApplication::applicationName()).lockFilePath();
    QVERIFY(!lockPath.isEmpty());
    QVERIFY(QDir().mkpath(lockPath));

    QWidget window;
    TXJustOne component(&window);
    int raised = 0;
    connect(&component, &TXJustOne::AlreadyExist, this, [&] { ++raised; });
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("single-instance lock cannot be taken"));
    QVERIFY(!component.check());
    QVERIFY(!component.anotherInstanceFound());
    QVERIFY(component.checkDone());
    QCOMPARE(raised, 0);
    QVERIFY(QDir().rmdir(lockPath));
}

void TestXJustOne::longTitleIsCutTo255() {
    const QString common(255, QLatin1Char('t'));
    QCoreApplication::setApplicationName(common + QStringLiteral("-one"));
    QWidget window;
    TXJustOne first(&window);
    QVERIFY(!first.check());
    QSignalSpy activated(&first, &TXJustOne::activated);

    // Titles that agree in their first 255 characters name the same lock, and
    // the request still finds the running copy.
    QCoreApplication::setApplicationName(common + QStringLiteral("-two"));
    TXJustOne second(nullptr);
    QVERIFY(second.check());
    QTRY_COMPARE(activated.count(), 1);
}

TLMR_GUI_TEST_MAIN(TestXJustOne)
#include "test_xjustone.moc"
