#include "report/PrinterChoice.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace PrinterChoice {

QString pdfPrinterName() {
    return QStringLiteral("PDF file");
}

QStringList names() {
    QStringList list = QPrinterInfo::availablePrinterNames();
    list << pdfPrinterName();
    return list;
}

QString currentName(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat || printer.printerName().isEmpty())
        return pdfPrinterName();
    return printer.printerName();
}

bool select(QPrinter& printer, const QString& name) {
    if (name.compare(pdfPrinterName(), Qt::CaseInsensitive) == 0) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setFullPage(true);
        return true;
    }
    for (const QString& installed : QPrinterInfo::availablePrinterNames()) {
        if (installed.compare(name, Qt::CaseInsensitive) == 0) {
            printer.setOutputFormat(QPrinter::NativeFormat);
            printer.setPrinterName(installed);
            printer.setFullPage(false);
            return true;
        }
    }
    return false;
}

void initialise(QPrinter& printer) {
    const QPrinterInfo fallback = QPrinterInfo::defaultPrinter();
    if (fallback.isNull() || !select(printer, fallback.printerName())) {
        select(printer, pdfPrinterName());
        printer.setPageSize(QPageSize(QPageSize::Letter)); // the report's paper
    }
}

} // namespace PrinterChoice
