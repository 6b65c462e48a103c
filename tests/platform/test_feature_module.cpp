#include "platform/FeatureModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QtTest>

namespace {
QObject* makeNamed(QWidget*) {
    auto* object = new QObject;
    object->setObjectName(QStringLiteral("provided"));
    return object;
}
} // namespace

class TestFeatureModule : public QObject {
    Q_OBJECT
private slots:
    void providedEntryNeedsNoFile() {
        FeatureModule::provide("tlmrTestEntry", &makeNamed);
        QString error;
        const std::unique_ptr<QObject> made(FeatureModule::create<QObject>(
            QStringLiteral("no-such-module"), "tlmrTestEntry", nullptr, &error));
        QVERIFY(made);
        QCOMPARE(made->objectName(), QStringLiteral("provided"));
        QVERIFY(error.isEmpty());
    }

    // A module that cannot be used is no entry point, and the reason names its file.
    void unusableModuleGivesReason_data() {
        QTest::addColumn<QByteArray>("content"); // empty: no file at all
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not a library") << QByteArray("not a shared object\n");
    }
    void unusableModuleGivesReason() {
        QFETCH(QByteArray, content);
        const QString name =
            QStringLiteral("tlmr-test-module-%1").arg(QTest::currentDataTag()).replace(u' ', u'-');
        const QString path =
            QDir(QCoreApplication::applicationDirPath()).filePath(name + QStringLiteral(".so"));
        QFile::remove(path);
        if (!content.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        QString error;
        QVERIFY(!FeatureModule::find(name, "tlmrNoEntry", &error));
        QVERIFY2(error.contains(path), qPrintable(error));
        QFile::remove(path);
    }
};

QTEST_GUILESS_MAIN(TestFeatureModule)
#include "test_feature_module.moc"
