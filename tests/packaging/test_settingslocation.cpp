// Where the settings file goes: the rule on its own, the real writability check
// against a read-only folder, and the main window run from a read-only folder.
// Tests run as the superuser too, whom a read-only mode bit does not stop, so
// the folder is made read-only by a read-only bind mount in a mount namespace
// of this process's own (or, for another user, by its mode bits).

#include "app/Main.h"
#include "calc/RegionalSettings.h"
#include "platform/Application.h"
#include "platform/SettingsLocation.h"
#include "tests/support/ScriptedDialogService.h"
#include "widgets/TNumEdit.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

bool g_privateMounts = false;

// Makes a folder read-only for this process until destroyed.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& dir)
        : m_path(QFile::encodeName(dir)) {
        if (g_privateMounts) {
            m_mounted =
                ::mount(m_path.constData(), m_path.constData(), nullptr, MS_BIND, nullptr) == 0;
            m_active = m_mounted && ::mount(nullptr, m_path.constData(), nullptr,
                                            MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) == 0;
        } else if (::geteuid() != 0) {
            m_permissions = QFile::permissions(dir);
            m_active = QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
        }
    }
    ~ReadOnlyFolder() {
        if (m_mounted)
            ::umount2(m_path.constData(), MNT_DETACH);
        else if (m_active)
            QFile::setPermissions(QFile::decodeName(m_path), m_permissions);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;
    bool active() const { return m_active; }

private:
    QByteArray m_path;
    QFile::Permissions m_permissions;
    bool m_mounted = false;
    bool m_active = false;
};

QString userConfigFile() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
           QStringLiteral("/tlmr.ini");
}

QString besideProgram() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/tlmr.ini");
}

ScriptedDialogService& dialogs() {
    return static_cast<ScriptedDialogService&>(Application::instance()->dialogs());
}

std::unique_ptr<TfrmMain> openWindow() {
    auto window = std::make_unique<TfrmMain>(RegionalSettings::unitedStates());
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("main window did not become active");
    return window;
}

} // namespace

class TestSettingsLocation : public QObject {
    Q_OBJECT

private slots:
    void init() {
        cleanup();
        dialogs().clear();
    }
    void cleanup() {
        QFile::remove(userConfigFile());
        QFile::remove(besideProgram());
    }

    void rule_data() {
        QTest::addColumn<QString>("programDir");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QString>("installedDir");
        QTest::addColumn<QString>("configDir");
        QTest::addColumn<bool>("beside");
        const QString cfg = QStringLiteral("/home/u/.config/Tallowmere");
        const QString rel = QStringLiteral("libexec/tallowmere");
        QTest::newRow("portable copy") << "/opt/tm/" << true << rel << cfg << true;
        QTest::newRow("read-only folder") << "/opt/tm" << false << rel << cfg << false;
        QTest::newRow("install folder, writable (superuser)")
            << "/usr/libexec/tallowmere" << true << rel << cfg << false;
        QTest::newRow("install below another prefix")
            << "/home/u/.local/libexec/tallowmere/" << true << rel << cfg << false;
        QTest::newRow("folder merely ending alike")
            << "/opt/mylibexec/tallowmere" << true << rel << cfg << true;
        QTest::newRow("full install folder, written differently")
            << "/opt/tm" << true << "/opt/other/../tm/" << cfg << false;
        QTest::newRow("no install folder built in") << "/opt/tm" << true << "" << cfg << true;
        QTest::newRow("no configuration folder") << "/opt/tm" << false << rel << "" << true;
    }
    void rule() {
        QFETCH(QString, programDir);
        QFETCH(bool, writable);
        QFETCH(QString, installedDir);
        QFETCH(QString, configDir);
        QFETCH(bool, beside);
        QStringList asked;
        const auto check = [&](const QString& dir) {
            asked << dir;
            return writable;
        };
        const SettingsLocation::Places places{programDir, configDir, installedDir};
        const QString expected = QDir::cleanPath((beside ? programDir : configDir) + "/tlmr.ini");
        QCOMPARE(SettingsLocation::choose(places, check), expected);
        QVERIFY(asked.isEmpty() || asked == QStringList{programDir});
    }

    void realCheck() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(SettingsLocation::isWritableDirectory(dir.path()));
        QVERIFY(!SettingsLocation::isWritableDirectory(dir.filePath(QStringLiteral("missing"))));
        QFile file(dir.filePath(QStringLiteral("file")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(!SettingsLocation::isWritableDirectory(file.fileName()));

        ReadOnlyFolder readOnly(dir.path());
        if (!readOnly.active())
            QSKIP("this process cannot make a folder read-only");
        QVERIFY(!SettingsLocation::isWritableDirectory(dir.path()));
        QVERIFY(!QFile(dir.filePath(QStringLiteral("new"))).open(QIODevice::WriteOnly));
    }

    void writableProgramFolderKeepsTheFileBesideIt() {
        const auto window = openWindow();
        QCOMPARE(window->settingsFilePath(), besideProgram());
        QVERIFY(window->close());
        QVERIFY(QFile::exists(besideProgram()));
        QVERIFY(!QFile::exists(userConfigFile()));
    }

    void readOnlyProgramFolderKeepsInputsInTheUserFolder() {
        ReadOnlyFolder readOnly(QCoreApplication::applicationDirPath());
        if (!readOnly.active())
            QSKIP("this process cannot make a folder read-only");
        {
            const auto window = openWindow();
            QCOMPARE(window->settingsFilePath(), userConfigFile());
            auto* balance = window->findChild<TNumEdit*>(QStringLiteral("edtBalance"));
            QVERIFY(balance);
            balance->setFocus(Qt::TabFocusReason);
            QTest::keyClick(balance, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(balance, QStringLiteral("1234"));
            QTest::keyClick(balance, Qt::Key_Tab);
            QVERIFY(window->close()); // closes without asking anything
        }
        QCOMPARE(dialogs().count(), 0);
        QFile saved(userConfigFile());
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().contains("\nBalance=1234\n"));
        QVERIFY(!QFile::exists(besideProgram()));

        const auto again = openWindow();
        QCOMPARE(double(again->findChild<TNumEdit*>(QStringLiteral("edtBalance"))->value()),
                 1234.0);
        QVERIFY(again->close());
        QCOMPARE(dialogs().count(), 0);
    }
};

int main(int argc, char** argv) {
    // A mount namespace of this process's own, made while it has one thread, so
    // every thread sees the read-only mounts and nothing outside does.
    g_privateMounts = ::unshare(CLONE_NEWNS) == 0 &&
                      ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    QTemporaryDir runtimeDir; // the single-instance lock of this process alone
    QFile::setPermissions(runtimeDir.path(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir.path()));
    QStandardPaths::setTestModeEnabled(true);
    Application app(argc, argv);
    ScriptedDialogService::install(app);
    TestSettingsLocation test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_settingslocation.moc"
