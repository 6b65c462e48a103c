#include "app/Main.h"
#include "calc/Growth.h"
#include "calc/RegionalSettings.h"
#include "growth/GrowthWindow.h"
#include "report/PrinterChoice.h"
#include "report/ReportStream.h"
#include "report/ScheduleTemplate.h"
#include "report/TfrPreviewForm.h"
#include "report/TfrReport.h"
#include "report/TfrUserDataset.h"
#include "tests/saving/SmallDisk.h"
#include "tests/support/ModalWatchdog.h"
#include "tests/support/TestMain.h"

#include <QDialogButtonBox>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Every file the program writes, against every kind of bad target: the old
// file stays byte for byte, the failure is reported with the file and the
// system's reason, and no new file is left behind.
namespace {

enum class Output { Settings, GrowthCsv, PdfPrinter, CliPdf };
enum class Target { FullDisk, NoRoom, ReadOnlyFile, ReadOnlyFolder, Directory, NamedPipe };

// 12 KiB, more than the room a full disk leaves; a settings file the
// program reads and keeps (its notes survive a save).
QByteArray oldBytes() {
    QByteArray bytes = "[LastValues]\nSavings=125.5\nBalance=2500\n\n[Notes]\n";
    for (int i = 0; i < 110; ++i)
        bytes += "note" + QByteArray::number(i) + '=' + QByteArray(100, 'x') + '\n';
    return bytes;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

ScriptedDialogService& dialogs() {
    return static_cast<ScriptedDialogService&>(Application::instance()->dialogs());
}

// What the program said about a failed write; empty when it reported none.
struct Outcome {
    QString message;
    int exitCode = 0; // the command line's
};

} // namespace

class TestOutputFailures : public QObject {
    Q_OBJECT
private slots:
    void init() { dialogs().clear(); }
    void cleanup() {
        if (!m_link.isEmpty())
            QFile::remove(m_link);
        m_link.clear();
    }

    void badTargets_data();
    void badTargets();
    void cliSpecialTargets_data();
    void cliSpecialTargets();

private:
    Outcome saveSettings(const QString& file);
    Outcome saveGrowthCsv(const QString& file);
    Outcome printPdf(const QString& file);
    Outcome runCli(const QString& file, QByteArray* pipeReaderGot);

    QString m_link;
};

void TestOutputFailures::badTargets_data() {
    QTest::addColumn<Output>("output");
    QTest::addColumn<Target>("target");
    const std::pair<Output, const char*> outputs[] = {{Output::Settings, "settings"},
                                                      {Output::GrowthCsv, "growth CSV"},
                                                      {Output::PdfPrinter, "PDF printer"},
                                                      {Output::CliPdf, "command-line PDF"}};
    const std::pair<Target, const char*> targets[] = {
        {Target::FullDisk, "full disk, old file"}, {Target::NoRoom, "0 bytes free"},
        {Target::ReadOnlyFile, "read-only file"},  {Target::ReadOnlyFolder, "read-only folder"},
        {Target::Directory, "a directory"},        {Target::NamedPipe, "a named pipe"}};
    for (const auto& [output, outputName] : outputs)
        for (const auto& [target, targetName] : targets)
            QTest::addRow("%s, %s", outputName, targetName) << output << target;
}

void TestOutputFailures::badTargets() {
    QFETCH(Output, output);
    QFETCH(Target, target);
    SmallDisk disk;
    const QString name = output == Output::Settings    ? QStringLiteral("tlmr.ini")
                         : output == Output::GrowthCsv ? QStringLiteral("g.csv")
                                                       : QStringLiteral("r.pdf");
    const QString file = disk.filePath(name);
    QString reason;
    switch (target) {
    case Target::FullDisk:
    case Target::NoRoom:
        QVERIFY(writeFile(file, oldBytes()));
        QVERIFY(disk.leaveRoom(target == Target::NoRoom ? 0 : 8 * 1024));
        reason = disk.expectedReason();
        break;
    case Target::ReadOnlyFile:
        QVERIFY(writeFile(file, oldBytes()));
        QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup));
        reason = QStringLiteral("Permission denied");
        break;
    case Target::ReadOnlyFolder:
        QVERIFY(writeFile(file, oldBytes()));
        reason = disk.makeReadOnly();
        break;
    case Target::Directory:
        QVERIFY(QDir().mkpath(file));
        QVERIFY(writeFile(file + QStringLiteral("/kept"), oldBytes()));
        // The settings are read before they are changed, and are refused there.
        reason = output == Output::Settings ? QStringLiteral("it is not a regular file")
                                            : QStringLiteral("Is a directory");
        break;
    case Target::NamedPipe:
        QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        reason = output == Output::Settings ? QStringLiteral("it is not a regular file")
                                            : QStringLiteral("no program is reading from the pipe");
        break;
    }

    // A command line writes into a pipe that a program reads; the windows
    // find none reading and say so rather than wait.
    QByteArray pipeReaderGot;
    Outcome outcome;
    QString reportedFile = file;
    switch (output) {
    case Output::Settings:
        outcome = saveSettings(file);
        reportedFile = m_link;
        break;
    case Output::GrowthCsv:
        outcome = saveGrowthCsv(file);
        break;
    case Output::PdfPrinter:
        outcome = printPdf(file);
        break;
    case Output::CliPdf:
        outcome = runCli(file, target == Target::NamedPipe ? &pipeReaderGot : nullptr);
        break;
    }

    if (output == Output::CliPdf && target == Target::NamedPipe) {
        QCOMPARE(outcome.exitCode, 0);
        QVERIFY2(pipeReaderGot.startsWith("%PDF-"), pipeReaderGot.left(40).constData());
        QVERIFY(pipeReaderGot.trimmed().endsWith("%%EOF"));
    } else {
        QVERIFY2(outcome.message.contains(reportedFile), qPrintable(outcome.message));
        QVERIFY2(outcome.message.contains(reason), qPrintable(outcome.message));
        if (output == Output::CliPdf)
            QCOMPARE(outcome.exitCode, 3);
    }

    // The target as it was.
    const QFileInfo info(file);
    if (target == Target::Directory) {
        QVERIFY(info.isDir());
        QCOMPARE(readFile(file + QStringLiteral("/kept")), oldBytes());
    } else if (target == Target::NamedPipe) {
        struct stat st {};
        QCOMPARE(::lstat(QFile::encodeName(file).constData(), &st), 0);
        QVERIFY(S_ISFIFO(st.st_mode));
    } else {
        QCOMPARE(readFile(file), oldBytes());
    }
    // Nothing else in the folder but the filler that fills the disk.
    QStringList names =
        QDir(disk.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.removeAll(QStringLiteral("filler"));
    QCOMPARE(names, QStringList{name});
}

// Special files are written where they are, never replaced by a file.
void TestOutputFailures::cliSpecialTargets_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("closeOutput");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("reason");
    QTest::newRow("standard output") << "/dev/stdout" << false << 0 << "";
    QTest::newRow("standard output, reader gone") << "/dev/stdout" << true << 3 << "Broken pipe";
    QTest::newRow("link to a full device") << "link" << false << 3 << "No space left on device";
}

void TestOutputFailures::cliSpecialTargets() {
    QFETCH(QString, target);
    QFETCH(bool, closeOutput);
    QFETCH(int, exitCode);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    if (target == "link") {
        target = dir.filePath("full.pdf");
        QVERIFY(QFile::link("/dev/full", target));
    }
    QProcess cli;
    int gone[2] = {-1, -1};
    if (closeOutput) {
        // Standard output a pipe whose reader has already left.
        QCOMPARE(::pipe2(gone, O_CLOEXEC), 0);
        ::close(gone[0]);
        const int writeEnd = gone[1];
        cli.setChildProcessModifier([writeEnd] { ::dup2(writeEnd, STDOUT_FILENO); });
    }
    cli.start(QStringLiteral(TLMR_CLI_PATH),
              {QStringLiteral("report"), QStringLiteral("--pdf"), target});
    QVERIFY(cli.waitForFinished(30000));
    if (closeOutput)
        ::close(gone[1]);
    QCOMPARE(cli.exitStatus(), QProcess::NormalExit); // no death by a signal
    const QString err = QString::fromUtf8(cli.readAllStandardError());
    QVERIFY2(cli.exitCode() == exitCode, qPrintable(err));
    if (exitCode == 0)
        QVERIFY(cli.readAllStandardOutput().startsWith("%PDF-"));
    else
        QVERIFY2(err.contains(target + QStringLiteral(": ") + reason), qPrintable(err));
    if (target.startsWith(dir.path()))
        QCOMPARE(QFileInfo(target).symLinkTarget(), QStringLiteral("/dev/full"));
}

// Closing the main window, its settings file linked to `file`: one question
// that names the file and the reason, and no generic error box before it.
Outcome TestOutputFailures::saveSettings(const QString& file) {
    TfrmMain window(RegionalSettings::unitedStates());
    window.show();
    m_link = window.settingsFilePath();
    QFile::remove(m_link);
    if (!QFile::link(file, m_link))
        return {QStringLiteral("cannot link %1").arg(m_link)};
    dialogs().setNextAnswer(DialogService::Answer::Yes);
    window.close();
    // Anything but the one question (a generic box first) fails the row.
    if (dialogs().count() != 1 || window.isVisible())
        return {QStringLiteral("%1 messages, the first: %2")
                    .arg(dialogs().count())
                    .arg(dialogs().count() ? dialogs().calls().first().text : QString())};
    return {dialogs().last().text};
}

// Save As in the growth window, with a table of about 15 KB.
Outcome TestOutputFailures::saveGrowthCsv(const QString& file) {
    GrowthWindow window(computeGrowth({QStringLiteral("Monthly"), 1000, 100, 6, 3000, 1, 2000}),
                        RegionalSettings::unitedStates());
    window.show();
    dialogs().setNextSaveFileName(file);
    window.findChild<QPushButton*>(QStringLiteral("btnSaveAs"))->click();
    const auto& calls = dialogs().calls();
    return {calls.size() == 2 ? calls.last().text : QString()};
}

// The schedule's report printed from its preview on the PDF printer.
Outcome TestOutputFailures::printPdf(const QString& file) {
    TfrReport report;
    TfrUserDataset dataset;
    readReport(scheduleTemplateResource(), report);
    report.Dataset = &dataset;
    dataset.OnCheckEOF = [&dataset](QObject*, bool& eof) { eof = dataset.RecordIndex >= 12; };
    report.OnGetValue = [](const QString&, QVariant& value) {
        value = QStringLiteral("$1,234.56");
    };
    report.PrepareReport();
    QPrinter printer;
    PrinterChoice::select(printer, PrinterChoice::pdfPrinterName());
    TfrPreviewForm preview(report, printer);
    preview.show();
    dialogs().setNextSaveFileName(file);
    closeActiveModalLater(20, [](QWidget* dialog) {
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    QTest::keyClick(&preview, Qt::Key_P, Qt::ControlModifier);
    const auto& calls = dialogs().calls();
    return {calls.size() == 2 ? calls.last().text : QString()};
}

// The shipped command-line program; with `pipeReaderGot`, a reader at the
// pipe collects what it writes.
Outcome TestOutputFailures::runCli(const QString& file, QByteArray* pipeReaderGot) {
    int reader = -1;
    if (pipeReaderGot)
        reader = ::open(QFile::encodeName(file).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    QProcess cli;
    cli.start(QStringLiteral(TLMR_CLI_PATH),
              {QStringLiteral("report"), QStringLiteral("--pdf"), file, QStringLiteral("--balance"),
               QStringLiteral("2500")});
    bool finished = false;
    for (int i = 0; i < 600 && !finished; ++i) {
        finished = cli.waitForFinished(50);
        char buffer[65536];
        ssize_t n;
        while (reader >= 0 && (n = ::read(reader, buffer, sizeof buffer)) > 0)
            pipeReaderGot->append(buffer, n);
    }
    if (reader >= 0)
        ::close(reader);
    if (!finished)
        cli.kill();
    return {QString::fromUtf8(cli.readAllStandardError()), cli.exitCode()};
}

TLMR_GUI_TEST_MAIN(TestOutputFailures)
#include "test_output_failures.moc"
