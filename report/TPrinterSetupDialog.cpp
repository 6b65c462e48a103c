#include "report/TPrinterSetupDialog.h"

#include "report/PrinterChoice.h"
#include "report/PrinterRow.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>

TPrinterSetupDialog::TPrinterSetupDialog(QPrinter& printer, const QPageLayout& reportPaper,
                                         QWidget* parent)
    : QDialog(parent)
    , m_printer(printer) {
    setObjectName(QStringLiteral("PrinterSetupDialog"));
    setWindowTitle(tr("Print Setup"));
    auto* layout = new QVBoxLayout(this);

    const PrinterRow printerRow = addPrinterRow(layout, this, tr("&Properties"));
    m_printers = printerRow.printers;
    auto* properties = printerRow.properties;

    auto* row = new QHBoxLayout;
    auto* paperBox = new QGroupBox(tr("Paper"), this);
    auto* paperForm = new QFormLayout(paperBox);
    m_paper = new QComboBox(paperBox);
    m_paper->setObjectName(QStringLiteral("cbPaper"));
    // "Letter", not "Letter / ANSI A".
    const QString paperName = reportPaper.pageSize().name().section(QStringLiteral(" / "), 0, 0);
    m_paper->addItem(paperName);
    m_paper->setEnabled(false);
    paperForm->addRow(tr("Si&ze:"), m_paper);
    row->addWidget(paperBox, 1);

    auto* orientationBox = new QGroupBox(tr("Orientation"), this);
    auto* orientation = new QVBoxLayout(orientationBox);
    m_portrait = new QRadioButton(tr("P&ortrait"), orientationBox);
    m_landscape = new QRadioButton(tr("L&andscape"), orientationBox);
    m_portrait->setObjectName(QStringLiteral("rbPortrait"));
    m_landscape->setObjectName(QStringLiteral("rbLandscape"));
    orientation->addWidget(m_portrait);
    orientation->addWidget(m_landscape);
    const bool landscape = reportPaper.orientation() == QPageLayout::Landscape;
    (landscape ? m_landscape : m_portrait)->setChecked(true);
    orientationBox->setEnabled(false);
    row->addWidget(orientationBox);
    layout->addLayout(row);
    auto* note = new QLabel(tr("The report is laid out on %1 paper in %2 orientation "
                               "and always prints that way.")
                                .arg(paperName, landscape ? tr("landscape") : tr("portrait")),
                            this);
    note->setObjectName(QStringLiteral("lblPaperNote"));
    note->setWordWrap(true);
    layout->addWidget(note);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &TPrinterSetupDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(properties, &QPushButton::clicked, this, [this] {
        PrinterChoice::select(m_printer, m_printers->currentText());
        QPageSetupDialog dialog(&m_printer, this);
        dialog.exec();
    });
}

void TPrinterSetupDialog::load() {
    m_original = PrinterChoice::currentName(m_printer);
    m_printers->clear();
    m_printers->addItems(PrinterChoice::names());
    m_printers->setCurrentIndex(std::max(0, int(m_printers->findText(m_original))));
}

int TPrinterSetupDialog::exec() {
    load();
    return QDialog::exec();
}

void TPrinterSetupDialog::reject() {
    // Properties may have switched to the picked printer already.
    PrinterChoice::select(m_printer, m_original);
    QDialog::reject();
}

void TPrinterSetupDialog::accept() {
    PrinterChoice::select(m_printer, m_printers->currentText());
    QDialog::accept();
}
