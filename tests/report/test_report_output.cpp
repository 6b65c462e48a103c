#include "calc/Schedule.h"
#include "cli/CliCommandLine.h"
#include "cli/CliRunner.h"
#include "cli/ScheduleCommand.h"
#include "report/PreparedReport.h"
#include "report/PrintJob.h"
#include "report/PrinterChoice.h"
#include "report/ReportPageSetup.h"
#include "report/ReportRenderer.h"
#include "report/ReportStream.h"
#include "report/ScheduleReport.h"
#include "report/ScheduleTemplate.h"
#include "report/TfrReport.h"
#include "report/TfrUserDataset.h"
#include "tests/report/PdfWords.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QStringList kInputs = {"--balance",      "1000",     "--savings",   "100",
                             "--first",        "Jan 2000", "--last",      "Jan 2030",
                             "--rate",         "6.5",      "--locale",    "en_US",
                             "--savings-step", "1",        "--rate-step", "3"};

// The example's inputs: 360 months, the $25 and 1/4% steps.
ScheduleInputs exampleInputs() {
    ScheduleInputs in;
    in.balance = 1000;
    in.savings = 100;
    in.rate = 6.5;
    in.firstMonth = in.lastMonth = "Jan";
    in.firstYear = 2000;
    in.lastYear = 2030;
    in.savingsStepIndex = 1;
    in.rateStepIndex = 3;
    return in;
}

// The schedule template filled from the example, its grid texts replaced by
// "r<row>c<column>" (column from 1).
struct GridReport {
    TfrReport report;
    TfrUserDataset dataset;
    int eofQuestions = 0;

    GridReport() {
        readReport(scheduleTemplateResource(), report);
        const RegionalSettings us = RegionalSettings::unitedStates();
        ScheduleSnapshot snapshot = computeSchedule(exampleInputs(), us);
        for (int row = 0; row < kGridRows; ++row)
            for (int c = 0; c < kGridColumns; ++c)
                snapshot.cells[row][c] = QStringLiteral("r%1c%2").arg(row).arg(c + 1);
        fillScheduleReport(report, dataset, snapshot, us);
        const auto checkEof = dataset.OnCheckEOF;
        dataset.OnCheckEOF = [this, checkEof](QObject* sender, bool& eof) {
            ++eofQuestions;
            checkEof(sender, eof);
        };
    }

    // A dataset of `rows` rows, longer than any grid.
    void setRows(int rows) {
        dataset.OnCheckEOF = [this, rows](QObject*, bool& eof) {
            eof = dataset.RecordIndex >= rows;
        };
        report.OnGetValue = [this](const QString& name, QVariant& value) {
            value = QStringLiteral("r%1c%2").arg(dataset.RecordIndex).arg(name.mid(4));
        };
    }
};

QStringList textsOf(const PreparedPage& page, int top, int bottom) {
    QStringList texts;
    for (const auto& view : page.objects)
        if (view->type() == FrObjectType::Memo && view->Top >= top && view->Top < bottom)
            texts << view->Memo.join(u'\n');
    return texts;
}

// The schedule of CLI-style `arguments`, read by the command line's own parser.
std::pair<ScheduleSnapshot, RegionalSettings> scheduleOf(const QStringList& arguments) {
    QString error;
    const auto options = parseScheduleArguments(arguments, error);
    if (!options)
        qFatal("bad test arguments: %s", qPrintable(error));
    const RegionalSettings regional = regionalSettingsFor(options->locale);
    return {computeSchedule(options->inputs, regional), regional};
}

// The schedule report of `snapshot`, prepared.
struct FilledReport {
    TfrReport report;
    TfrUserDataset dataset;
    FilledReport(const ScheduleSnapshot& snapshot, const RegionalSettings& regional) {
        readReport(scheduleTemplateResource(), report);
        fillScheduleReport(report, dataset, snapshot, regional);
        report.PrepareReport();
    }
};

// A sheet rectangle (units) on a PDF page: the sheet stretched over the
// Letter page less the PDF margins, in points.
QRectF onPdfPage(const QRectF& units) {
    const double m = kPdfMarginPoints;
    const double sx = (612 - 2 * m) / 779, sy = (792 - 2 * m) / 1008;
    return {m + units.x() * sx, m + units.y() * sy, units.width() * sx, units.height() * sy};
}

QString pdfMeta(const QString& file) {
    QProcess info;
    info.start("pdfinfo", {file});
    info.waitForFinished(30000);
    return QString::fromUtf8(info.readAllStandardOutput());
}

} // namespace

class TestReportOutput : public QObject {
    Q_OBJECT

private slots:
    void preparedPageHoldsTwelveRowsAndTheFooter();
    void longDatasetsBreakPages();
    void expansion_data();
    void expansion();
    void unresolvedNameRaisesTheEvaluationError();
    void renderedPixels();
    void cliWritesTheLetterPdf();
    void pdfPages_data();
    void pdfPages();
    void cliFailures_data();
    void cliFailures();
};

void TestReportOutput::preparedPageHoldsTwelveRowsAndTheFooter() {
    GridReport g;
    g.report.PrepareReport();
    const auto& pages = g.report.prepared().pages;
    QCOMPARE(pages.size(), std::size_t(1));
    const PreparedPage& page = pages[0];
    QCOMPARE(page.width, 779);
    QCOMPARE(page.height, 1008);
    // The title band first (206 high), then one 18-unit row per record.
    for (int row = 0; row < kGridRows; ++row) {
        QStringList expected;
        for (int c = 1; c <= 8; ++c)
            expected << QStringLiteral("r%1c%2").arg(row).arg(c);
        QCOMPARE(textsOf(page, 206 + 18 * row, 206 + 18 * (row + 1)), expected);
    }
    QVERIFY(textsOf(page, 206 + 18 * 12, 1008 - 74).isEmpty());
    // The footer sits on the bottom of the sheet.
    QCOMPARE(
        textsOf(page, 1008 - 74, 1008),
        QStringList({"www.brindlecrest.example", "Tallowmere, 1.3.00",
                     static_cast<TfrMemoView*>(g.report.FindView("lblDisclaimer"))->Memo.at(0)}));
    QVERIFY(textsOf(page, 0, 206).contains("Tallowmere Schedule"));
    QVERIFY(textsOf(page, 0, 206).contains("360 months"));
    QVERIFY(textsOf(page, 0, 206).contains("Monthly Savings incremented by $25"));
    QVERIFY(g.eofQuestions >= 13);
}

void TestReportOutput::longDatasetsBreakPages() {
    GridReport g;
    g.setRows(60); // 206 + 60 x 18 does not fit above the footer at 934
    g.report.PrepareReport();
    const auto& pages = g.report.prepared().pages;
    QCOMPARE(pages.size(), std::size_t(2));
    const int firstPageRows = (1008 - 74 - 206) / 18;
    int cells = 0;
    for (const auto& view : pages[0].objects)
        if (view->Name.startsWith("Cell")) {
            ++cells;
            QVERIFY(view->Top + 18 <= 1008 - 74);
        }
    QCOMPARE(cells, firstPageRows * 8);
    QVERIFY(textsOf(pages[1], 0, 18).contains("r" + QString::number(firstPageRows) + "c1"));
    QVERIFY(textsOf(pages[1], 1008 - 74, 1008).contains("Tallowmere, 1.3.00"));

    // A row taller than the page does not fit below the title, then prints
    // alone on each further page, and the run ends.
    g.setRows(3);
    g.report.FindView("MasterData1")->Height = 5000;
    g.report.PrepareReport();
    QCOMPARE(g.report.prepared().pages.size(), std::size_t(4));
}

void TestReportOutput::expansion_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("expanded");
    QTest::newRow("plain") << "no names"
                           << "no names";
    QTest::newRow("one name") << "[Cell3]"
                              << "<Cell3>";
    QTest::newRow("two names and text") << "a [x] b [ y ] c"
                                        << "a <x> b <y> c";
    QTest::newRow("nested") << "[a[b]]"
                            << "<a[b]>";
    QTest::newRow("unclosed") << "left [open"
                              << "left [open";
    QTest::newRow("empty brackets") << "[]"
                                    << "<>";
}

void TestReportOutput::expansion() {
    QFETCH(QString, line);
    QFETCH(QString, expanded);
    QCOMPARE(expandLine(line, [](const QString& name) { return '<' + name + '>'; }), expanded);
}

void TestReportOutput::unresolvedNameRaisesTheEvaluationError() {
    GridReport g;
    setMemoText(g.report, "lblOne", "[PAGE#]/[TOTALPAGES] line [LINE#]");
    setMemoText(g.report, "lblTwo", "[page#]");
    g.report.PrepareReport();
    QVERIFY(textsOf(g.report.prepared().pages[0], 0, 206).contains("1/1 line 0"));
    setMemoText(g.report, "lblTwo", "[NoSuchName]");
    QVERIFY_THROWS_EXCEPTION(ReportEvaluationError, g.report.PrepareReport());
}

void TestReportOutput::renderedPixels() {
    GridReport g;
    g.report.PrepareReport();
    QImage image(779, 1008, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderPage(painter, g.report.prepared().pages[0], QRectF(0, 0, 779, 1008));
    painter.end();
    // The title band starts the page: Line1 (top 76) is black; the first cell's left frame (x 45)
    // is silver; the inside of a cell right of its text is white.
    QCOMPARE(QColor(image.pixel(300, 76)).lightness() < 80, true);
    const QRgb silver = QColor(192, 192, 192).rgb();
    QVERIFY(image.pixel(44, 215) == silver || image.pixel(45, 215) == silver);
    QCOMPARE(image.pixel(128, 215), QColor(Qt::white).rgb());
    // The title's glyphs are dark, inside its box.
    bool dark = false;
    for (int x = 47; x < 200 && !dark; ++x)
        for (int y = 61; y < 89 && !dark; ++y)
            dark = QColor(image.pixel(x, y)).lightness() < 60;
    QVERIFY(dark);
}

void TestReportOutput::cliWritesTheLetterPdf() {
    QTemporaryDir dir;
    const QString file = dir.filePath("out.pdf");
    QByteArray out, err;
    QCOMPARE(runCli(QStringList{"report", "--pdf", file} + kInputs, out, err), 0);
    QVERIFY2(err.isEmpty(), err.constData());
    QProcess info;
    info.start("pdfinfo", {file});
    QVERIFY(info.waitForFinished(30000));
    const QByteArray meta = info.readAllStandardOutput();
    QVERIFY(meta.contains("Pages:           1"));
    QVERIFY(meta.contains("612 x 792 pts (letter)"));

    QProcess text;
    text.start("pdftotext", {"-raw", file, "-"});
    QVERIFY(text.waitForFinished(30000));
    const QString body = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    // Labels and values are separate texts; their order in the text is not checked.
    QStringList expected = {"Tallowmere Schedule",
                            "Initial Balance:",
                            "$1,000.00",
                            "Monthly Savings:",
                            "$100.00",
                            "Term:",
                            "360 months",
                            "Interest Rate:",
                            "6.5%",
                            "Compounding Frequency:",
                            "Monthly",
                            "Future Value:",
                            "$117,609.61",
                            "Monthly Savings incremented by $25",
                            "Interest Rates incremented by 1/4%",
                            "Tallowmere, 1.3.00",
                            "www.brindlecrest.example",
                            "NOTE: Though effort was made",
                            "before making any financial decision based upon these results."};
    // All 96 grid texts, row by row.
    QVERIFY(body.contains("Savings/Rate 5.75% 6% 6.25% 6.5% 6.75% 7% 7.25%"));
    QVERIFY(body.contains("$350 $340,818.61 $357,602.84 $375,361.15 $394,154.13 $414,046.30 "
                          "$435,106.35 $457,407.42"));
    for (const QString& piece : expected)
        QVERIFY2(body.contains(piece), qPrintable(piece));
    QCOMPARE(body.count(QRegularExpression("\\$\\d{3},\\d{3}\\.\\d\\d")), 77 + 1);
}

void TestReportOutput::pdfPages_data() {
    QTest::addColumn<QStringList>("inputs");
    QTest::newRow("example") << kInputs;
    QTest::newRow("de_DE, 100.000.000,00 EUR and more")
        << QStringList{"--balance", "2000000",  "--savings", "20000",    "--rate",   "8",
                       "--first",   "Jan 2000", "--last",    "Jan 2040", "--locale", "de_DE"};
    QTest::newRow("en_US, $1,000,000,000 and more")
        << QStringList{"--balance", "20000000", "--savings", "200000",   "--rate",   "8",
                       "--first",   "Jan 2000", "--last",    "Jan 2040", "--locale", "en_US"};
    QTest::newRow("negative, in exponent form")
        << QStringList{"--balance", "-2e15", "--rate", "6.5", "--locale", "en_US"};
    QTest::newRow("negative, in brackets: the widest currency text") << QStringList{
        "--balance=-100000000", "--savings=-1000000", "--rate", "6.5", "--locale", "en_US"};
}

// The command line's PDF and the PDF printer's: every grid text whole on one
// line inside its cell, every text inside the printable area, and the two
// files alike, word for word and position for position.
void TestReportOutput::pdfPages() {
    QFETCH(QStringList, inputs);
    QTemporaryDir dir;
    const QString cliFile = dir.filePath("cli.pdf"), guiFile = dir.filePath("gui.pdf");
    QByteArray out, err;
    QCOMPARE(runCli(QStringList{"report", "--pdf", cliFile} + inputs, out, err), 0);

    const auto [snapshot, regional] = scheduleOf(inputs);
    FilledReport filled(snapshot, regional);
    QPrinter printer(QPrinter::HighResolution);
    QVERIFY(PrinterChoice::select(printer, PrinterChoice::pdfPrinterName()));
    printer.setOutputFileName(guiFile);
    QVERIFY(printPages(printer, filled.report.prepared(), {1}));

    const QVector<PdfWord> words = pdfWords(cliFile);
    QVERIFY(words.size() > 100);
    // A typical printer prints all but 1/4 inch along each edge.
    const QRectF printable(18, 18, 612 - 36, 792 - 36);
    for (const PdfWord& word : words)
        QVERIFY2(printable.contains(word.box), qPrintable(word.text));

    // Each cell's words: those whose centre lies in the cell.
    int row = 0, cells = 0;
    for (const auto& view : filled.report.prepared().pages[0].objects) {
        if (!view->Name.startsWith("Cell"))
            continue;
        const int column = view->Name.mid(4).toInt() - 1;
        if (column == 0 && cells > 0)
            ++row;
        ++cells;
        const QRectF cell = onPdfPage(QRectF(view->Left, view->Top, view->Width, view->Height));
        QStringList found;
        double baseline = -1;
        for (const PdfWord& word : words) {
            if (!cell.contains(word.box.center()))
                continue;
            found << word.text;
            const QString where =
                QStringLiteral("%1 in row %2, column %3").arg(word.text).arg(row).arg(column);
            QVERIFY2(cell.adjusted(-0.01, -0.01, 0.01, 0.01).contains(word.box), qPrintable(where));
            QVERIFY2(baseline < 0 || qAbs(word.box.bottom() - baseline) < 0.01,
                     qPrintable(where + " is not on one line"));
            baseline = word.box.bottom();
        }
        QCOMPARE(found.join(' '), snapshot.text(column, row).simplified());
    }
    QCOMPARE(cells, kGridRows * kGridColumns);

    const QVector<PdfWord> printed = pdfWords(guiFile);
    QCOMPARE(printed.size(), words.size());
    const auto where = [](const PdfWord& w) {
        return QStringLiteral("%1 at %2, %3").arg(w.text).arg(w.box.left()).arg(w.box.bottom());
    };
    for (qsizetype i = 0; i < words.size(); ++i) {
        QCOMPARE(printed[i].text, words[i].text);
        QVERIFY2(qAbs(printed[i].box.left() - words[i].box.left()) < 0.05 &&
                     qAbs(printed[i].box.bottom() - words[i].box.bottom()) < 0.05,
                 qPrintable(where(printed[i]) + " against " + where(words[i])));
    }
    for (const QString& file : {cliFile, guiFile}) {
        const QString meta = pdfMeta(file);
        QVERIFY2(meta.contains(QRegularExpression("Title: +Tallowmere Schedule\\n")),
                 qPrintable(file));
        QVERIFY2(meta.contains(QRegularExpression("Creator: +Tallowmere 1\\.3\\.00\\n")),
                 qPrintable(file));
        QVERIFY(meta.contains("612 x 792 pts (letter)"));
    }
}

void TestReportOutput::cliFailures_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("no file") << QStringList{"report"} << 2 << "report needs --pdf FILE";
    QTest::newRow("file missing") << QStringList{"report", "--pdf"} << 2 << "--pdf needs a value";
    QTest::newRow("bad rate") << QStringList{"report", "--pdf=x.pdf", "--rate", "abc"} << 2
                              << "--rate: 'abc' is not a number";
    QTest::newRow("format") << QStringList{"report", "--pdf", "x.pdf", "--format", "csv"} << 2
                            << "--format does not apply";
    QTest::newRow("unwritable") << QStringList{"report", "--pdf", "/nonexistent-dir/out.pdf"} << 3
                                << "cannot write /nonexistent-dir/out.pdf";
}

void TestReportOutput::cliFailures() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, message);
    QByteArray out, err;
    QCOMPARE(runCli(arguments, out, err), status);
    QVERIFY2(err.contains(message.toUtf8()), err.constData());
}

QTEST_MAIN(TestReportOutput)
#include "test_report_output.moc"
