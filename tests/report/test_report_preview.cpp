#include "cli/CliRunner.h"
#include "platform/ProductInfo.h"
#include "report/PreparedReport.h"
#include "report/PrintJob.h"
#include "report/PrinterChoice.h"
#include "report/ReportStream.h"
#include "report/ScheduleTemplate.h"
#include "report/TfrPreviewForm.h"
#include "report/TfrReport.h"
#include "report/TfrUserDataset.h"
#include "tests/app/AppTestSupport.h"
#include "tests/report/PdfWords.h"
#include "tests/support/ModalWatchdog.h"
#include "widgets/FlatPictureButton.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QToolButton>

using namespace AppTest;

namespace {

QVariant storedPlacement(const char* key) {
    QSettings settings(ProductInfo::kSettingsOrganisation, ProductInfo::kSettingsApplication);
    return settings.value(QStringLiteral("Form/TfrPreviewForm/") + key);
}

void storeNormalPlacement(QRect r) {
    QSettings s(ProductInfo::kSettingsOrganisation, ProductInfo::kSettingsApplication);
    s.remove("Form");
    s.beginGroup("Form/TfrPreviewForm");
    s.setValue("XPosition", r.x());
    s.setValue("YPosition", r.y());
    s.setValue("Width", r.width());
    s.setValue("Height", r.height());
    s.setValue("Maximized", false);
}

// A prepared two-page report: the schedule template with the rows doubled.
struct TwoPages {
    TfrReport report;
    TfrUserDataset dataset;
    TwoPages() {
        readReport(scheduleTemplateResource(), report);
        report.Title = "Tallowmere";
        report.Dataset = &dataset;
        dataset.OnCheckEOF = [this](QObject*, bool& eof) { eof = dataset.RecordIndex >= 60; };
        report.OnGetValue = [](const QString&, QVariant& value) { value = QString("x"); };
        report.PrepareReport();
    }
};

QScrollBar* bar(QWidget* form, const char* name) {
    return form->findChild<QScrollBar*>(name);
}

QString objectText(const PreparedPage& page, const QString& name, int nth = 0) {
    for (const auto& view : page.objects)
        if (view->Name == name && nth-- == 0)
            return view->Memo.join('\n');
    return "<missing>";
}

// The window's inputs as the command line's options.
QStringList cliInputs(const ScheduleInputs& in) {
    return {"--balance=" + QString::number(in.balance, 'g', 17),
            "--savings=" + QString::number(in.savings, 'g', 17),
            "--rate=" + QString::number(in.rate, 'g', 17),
            "--first",
            in.firstMonth + ' ' + QString::number(in.firstYear),
            "--last",
            in.lastMonth + ' ' + QString::number(in.lastYear),
            "--frequency",
            in.frequency,
            "--savings-step",
            QString::number(in.savingsStepIndex),
            "--rate-step",
            QString::number(in.rateStepIndex),
            "--locale",
            "en_US"};
}

// Runs the window's print command; `inDialog` gets the print dialog opened
// from the preview with Ctrl+P, and must close it.
void printFromPreview(TfrmMain* w, const std::function<void(QWidget*)>& inDialog) {
    closeActiveModalLater(20, [inDialog](QWidget* preview) {
        closeActiveModalLater(20, inDialog);
        QTest::keyClick(preview, Qt::Key_P, Qt::ControlModifier);
        preview->close();
    });
    w->findChild<QAction*>("mnuFilePrint")->trigger();
}

void pickPdfPrinter(QWidget* dialog) {
    auto* printers = dialog->findChild<QComboBox*>("cbPrinter");
    printers->setCurrentIndex(printers->findText(PrinterChoice::pdfPrinterName()));
}

} // namespace

class TestReportPreview : public QObject {
    Q_OBJECT

private slots:
    void printOnTheMainWindowPreviewsTheSchedule();
    void previewKeys();
    void zoomFitting_data();
    void zoomFitting();
    void zoomMenuIsRememberedAndPlacementStored();
    void pageRanges_data();
    void pageRanges();
    void printingToThePdfPrinterWritesThePage();
    void emptySelectionIsToldBeforeTheFileName_data();
    void emptySelectionIsToldBeforeTheFileName();
    void printerSetupShowsTheReportsFixedPaper();
};

void TestReportPreview::printOnTheMainWindowPreviewsTheSchedule() {
    auto w = openWindow();
    typeAndLeave(ui(w).edtInterest, "0");
    QString title;
    bool maximised = false;
    closeActiveModalLater(20, [&](QWidget* modal) {
        title = modal->windowTitle();
        maximised = modal->isMaximized();
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    QSettings(ProductInfo::kSettingsOrganisation, ProductInfo::kSettingsApplication).remove("Form");
    QTest::mouseClick(ui(w).btnPrint, Qt::LeftButton);
    QCOMPARE(title, QStringLiteral("Preview - Tallowmere"));
    QVERIFY(maximised); // nothing stored yet
    QCOMPARE(dialogs().count(), 0);

    auto* report = w->findChild<TfrReport*>("frTLMR");
    QVERIFY(report);
    const PreparedPage& page = report->prepared().pages.at(0);
    QCOMPARE(objectText(page, "Cell1", 0), QStringLiteral(" Savings/Rate"));
    for (int row = 0; row < 12; ++row)
        for (int c = 1; c <= 8; ++c)
            QCOMPARE(objectText(page, QStringLiteral("Cell%1").arg(c), row),
                     cell(w.get(), c - 1, row));
    QCOMPARE(objectText(page, "Cell1", 12), QStringLiteral("<missing>"));
    QCOMPARE(objectText(page, "lblReportTitle"), QStringLiteral("Tallowmere Schedule"));
    QCOMPARE(objectText(page, "lblHeader1"), QString());
    QCOMPARE(objectText(page, "lblInterestRate"), QStringLiteral("0%"));
    QCOMPARE(objectText(page, "lblThree"), ui(w).edtTerm->text() + " months");
    QCOMPARE(objectText(page, "lblFutureValue"), cell(w.get(), 4, 1));
    QCOMPARE(objectText(page, "lblOne"), QStringLiteral("$0.00"));
    QCOMPARE(objectText(page, "lblURL"), QStringLiteral("www.brindlecrest.example"));
    QCOMPARE(objectText(page, "lblApplicationTitle"), QStringLiteral("Tallowmere, 1.3.00"));
}

void TestReportPreview::previewKeys() {
    TwoPages two;
    storeNormalPlacement({40, 30, 640, 420});
    QPrinter printer;
    TfrPreviewForm::rememberedZoom() = {};
    TfrPreviewForm form(two.report, printer);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(!form.isMaximized());
    QScrollBar* v = bar(&form, "VScrollBar");
    QScrollBar* h = bar(&form, "HScrollBar");
    QCOMPARE(v->singleStep(), 10);
    QCOMPARE(v->pageStep(), 200);
    QVERIFY(v->maximum() > 1008 && v->maximum() <= 32000);
    QCOMPARE(form.findChild<QLabel*>("lblPage")->text(), QStringLiteral("Page 1/2"));

    const auto key = [&](int k, Qt::KeyboardModifiers m = {}) {
        QTest::keyClick(&form, Qt::Key(k), m);
    };
    key(Qt::Key_Down);
    QCOMPARE(v->value(), 10);
    key(Qt::Key_PageDown);
    QCOMPARE(v->value(), 210);
    key(Qt::Key_Up);
    QCOMPARE(v->value(), 200);
    key(Qt::Key_Right);
    QCOMPARE(h->value(), 10);
    key(Qt::Key_Left);
    QCOMPARE(h->value(), 0);
    key(Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(form.currentPage(), 2);
    QCOMPARE(form.findChild<QLabel*>("lblPage")->text(), QStringLiteral("Page 2/2"));
    key(Qt::Key_PageUp, Qt::ControlModifier);
    QCOMPARE(v->value(), 0);
    key(Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(form.currentPage(), 2);
    key(Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(v->value(), 0);

    // Space drops the zoom menu down.
    QMenu* menu = form.findChild<QMenu*>("mnuZoom");
    QTimer::singleShot(50, menu, [menu] { menu->close(); });
    bool shown = false;
    QTimer::singleShot(20, menu, [&] { shown = menu->isVisible(); });
    key(Qt::Key_Space);
    QTRY_VERIFY(!menu->isVisible());
    QVERIFY(shown);

    // Buttons as the schedule sets them; Escape closes.
    two.report.PreviewButtons = pbZoom | pbPrint | pbExit;
    TfrPreviewForm second(two.report, printer);
    for (const char* name : {"btnZoom", "btnPrint", "btnPageSetup", "btnExit"})
        QVERIFY2(second.findChild<QToolButton*>(name)->isEnabled(), name);
    for (const char* name : {"btnLoad", "btnSave", "btnFind", "btnHelp"})
        QVERIFY2(!second.findChild<QToolButton*>(name)->isEnabled(), name);
    // Every button but the zoom shows a picture (the theme's, or our own).
    for (const char* name : {"btnLoad", "btnSave", "btnPrint", "btnPageSetup", "btnFind", "btnHelp",
                             "btnExit", "btnPrevPage", "btnNextPage"})
        QVERIFY2(!second.findChild<QToolButton*>(name)->icon().pixmap(16).isNull(), name);
    second.show();
    QTest::keyClick(&second, Qt::Key_Escape);
    QVERIFY(!second.isVisible());
    QCOMPARE(second.result(), int(QDialog::Rejected));
}

void TestReportPreview::zoomFitting_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("percent");
    QTest::addColumn<QSize>("view");
    QTest::addColumn<double>("scale");
    using M = TfrPreviewForm::ZoomMode;
    QTest::newRow("100%") << int(M::Percent) << 100 << QSize(500, 500) << 1.0;
    QTest::newRow("75%") << int(M::Percent) << 75 << QSize(500, 500) << 0.75;
    QTest::newRow("page width") << int(M::PageWidth) << 0 << QSize(799, 300) << 1.0;
    QTest::newRow("whole page") << int(M::WholePage) << 0 << QSize(100, 524) << 0.5;
    QTest::newRow("two pages") << int(M::TwoPages) << 0 << QSize(809, 10) << 0.5;
}

void TestReportPreview::zoomFitting() {
    QFETCH(int, mode);
    QFETCH(int, percent);
    QFETCH(QSize, view);
    QFETCH(double, scale);
    const TfrPreviewForm::Zoom zoom{TfrPreviewForm::ZoomMode(mode), percent};
    QCOMPARE(TfrPreviewForm::scaleFor(zoom, view, QSize(779, 1008)), scale);
}

void TestReportPreview::zoomMenuIsRememberedAndPlacementStored() {
    TwoPages two;
    QPrinter printer;
    TfrPreviewForm::rememberedZoom() = {};
    storeNormalPlacement({50, 60, 700, 500});
    {
        TfrPreviewForm form(two.report, printer);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* zoom = form.findChild<QToolButton*>("btnZoom");
        QCOMPARE(zoom->text(), QStringLiteral("100%"));
        for (QAction* action : form.findChild<QMenu*>("mnuZoom")->actions())
            if (action->text() == "Whole page")
                action->trigger();
        const int expected = int(
            std::lround(100.0 * (form.findChild<QWidget*>("PreviewPages")->height() - 20) / 1008));
        QCOMPARE(zoom->text(), QStringLiteral("%1%").arg(expected));
        form.resize(700, 600); // refitted on resize
        QTRY_COMPARE(
            zoom->text(),
            QStringLiteral("%1%").arg(std::lround(
                100.0 * (form.findChild<QWidget*>("PreviewPages")->height() - 20) / 1008)));
        form.reject();
    }
    QCOMPARE(storedPlacement("Maximized").toBool(), false);
    QCOMPARE(storedPlacement("Width").toInt(), 700);
    QCOMPARE(storedPlacement("Height").toInt(), 600);
    TfrPreviewForm again(two.report, printer);
    QCOMPARE(again.size(), QSize(700, 600));
    QCOMPARE(TfrPreviewForm::rememberedZoom().mode, TfrPreviewForm::ZoomMode::WholePage);
}

void TestReportPreview::pageRanges_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("range"); // PrintJob::Range
    QTest::addColumn<int>("parity");
    QTest::addColumn<int>("copies");
    QTest::addColumn<bool>("collate");
    QTest::addColumn<QString>("sequence"); // "-" when the list is refused
    const int all = int(PrintJob::Range::All), pages = int(PrintJob::Range::Pages);
    const int current = int(PrintJob::Range::Current);
    QTest::newRow("all") << "" << all << 0 << 1 << true << "1,2,3,4,5,6,7,8,9,10,11,12";
    QTest::newRow("current") << "" << current << 0 << 1 << true << "4";
    QTest::newRow("example") << "1,3,5-12" << pages << 0 << 1 << true << "1,3,5,6,7,8,9,10,11,12";
    QTest::newRow("spaces, repeats, beyond the end")
        << " 2 , 2-3, 11 - 99999" << pages << 0 << 1 << true << "2,3,11,12";
    QTest::newRow("odd") << "1-6" << pages << 1 << 1 << true << "1,3,5";
    QTest::newRow("even, two copies collated") << "1-5" << pages << 2 << 2 << true << "2,4,2,4";
    QTest::newRow("two copies uncollated") << "2,3" << pages << 0 << 2 << false << "2,2,3,3";
    QTest::newRow("huge range stays bounded")
        << "1-999999999" << pages << 0 << 1 << true << "1,2,3,4,5,6,7,8,9,10,11,12";
    for (const char* bad : {"", "a", "1,,2", "3-1", "0", "-2", "1-", "1 2", "1;2", "99999999999"})
        QTest::newRow(qPrintable(QStringLiteral("refused: '%1'").arg(bad)))
            << bad << pages << 0 << 1 << true << "-";
}

void TestReportPreview::pageRanges() {
    QFETCH(QString, text);
    QFETCH(int, range);
    QFETCH(int, parity);
    QFETCH(int, copies);
    QFETCH(bool, collate);
    QFETCH(QString, sequence);
    PrintJob job{PrintJob::Range(range), text, copies, collate, PrintJob::Parity(parity)};
    const auto result = printSequence(job, 12, 4);
    QStringList numbers;
    if (result)
        for (int page : *result)
            numbers << QString::number(page);
    QCOMPARE(result ? numbers.join(',') : QStringLiteral("-"), sequence);
}

void TestReportPreview::printingToThePdfPrinterWritesThePage() {
    auto w = openWindow();
    QTemporaryDir dir;
    const QString file = dir.filePath("schedule.pdf");
    dialogs().setNextSaveFileName(file);
    QString printTitle;
    printFromPreview(w.get(), [&](QWidget* dialog) {
        printTitle = dialog->windowTitle();
        pickPdfPrinter(dialog);
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    QCOMPARE(printTitle, QStringLiteral("Print"));
    QCOMPARE(dialogs().count(), 1); // the file name, and no error
    QCOMPARE(dialogs().last().kind, ScriptedDialogService::Kind::SaveFileName);
    QProcess text;
    text.start("pdftotext", {"-raw", file, "-"});
    QVERIFY(text.waitForFinished(30000));
    const QString body = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY(body.contains("Tallowmere Schedule"));
    QVERIFY(body.contains("Savings/Rate"));
    QCOMPARE(body.count('\f'), 1); // one page

    // The command line's PDF of the same inputs shows the same page.
    const QString cliFile = dir.filePath("cli.pdf");
    QByteArray out, err;
    QCOMPARE(
        runCli(QStringList{"report", "--pdf", cliFile} + cliInputs(w->snapshot().inputs), out, err),
        0);
    const QVector<PdfWord> printed = pdfWords(file), written = pdfWords(cliFile);
    QVERIFY(printed.size() > 100);
    QCOMPARE(printed.size(), written.size());
    for (qsizetype i = 0; i < printed.size(); ++i) {
        QCOMPARE(printed[i].text, written[i].text);
        QVERIFY2((printed[i].box.topLeft() - written[i].box.topLeft()).manhattanLength() < 0.1,
                 qPrintable(printed[i].text));
    }
}

void TestReportPreview::emptySelectionIsToldBeforeTheFileName_data() {
    QTest::addColumn<QString>("pages");  // empty: all pages
    QTest::addColumn<QString>("parity"); // the "Print" choice
    QTest::newRow("even pages") << ""
                                << "Even pages";
    QTest::newRow("pages 2") << "2"
                             << "All pages";
    QTest::newRow("pages 2-5, odd") << "2-5"
                                    << "Odd pages";
}

void TestReportPreview::emptySelectionIsToldBeforeTheFileName() {
    QFETCH(QString, pages);
    QFETCH(QString, parity);
    auto w = openWindow();
    dialogs().clear();
    bool stillOpen = false;
    printFromPreview(w.get(), [&](QWidget* dialog) {
        pickPdfPrinter(dialog);
        if (!pages.isEmpty()) {
            dialog->findChild<QRadioButton*>("rbPages")->setChecked(true);
            dialog->findChild<QLineEdit*>("edtPages")->setText(pages);
        }
        auto* choice = dialog->findChild<QComboBox*>("cbPrintParity");
        choice->setCurrentIndex(choice->findText(parity));
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        buttons->button(QDialogButtonBox::Ok)->click();
        stillOpen = dialog->isVisible();
        buttons->button(QDialogButtonBox::Cancel)->click();
    });
    QVERIFY(stillOpen); // back to the choice
    QCOMPARE(dialogs().count(), 1);
    QCOMPARE(dialogs().last().kind, ScriptedDialogService::Kind::MessageBox);
    QCOMPARE(dialogs().last().caption, QStringLiteral("Print"));
    QCOMPARE(dialogs().last().text,
             QStringLiteral("The pages chosen hold no page of the report. The report has 1 page."));
}

void TestReportPreview::printerSetupShowsTheReportsFixedPaper() {
    auto w = openWindow();
    QString paper, note;
    bool choiceOffered = true, portrait = false;
    closeActiveModalLater(20, [&](QWidget* dialog) {
        auto* size = dialog->findChild<QComboBox*>("cbPaper");
        paper = size->currentText();
        portrait = dialog->findChild<QRadioButton*>("rbPortrait")->isChecked();
        choiceOffered = size->isEnabled() || size->count() != 1 ||
                        dialog->findChild<QRadioButton*>("rbLandscape")->isEnabled();
        note = dialog->findChild<QLabel*>("lblPaperNote")->text();
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    w->findChild<QAction*>("mnuFilePrintSetup")->trigger();
    QCOMPARE(paper, QStringLiteral("Letter"));
    QVERIFY(portrait);
    QVERIFY(!choiceOffered);
    QCOMPARE(note, QStringLiteral("The report is laid out on Letter paper in portrait orientation "
                                  "and always prints that way."));
}

TLMR_APP_TEST_MAIN(TestReportPreview)
#include "test_report_preview.moc"
