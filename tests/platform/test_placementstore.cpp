#include "calc/Growth.h"
#include "calc/RegionalSettings.h"
#include "growth/GrowthWindow.h"
#include "platform/Application.h"
#include "platform/PlacementStore.h"
#include "report/ReportStream.h"
#include "report/ScheduleTemplate.h"
#include "report/TfrPreviewForm.h"
#include "report/TfrReport.h"

#include <QDir>
#include <QPrinter>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

// Window placements are read only from a regular file within the size limit;
// a pipe, a device, a folder or a huge file there is ignored, never waited on
// and never replaced.
class TestPlacementStore : public QObject {
    Q_OBJECT
private slots:
    void init() {
        QFile::remove(PlacementStore::defaultPath());
        QDir().mkpath(QFileInfo(PlacementStore::defaultPath()).absolutePath());
    }
    void cleanup() {
        const QString path = PlacementStore::defaultPath();
        if (QFileInfo(path).isDir())
            QDir(path).removeRecursively();
        else
            QFile::remove(path);
    }

    void readsWhatTheToolkitSettingsWrote() {
        // Placements stored by earlier versions through the toolkit's settings.
        {
            QSettings old(PlacementStore::defaultPath(), QSettings::IniFormat);
            old.setValue("GrowthWindow/Size", QSize(640, 480));
            old.setValue("Form/TfrPreviewForm/Width", 700);
            old.setValue("Form/TfrPreviewForm/Maximized", false);
        }
        PlacementStore store;
        QCOMPARE(store.sizeValue("GrowthWindow/Size", {}), QSize(640, 480));
        QCOMPARE(store.intValue("Form/TfrPreviewForm/Width", 0), 700);
        QCOMPARE(store.boolValue("Form/TfrPreviewForm/Maximized", true), false);
        QCOMPARE(store.intValue("Form/TfrPreviewForm/Height", -1), -1);

        // And the other way round, keeping what it does not know.
        store.setValue("Form/TfrPreviewForm/Height", 500);
        store.setValue("GrowthWindow/Size", QSize(800, 600));
        QVERIFY(store.save());
        QSettings back(PlacementStore::defaultPath(), QSettings::IniFormat);
        QCOMPARE(back.value("Form/TfrPreviewForm/Height").toInt(), 500);
        QCOMPARE(back.value("Form/TfrPreviewForm/Width").toInt(), 700);
        QCOMPARE(back.value("GrowthWindow/Size").toSize(), QSize(800, 600));
    }

    void hostileFilesAreIgnored_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("named pipe") << "pipe";
        QTest::newRow("link to a device") << "device";
        QTest::newRow("folder") << "folder";
        QTest::newRow("200 MB file") << "huge";
    }
    void hostileFilesAreIgnored() {
        QFETCH(QString, kind);
        const QString path = PlacementStore::defaultPath();
        const QByteArray name = QFile::encodeName(path);
        if (kind == "pipe")
            QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        else if (kind == "device")
            QVERIFY(QFile::link("/dev/zero", path));
        else if (kind == "folder")
            QVERIFY(QDir().mkpath(path));
        else {
            QFile huge(path); // sparse: quick to make, 200 MB to read
            QVERIFY(huge.open(QIODevice::WriteOnly));
            QVERIFY(huge.resize(200 * 1024 * 1024));
        }
        struct stat before {};
        QCOMPARE(::lstat(name.constData(), &before), 0);

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("window placements not read from " +
                                                              QRegularExpression::escape(path)));
        {
            // Both windows open at their defaults and store nothing on closing.
            GrowthWindow growth(
                computeGrowth({QStringLiteral("Monthly"), 1000, 100, 6, 120, 1, 2000}),
                RegionalSettings::unitedStates());
            QCOMPARE(growth.size(), QSize(760, 700));
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("window placements not read"));
            growth.reject();
        }
        {
            TfrReport report;
            readReport(scheduleTemplateResource(), report);
            QPrinter printer;
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("window placements not read"));
            TfrPreviewForm preview(report, printer);
            QVERIFY(preview.windowState() & Qt::WindowMaximized);
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("window placements not read"));
            preview.reject();
        }
        struct stat after {};
        QCOMPARE(::lstat(name.constData(), &after), 0);
        QCOMPARE(after.st_ino, before.st_ino);
        QCOMPARE(after.st_mode, before.st_mode);
        QCOMPARE(after.st_size, before.st_size);
    }
};

int main(int argc, char** argv) {
    QStandardPaths::setTestModeEnabled(true);
    Application app(argc, argv);
    TestPlacementStore test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_placementstore.moc"
