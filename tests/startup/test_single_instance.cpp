#include "platform/InstanceLock.h"
#include "tests/support/RuntimeFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <sys/stat.h>
#include <vector>

namespace {

constexpr int kWaitMs = 20000;

// Values a save would write differently (the term is derived from the dates,
// numbers are written in their shortest form), so any save shows.
const QByteArray kSettings = "; kept by hand\r\n"
                             "[LastValues]\r\n"
                             "Savings=125.50\r\n"
                             "Balance=2500\r\n"
                             "Term=12\r\n"
                             "Interest=7.25\r\n"
                             "Frequency=Monthly\r\n"
                             "FirstMonth=Mar\r\n"
                             "FirstYear=2001\r\n"
                             "LastMonth=Mar\r\n"
                             "LastYear=2031\r\n"
                             "[Other]\r\n"
                             "Key=value\r\n";

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

// Starts copies of the real program, headless, from a program folder of the
// test's own, sharing one private runtime folder (where the lock lives).
class TestSingleInstance : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void requestReachesTheRunningCopy();
    void secondCopyQuitsAndFirstRunsOn();
    void lockThatCannotBeTakenStillStarts();
    void settingsPipeNeverHoldsUpTheStart();

private:
    QProcess* start(QProcess::ProcessChannelMode mode = QProcess::ForwardedErrorChannel);
    bool holdsLock(const QProcess* process) const;
    QStringList programFolder() const;

    TestSupport::RuntimeFolder m_runtime{TestSupport::RuntimeFolder::Temp::Private};
    QTemporaryDir m_home;
    QTemporaryDir m_programDir;
    QString m_program;
    QString m_settingsPath;
    std::vector<std::unique_ptr<QProcess>> m_processes;
};

void TestSingleInstance::initTestCase() {
    QVERIFY(m_runtime.isValid());
    QVERIFY(m_home.isValid());
    QVERIFY(m_programDir.isValid());
    // The test's own lock lives where the copies look for theirs (m_runtime).
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.path()));
    qputenv("HOME", QFile::encodeName(m_home.path()));

    m_program = m_programDir.filePath(QStringLiteral("tallowmere"));
    QVERIFY(QFile::copy(QStringLiteral(TLMR_PROGRAM_PATH), m_program));
    QVERIFY(QFileInfo(m_program).isExecutable());
    m_settingsPath = m_programDir.filePath(QStringLiteral("tlmr.ini"));
}

void TestSingleInstance::init() {
    QFile settings(m_settingsPath);
    QVERIFY(settings.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(settings.write(kSettings), kSettings.size());
}

void TestSingleInstance::cleanup() {
    for (auto& process : m_processes) {
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(kWaitMs);
        }
    }
    m_processes.clear();
}

QProcess* TestSingleInstance::start(QProcess::ProcessChannelMode mode) {
    auto process = std::make_unique<QProcess>();
    process->setProgram(m_program);
    process->setWorkingDirectory(m_home.path());
    process->setProcessChannelMode(mode);
    process->start();
    m_processes.push_back(std::move(process));
    return m_processes.back().get();
}

// Whether `process` holds the instance lock, as the kernel's lock table shows.
bool TestSingleInstance::holdsLock(const QProcess* process) const {
    const QString lockPath = InstanceLock(QStringLiteral("Tallowmere")).lockFilePath();
    struct stat info {};
    if (::stat(QFile::encodeName(lockPath).constData(), &info) != 0)
        return false;
    const QByteArray inode = ':' + QByteArray::number(quint64(info.st_ino)) + ' ';
    const QByteArray pid = ' ' + QByteArray::number(process->processId()) + ' ';
    const QList<QByteArray> lines = readAll(QStringLiteral("/proc/locks")).split('\n');
    for (const QByteArray& line : lines) {
        const QByteArray fields = line.simplified() + ' ';
        if (fields.contains(" FLOCK ") && fields.contains(pid) && fields.contains(inode))
            return true;
    }
    return false;
}

QStringList TestSingleInstance::programFolder() const {
    return QDir(m_programDir.path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

void TestSingleInstance::requestReachesTheRunningCopy() {
    // The test plays the running copy.
    InstanceLock lock(QStringLiteral("Tallowmere"));
    QVERIFY(lock.tryLock());
    QSignalSpy requests(&lock, &InstanceLock::activationRequested);
    const QStringList filesBefore = programFolder();

    QProcess* second = start();
    QSignalSpy finished(second, &QProcess::finished);
    QVERIFY(second->waitForStarted(kWaitMs));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, kWaitMs);
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(requests.count(), 1, kWaitMs);

    QCOMPARE(readAll(m_settingsPath), kSettings);
    QCOMPARE(programFolder(), filesBefore);
}

void TestSingleInstance::secondCopyQuitsAndFirstRunsOn() {
    QProcess* first = start();
    QVERIFY(first->waitForStarted(kWaitMs));
    QTRY_VERIFY_WITH_TIMEOUT(holdsLock(first), kWaitMs);

    QProcess* second = start();
    QSignalSpy secondFinished(second, &QProcess::finished);
    QVERIFY(second->waitForStarted(kWaitMs));
    QTRY_COMPARE_WITH_TIMEOUT(secondFinished.count(), 1, kWaitMs);
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);
    QCOMPARE(first->state(), QProcess::Running);
    QVERIFY(holdsLock(first));
    QCOMPARE(readAll(m_settingsPath), kSettings);

    // A copy killed outright leaves no lock behind: the next start is a first
    // copy again, and runs on.
    first->kill();
    QVERIFY(first->waitForFinished(kWaitMs));
    QProcess* next = start();
    QVERIFY(next->waitForStarted(kWaitMs));
    QTRY_VERIFY_WITH_TIMEOUT(holdsLock(next), kWaitMs);
    QCOMPARE(next->state(), QProcess::Running);
    // ...and it listens for later copies despite what the killed one left.
    QLocalSocket probe;
    probe.connectToServer(InstanceLock(QStringLiteral("Tallowmere")).serverName());
    QVERIFY(probe.waitForConnected(kWaitMs));
    probe.disconnectFromServer();

    next->terminate();
    QVERIFY(next->waitForFinished(kWaitMs));
    QCOMPARE(readAll(m_settingsPath), kSettings);
}

void TestSingleInstance::lockThatCannotBeTakenStillStarts() {
    // A folder where the lock file belongs: no copy can hold it, so no copy
    // runs, and this one must start (with a warning) instead of stepping aside.
    const QString lockPath = InstanceLock(QStringLiteral("Tallowmere")).lockFilePath();
    QFile::remove(lockPath); // left by the copies before
    QVERIFY(QDir().mkpath(lockPath));
    const auto removeFolder = qScopeGuard([&] { QDir(lockPath).removeRecursively(); });

    QProcess* copy = start(QProcess::SeparateChannels);
    QVERIFY(copy->waitForStarted(kWaitMs));
    QByteArray errors;
    QTRY_VERIFY_WITH_TIMEOUT(
        (errors += copy->readAllStandardError()).contains("single-instance lock cannot be taken"),
        kWaitMs);
    // A copy that steps aside ends right after the check; this one runs on.
    QVERIFY(!copy->waitForFinished(1500));
    QCOMPARE(copy->state(), QProcess::Running);
}

void TestSingleInstance::settingsPipeNeverHoldsUpTheStart() {
    // Opening a named pipe to read it waits for a writer that never comes; the
    // copy must refuse it and, as a second copy, hand over and end silently.
    InstanceLock lock(QStringLiteral("Tallowmere"));
    QVERIFY(lock.tryLock());
    QVERIFY(QFile::remove(m_settingsPath));
    QCOMPARE(::mkfifo(QFile::encodeName(m_settingsPath).constData(), 0600), 0);
    const auto removePipe = qScopeGuard([&] { QFile::remove(m_settingsPath); });

    QProcess* second = start();
    QVERIFY(second->waitForFinished(kWaitMs));
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "test_single_instance.moc"
