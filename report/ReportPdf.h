#pragma once

#include <QByteArray>
#include <QString>

struct PreparedReport;

// Prepared pages as a PDF document titled and credited as the report is: each
// page on its own paper, the sheet stretched over the paper less the PDF
// margins (as the PDF printer does).
QByteArray renderReportPdf(const PreparedReport& report);

// Writes the PDF to `fileName` (replaced atomically); on failure returns false
// and sets `error` to a sentence naming the file and the cause.
bool writeReportPdf(const PreparedReport& report, const QString& fileName, QString& error);
