#include "app/Main.h"
#include "platform/Application.h"
#include "platform/ProfileFile.h"
#include "platform/SafeFile.h"
#include "tests/saving/SmallDisk.h"
#include "tests/support/ScriptedDialogService.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

using Answer = DialogService::Answer;

// A settings file of 12 KiB, more than the room a full disk leaves.
QByteArray oldSettings() {
    QByteArray bytes =
        "[LastValues]\nSavings=125.5\nBalance=2500\nFrequency=Quarterly\n\n[Notes]\n";
    for (int i = 0; i < 110; ++i)
        bytes += "note" + QByteArray::number(i) + '=' + QByteArray(100, 'x') + '\n';
    return bytes;
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

QStringList leftovers(const QString& folder) {
    QStringList found;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
        if (SafeFile::isTemporaryName(QStringLiteral("tlmr.ini"), name))
            found << name;
    return found;
}

ScriptedDialogService& dialogs() {
    return static_cast<ScriptedDialogService&>(Application::instance()->dialogs());
}

} // namespace

// Saving when the disk is full or the folder read-only: the old file is kept
// byte for byte, the failure is reported with its reason, and the main window
// still closes when the user agrees to lose the changes.
class TestSaveFailures : public QObject {
    Q_OBJECT
private slots:
    void init() { dialogs().clear(); }

    void fullDiskKeepsTheOldFile_data() {
        QTest::addColumn<qint64>("room");
        QTest::newRow("no room at all") << qint64(0);
        QTest::newRow("room for part of the file") << qint64(8 * 1024);
    }
    void fullDiskKeepsTheOldFile() {
        QFETCH(qint64, room);
        SmallDisk disk;
        const QString path = disk.filePath(QStringLiteral("tlmr.ini"));
        QVERIFY(writeFile(path, oldSettings()));
        QVERIFY(disk.leaveRoom(room));
        try {
            ProfileFile(path).writeString(QStringLiteral("LastValues"), QStringLiteral("Savings"),
                                          QStringLiteral("7"));
            QFAIL("a save on a full disk reported success");
        } catch (const ProfileWriteError& error) {
            QCOMPARE(error.reason(), disk.expectedReason());
            QCOMPARE(error.path(), path);
        }
        QCOMPARE(readFile(path), oldSettings());
        QCOMPARE(leftovers(disk.path()), QStringList());
    }

    void fullDiskAsksWithTheReasonAndStillCloses() {
        SmallDisk disk;
        auto window = openWindowOn(disk);
        QVERIFY(disk.leaveRoom(0));
        closeAfterFailedSave(window.get(), disk.expectedReason());
        QCOMPARE(readFile(window->settingsFilePath()), oldSettings());
        QCOMPARE(leftovers(disk.path()), QStringList());
    }

    void readOnlyFolderAsksWithTheReasonAndStillCloses() {
        SmallDisk disk;
        auto window = openWindowOn(disk);
        const QString reason = disk.makeReadOnly();
        closeAfterFailedSave(window.get(), reason);
        QCOMPARE(readFile(window->settingsFilePath()), oldSettings());
    }

private:
    // The main window, its settings file on `disk` (through a link where the
    // program keeps it) and holding oldSettings().
    std::unique_ptr<TfrmMain> openWindowOn(SmallDisk& disk) {
        auto window = std::make_unique<TfrmMain>(RegionalSettings::unitedStates());
        window->show();
        const QString settings = window->settingsFilePath();
        QFile::remove(settings);
        const QString file = disk.filePath(QStringLiteral("tlmr.ini"));
        if (!writeFile(file, oldSettings()) || !QFile::link(file, settings))
            qWarning("cannot prepare %s", qPrintable(settings));
        m_cleanup = settings;
        return window;
    }

    // Closing fails with one question that names the file and the reason (no
    // generic error box before it); "No" keeps the window open, "Yes" closes it.
    void closeAfterFailedSave(TfrmMain* window, const QString& reason) {
        dialogs().setNextAnswer(Answer::No);
        QVERIFY(!window->close());
        QVERIFY(window->isVisible());
        QCOMPARE(dialogs().count(), 1);
        const QString question = dialogs().calls().at(0).text;
        QVERIFY2(question.contains("\r\nFile: " + window->settingsFilePath() + "\r\n"),
                 qPrintable(question));
        QVERIFY2(question.contains("\r\nReason: " + reason + "\r\n"), qPrintable(question));
        QVERIFY(question.endsWith("Close Tallowmere without saving?"));

        dialogs().setNextAnswer(Answer::Yes);
        QVERIFY(window->close());
        QVERIFY(!window->isVisible());
    }

    QString m_cleanup;

private slots:
    void cleanup() {
        if (!m_cleanup.isEmpty())
            QFile::remove(m_cleanup);
        m_cleanup.clear();
    }
};

int main(int argc, char** argv) {
    QTemporaryDir runtimeDir;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir.path()));
    QStandardPaths::setTestModeEnabled(true);
    Application app(argc, argv);
    ScriptedDialogService::install(app);
    TestSaveFailures test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_save_failures.moc"
