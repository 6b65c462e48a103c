#include "report/TfrPrintDialog.h"

#include "platform/Application.h"
#include "report/PreparedReport.h"
#include "report/PrinterChoice.h"
#include "report/PrinterRow.h"
#include "report/TfrReport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>

namespace {

const char kRangeNote[] = QT_TRANSLATE_NOOP(
    "TfrPrintDialog",
    "Enter page numbers and/or page ranges, separated by commas. For example, 1,3,5-12");

void showError(QWidget* parent, const QString& caption, const QString& text) {
    Application::instance()->dialogs().messageBox(
        parent, caption, text, DialogService::Icon::Warning, DialogService::Buttons::Ok);
}

} // namespace

TfrPrintDialog::TfrPrintDialog(TfrReport& report, QPrinter& printer, int currentPage,
                               QWidget* parent)
    : QDialog(parent)
    , m_report(report)
    , m_printer(printer)
    , m_currentPage(currentPage)
    , m_originalPrinter(PrinterChoice::currentName(printer)) {
    setObjectName(QStringLiteral("TfrPrintDialog"));
    setWindowTitle(tr("Print"));
    auto* layout = new QVBoxLayout(this);

    const PrinterRow printerRow = addPrinterRow(layout, this, tr("Properties"));
    m_printers = printerRow.printers;
    m_printers->addItems(PrinterChoice::names());
    m_printers->setCurrentIndex(std::max(0, int(m_printers->findText(m_originalPrinter))));
    auto* properties = printerRow.properties;

    auto* middle = new QHBoxLayout;
    auto* rangeBox = new QGroupBox(tr("Page range"), this);
    auto* range = new QGridLayout(rangeBox);
    m_all = new QRadioButton(tr("&All"), rangeBox);
    m_current = new QRadioButton(tr("Current pa&ge"), rangeBox);
    m_pages = new QRadioButton(tr("&Pages:"), rangeBox);
    m_pagesText = new QLineEdit(rangeBox);
    m_all->setObjectName(QStringLiteral("rbAll"));
    m_current->setObjectName(QStringLiteral("rbCurrent"));
    m_pages->setObjectName(QStringLiteral("rbPages"));
    m_pagesText->setObjectName(QStringLiteral("edtPages"));
    m_all->setChecked(true);
    auto* note = new QLabel(tr(kRangeNote), rangeBox);
    note->setWordWrap(true);
    range->addWidget(m_all, 0, 0, 1, 2);
    range->addWidget(m_current, 1, 0, 1, 2);
    range->addWidget(m_pages, 2, 0);
    range->addWidget(m_pagesText, 2, 1);
    range->addWidget(note, 3, 0, 1, 2);
    connect(m_pagesText, &QLineEdit::textEdited, this, [this] { m_pages->setChecked(true); });
    middle->addWidget(rangeBox, 3);

    auto* copiesBox = new QGroupBox(tr("Copies"), this);
    auto* copies = new QFormLayout(copiesBox);
    m_copies = new QSpinBox(copiesBox);
    m_copies->setObjectName(QStringLiteral("edtCopies"));
    m_copies->setRange(1, 999);
    m_copies->setValue(std::clamp(report.DefaultCopies, 1, 999));
    m_collate = new QCheckBox(tr("Co&llate"), copiesBox);
    m_collate->setObjectName(QStringLiteral("chkCollate"));
    m_collate->setChecked(report.DefaultCollate);
    auto* copiesLabel = new QLabel(tr("Number of &copies:"), copiesBox);
    copiesLabel->setBuddy(m_copies);
    copies->addRow(copiesLabel, m_copies);
    copies->addRow(m_collate);
    middle->addWidget(copiesBox, 2, Qt::AlignTop);
    layout->addLayout(middle);

    auto* bottom = new QHBoxLayout;
    auto* parityLabel = new QLabel(tr("P&rint"), this);
    m_parity = new QComboBox(this);
    m_parity->setObjectName(QStringLiteral("cbPrintParity"));
    m_parity->addItems({tr("All pages"), tr("Odd pages"), tr("Even pages")});
    parityLabel->setBuddy(m_parity);
    bottom->addWidget(parityLabel);
    bottom->addWidget(m_parity);
    bottom->addStretch(1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    bottom->addWidget(buttons);
    layout->addLayout(bottom);

    connect(m_printers, &QComboBox::currentIndexChanged, this, &TfrPrintDialog::printerPicked);
    connect(properties, &QPushButton::clicked, this, [this] {
        QPageSetupDialog dialog(&m_printer, this);
        dialog.exec();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &TfrPrintDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TfrPrintDialog::reject);
}

PrintJob TfrPrintDialog::job() const {
    PrintJob job;
    job.range = m_current->isChecked() ? PrintJob::Range::Current
                : m_pages->isChecked() ? PrintJob::Range::Pages
                                       : PrintJob::Range::All;
    job.pagesText = m_pagesText->text();
    job.copies = m_copies->value();
    job.collate = m_collate->isChecked();
    job.parity = static_cast<PrintJob::Parity>(std::clamp(m_parity->currentIndex(), 0, 2));
    return job;
}

void TfrPrintDialog::printerPicked(int index) {
    m_switchFailed = !PrinterChoice::select(m_printer, m_printers->itemText(index));
}

void TfrPrintDialog::accept() {
    const auto sequence =
        printSequence(job(), int(m_report.prepared().pages.size()), m_currentPage);
    if (!sequence) {
        showError(this, tr("Print"), tr(kRangeNote));
        m_pagesText->setFocus();
        return;
    }
    if (sequence->isEmpty()) {
        // Nothing to print: say so before asking for a file or a printer.
        const int count = int(m_report.prepared().pages.size());
        showError(this, tr("Print"),
                  tr("The pages chosen hold no page of the report. The report has "
                     "%1 %2.")
                      .arg(count)
                      .arg(count == 1 ? tr("page") : tr("pages")));
        (m_pages->isChecked() ? static_cast<QWidget*>(m_pagesText) : m_parity)->setFocus();
        return;
    }
    if (m_switchFailed) {
        showError(this, tr("Error"), tr("Printer selected is not valid"));
        reject();
        return;
    }
    if (PrinterChoice::currentName(m_printer) == PrinterChoice::pdfPrinterName()) {
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const QString suggested =
            QDir(documents.isEmpty() ? QDir::homePath() : documents)
                .filePath((m_report.Title.isEmpty() ? tr("Report") : m_report.Title) +
                          QStringLiteral(".pdf"));
        const QString file = Application::instance()->dialogs().getSaveFileName(
            this, tr("Print to PDF"), suggested, tr("PDF files (*.pdf)"));
        if (file.isEmpty())
            return; // back to the dialog
        m_printer.setOutputFileName(file);
    }
    if (PrinterChoice::currentName(m_printer).compare(m_originalPrinter, Qt::CaseInsensitive) != 0)
        m_report.PrepareReport();
    m_sequence = *sequence;
    QDialog::accept();
}

void TfrPrintDialog::reject() {
    PrinterChoice::select(m_printer, m_originalPrinter);
    QDialog::reject();
}
