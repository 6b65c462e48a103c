#include "platform/InstanceLock.h"

#include <QFile>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <unistd.h>

// Two locks in one process behave as two copies of the program: each opens
// the lock file on its own, so the second one's flock() fails.
class TestInstanceLock : public QObject {
    Q_OBJECT
private slots:
    void init();
    void secondCopyFailsAndAsksTheFirstToComeForward();
    void lockIsFreeAgainAfterTheHolderGoes();
    void staleSocketFileDoesNotBlockTheNextStart();
    void noHolderMeansTheRequestIsNotDelivered();
    void lockRefusedForAnotherReasonLetsTheCopyRun_data();
    void lockRefusedForAnotherReasonLetsTheCopyRun();
    void strangerBytesAreNoRequest();
    void namesDependOnNameAndUser();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestInstanceLock::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestInstanceLock::secondCopyFailsAndAsksTheFirstToComeForward() {
    InstanceLock first("Tallowmere", m_dir->path());
    QSignalSpy activated(&first, &InstanceLock::activationRequested);
    QVERIFY(first.tryLock());
    QVERIFY(first.isLocked());
    QCOMPARE(first.unprotectedReason(), QString());
    QVERIFY(first.tryLock()); // asking again keeps the lock

    InstanceLock second("Tallowmere", m_dir->path());
    QVERIFY(!second.tryLock());
    QVERIFY(!second.isLocked());
    QVERIFY(second.requestActivation());
    QTRY_COMPARE(activated.count(), 1);
    QVERIFY(second.requestActivation());
    QTRY_COMPARE(activated.count(), 2);

    // Another name is another lock.
    InstanceLock other("Other", m_dir->path());
    QVERIFY(other.tryLock());
}

void TestInstanceLock::lockIsFreeAgainAfterTheHolderGoes() {
    auto first = std::make_unique<InstanceLock>("Tallowmere", m_dir->path());
    QVERIFY(first->tryLock());
    first.reset();

    InstanceLock next("Tallowmere", m_dir->path());
    QSignalSpy activated(&next, &InstanceLock::activationRequested);
    QVERIFY(next.tryLock());
    InstanceLock later("Tallowmere", m_dir->path());
    QVERIFY(!later.tryLock());
    QVERIFY(later.requestActivation());
    QTRY_COMPARE(activated.count(), 1);

    next.release();
    QVERIFY(!next.isLocked());
    QVERIFY(later.tryLock());
}

void TestInstanceLock::staleSocketFileDoesNotBlockTheNextStart() {
    InstanceLock lock("Tallowmere", m_dir->path());
    // What a killed holder leaves behind: the lock file and a dead socket file.
    QFile stale(lock.serverName());
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.close();
    QFile lockFile(lock.lockFilePath());
    QVERIFY(lockFile.open(QIODevice::WriteOnly));
    lockFile.close();

    QSignalSpy activated(&lock, &InstanceLock::activationRequested);
    QVERIFY(lock.tryLock());
    InstanceLock second("Tallowmere", m_dir->path());
    QVERIFY(second.requestActivation());
    QTRY_COMPARE(activated.count(), 1);
}

void TestInstanceLock::noHolderMeansTheRequestIsNotDelivered() {
    InstanceLock lonely("Tallowmere", m_dir->path());
    QVERIFY(!lonely.requestActivation(200));
}

void TestInstanceLock::lockRefusedForAnotherReasonLetsTheCopyRun_data() {
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("reason");
    QTest::newRow("folder missing") << "missing"
                                    << "is no private runtime folder";
    QTest::newRow("folder others can write") << "shared"
                                             << "is no private runtime folder";
    QTest::newRow("lock file is a link") << "link"
                                         << "Too many levels of symbolic links";
    QTest::newRow("lock file is a folder") << "folder"
                                           << "Is a directory";
    QTest::newRow("lock file not writable") << "readonly"
                                            << "Permission denied";
}

void TestInstanceLock::lockRefusedForAnotherReasonLetsTheCopyRun() {
    QFETCH(QString, setup);
    QFETCH(QString, reason);
    const QString folder = m_dir->filePath("runtime");
    QVERIFY(setup == "missing" || QDir().mkdir(folder));
    InstanceLock lock("Tallowmere", folder);
    const QString target = m_dir->filePath("planted");
    if (setup == "shared")
        QVERIFY(QFile::setPermissions(folder, QFile::Permissions(0x7777)));
    if (setup == "link")
        QVERIFY(QFile::link(target, lock.lockFilePath()));
    if (setup == "folder")
        QVERIFY(QDir().mkdir(lock.lockFilePath()));
    if (setup == "readonly") {
        if (::geteuid() == 0)
            QSKIP("permissions do not stop the superuser");
        QFile file(lock.lockFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.setPermissions(QFile::ReadOwner));
    }

    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("single-instance lock cannot be taken .*; starting"));
    QVERIFY(lock.tryLock());   // this copy runs...
    QVERIFY(!lock.isLocked()); // ...without holding anything
    QVERIFY2(lock.unprotectedReason().contains(reason), qPrintable(lock.unprotectedReason()));
    QVERIFY(!QFile::exists(target)); // a planted link is never followed
}

void TestInstanceLock::strangerBytesAreNoRequest() {
    InstanceLock lock("Tallowmere", m_dir->path());
    QSignalSpy activated(&lock, &InstanceLock::activationRequested);
    QVERIFY(lock.tryLock());

    QLocalSocket stranger;
    QSignalSpy closed(&stranger, &QLocalSocket::disconnected);
    stranger.connectToServer(lock.serverName());
    QVERIFY(stranger.waitForConnected(1000));
    stranger.write(QByteArray(200, 'x'));
    stranger.flush();
    QTRY_COMPARE(closed.count(), 1);
    QCOMPARE(activated.count(), 0);

    // A real request afterwards still works.
    InstanceLock second("Tallowmere", m_dir->path());
    QVERIFY(second.requestActivation());
    QTRY_COMPARE(activated.count(), 1);
}

void TestInstanceLock::namesDependOnNameAndUser() {
    InstanceLock lock("Tallow mere/../x", m_dir->path());
    const QString file = QFileInfo(lock.lockFilePath()).fileName();
    QVERIFY2(file.startsWith("tallow_mere_.._x-"), qPrintable(file));
    QVERIFY(file.endsWith(".lock"));
    QCOMPARE(QFileInfo(lock.lockFilePath()).absolutePath(), QDir(m_dir->path()).absolutePath());
    QVERIFY(lock.serverName().startsWith(m_dir->path()));
    QVERIFY(lock.serverName() != lock.lockFilePath());
}

QTEST_GUILESS_MAIN(TestInstanceLock)
#include "test_instancelock.moc"
