#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

struct PreparedReport;

// Prepared pages as a PDF document titled and credited as the report is: each
// page on its own paper, the sheet stretched over the paper less the PDF
// margins (as the PDF printer does). Empty when there is no page to draw.
QByteArray renderReportPdf(const PreparedReport& report);
// The same for the pages (1-based) of `sequence`, in its order, repeats allowed.
QByteArray renderReportPdf(const PreparedReport& report, const QList<int>& sequence);

// Writes the PDF to `fileName` whole or not at all (a pipe or a device is
// written in place, waiting for its reader); on failure returns false and sets
// `error` to a sentence naming the file and the cause.
bool writeReportPdf(const PreparedReport& report, const QString& fileName, QString& error);
