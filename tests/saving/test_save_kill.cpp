#include "tests/saving/SaveLoopFields.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <csignal>

// Kills a process that saves the settings file in a loop, a thousand times at
// random moments: the file is always one whole version, never a cut or mixed
// one, and the next save leaves no temporary file behind.
class TestSaveKill : public QObject {
    Q_OBJECT
private slots:
    void fileIsAlwaysTheOldOrTheNewOne() {
        // In memory where it can be (a flush to a real disk makes a round
        // many times slower, and the kills would land mostly in that wait).
        QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                              ? QStringLiteral("/dev/shm/tlmr-save-kill-XXXXXX")
                              : QString());
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("tlmr.ini"));
        // Other sections make each save long enough for kills to land inside it.
        QByteArray notes = "; kept\n[Notes]\n";
        for (int i = 0; i < 200; ++i)
            notes += "note" + QByteArray::number(i) + '=' + QByteArray(100, 'n') + '\n';

        // The two versions the loop writes, made by one run of the loop's saves.
        const QList<QByteArray> versions = expectedVersions(dir.filePath("expected.ini"), notes);
        QFile seed(path);
        QVERIFY(seed.open(QIODevice::WriteOnly));
        seed.write(versions.at(0));
        seed.close();

        int leftBehind = 0;
        for (int round = 0; round < 1000; ++round) {
            QProcess loop;
            loop.start(QStringLiteral(TLMR_SAVE_LOOP), {path});
            QVERIFY2(loop.waitForReadyRead(10000), qPrintable(loop.errorString()));
            QThread::usleep(QRandomGenerator::global()->bounded(3000));
            ::kill(pid_t(loop.processId()), SIGKILL);
            QVERIFY(loop.waitForFinished(10000));
            QCOMPARE(loop.exitStatus(), QProcess::CrashExit);

            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray now = file.readAll();
            QVERIFY2(versions.contains(now),
                     qPrintable(QStringLiteral("round %1: %2 bytes").arg(round).arg(now.size())));
            if (!temporaryFiles(dir.path()).isEmpty())
                ++leftBehind;
        }
        qInfo("%d of 1000 kills left a temporary file behind", leftBehind);

        SavedInputs(path, RegionalSettings::unitedStates()).save(saveLoopFields(0));
        QCOMPARE(temporaryFiles(dir.path()), QStringList());
    }

private:
    static QList<QByteArray> expectedVersions(const QString& path, const QByteArray& start) {
        QList<QByteArray> out;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(start) != start.size())
            return out;
        file.close();
        for (int round = 0; round < 2; ++round) {
            SavedInputs(path, RegionalSettings::unitedStates()).save(saveLoopFields(round));
            QFile saved(path);
            if (saved.open(QIODevice::ReadOnly))
                out << saved.readAll();
        }
        QFile::remove(path);
        return out;
    }

    static QStringList temporaryFiles(const QString& folder) {
        QStringList found;
        for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
            if (name != QLatin1String("tlmr.ini"))
                found << name;
        return found;
    }
};

QTEST_GUILESS_MAIN(TestSaveKill)
#include "test_save_kill.moc"
