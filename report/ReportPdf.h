#pragma once

#include <QByteArray>
#include <QString>

struct PreparedReport;

// Prepared pages as a PDF document: each page on its own paper, the sheet
// filling the whole page (a PDF has no unprintable border).
QByteArray renderReportPdf(const PreparedReport& report);

// Writes the PDF to `fileName` (replaced atomically); on failure returns false
// and sets `error` to a sentence naming the file and the cause.
bool writeReportPdf(const PreparedReport& report, const QString& fileName, QString& error);
