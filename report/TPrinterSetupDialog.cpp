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

namespace {

const QPageSize::PageSizeId kPapers[] = {QPageSize::Letter, QPageSize::Legal, QPageSize::Executive,
                                         QPageSize::A4,     QPageSize::A5,    QPageSize::B5};

} // namespace

TPrinterSetupDialog::TPrinterSetupDialog(QPrinter& printer, QWidget* parent)
    : QDialog(parent)
    , m_printer(printer) {
    setObjectName(QStringLiteral("PrinterSetupDialog"));
    setWindowTitle(QStringLiteral("Print Setup"));
    auto* layout = new QVBoxLayout(this);

    const PrinterRow printerRow = addPrinterRow(layout, this, QStringLiteral("&Properties"));
    m_printers = printerRow.printers;
    auto* properties = printerRow.properties;

    auto* row = new QHBoxLayout;
    auto* paperBox = new QGroupBox(QStringLiteral("Paper"), this);
    auto* paperForm = new QFormLayout(paperBox);
    m_paper = new QComboBox(paperBox);
    m_paper->setObjectName(QStringLiteral("cbPaper"));
    for (QPageSize::PageSizeId id : kPapers)
        m_paper->addItem(QPageSize::name(id), int(id));
    paperForm->addRow(QStringLiteral("Si&ze:"), m_paper);
    row->addWidget(paperBox, 1);

    auto* orientationBox = new QGroupBox(QStringLiteral("Orientation"), this);
    auto* orientation = new QVBoxLayout(orientationBox);
    m_portrait = new QRadioButton(QStringLiteral("P&ortrait"), orientationBox);
    m_landscape = new QRadioButton(QStringLiteral("L&andscape"), orientationBox);
    m_portrait->setObjectName(QStringLiteral("rbPortrait"));
    m_landscape->setObjectName(QStringLiteral("rbLandscape"));
    orientation->addWidget(m_portrait);
    orientation->addWidget(m_landscape);
    row->addWidget(orientationBox);
    layout->addLayout(row);

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
    m_printers->setCurrentIndex(
        std::max(0, int(m_printers->findText(PrinterChoice::currentName(m_printer)))));
    m_paper->setCurrentIndex(
        std::max(0, int(m_paper->findData(int(m_printer.pageLayout().pageSize().id())))));
    (m_printer.pageLayout().orientation() == QPageLayout::Landscape ? m_landscape : m_portrait)
        ->setChecked(true);
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
    m_printer.setPageSize(
        QPageSize(static_cast<QPageSize::PageSizeId>(m_paper->currentData().toInt())));
    m_printer.setPageOrientation(m_landscape->isChecked() ? QPageLayout::Landscape
                                                          : QPageLayout::Portrait);
    QDialog::accept();
}
