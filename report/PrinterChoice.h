#pragma once

#include <QString>
#include <QStringList>

class QPrinter;

// The printers the program offers: the installed ones and, always, a PDF
// printer that writes the pages to a file the user names (a machine often has
// no printer, and the report can then still be kept).
namespace PrinterChoice {

// The name under which the PDF printer is listed.
QString pdfPrinterName();
// The installed printers, then the PDF printer.
QStringList names();
// The name of the printer `printer` is set to.
QString currentName(const QPrinter& printer);
// Points `printer` at the printer called `name` (compared ignoring case);
// false when no such printer is installed (the printer is left unchanged).
bool select(QPrinter& printer, const QString& name);
// A fresh application printer: the system's default printer, or the PDF
// printer on Letter paper when none is installed.
void initialise(QPrinter& printer);

} // namespace PrinterChoice
