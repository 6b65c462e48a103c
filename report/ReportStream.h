#pragma once

#include <QByteArray>
#include <QString>

class TfrReport;

// The stored template: a wrapper (int32 24, int32 N, then N bytes) around the
// report stream (version 24, little-endian): report header, page record, object
// records and the data dictionary.

enum class ReportReadResult {
    Ok,
    Unsupported, // version above 24: nothing loaded, the report unchanged
    ReadError,   // damaged stream: the report is left with one empty page
};

// The message both failures show, in a box titled "Error".
QString reportReadErrorText();

QByteArray writeReportStream(const TfrReport& report);
QByteArray writeReport(const TfrReport& report);

// Pure functions over the bytes: safe on any input (no crash, no hang, memory
// bounded by the input's size). Pages and objects read replace the report's.
ReportReadResult readReportStream(const QByteArray& stream, TfrReport& report);
ReportReadResult readReport(const QByteArray& data, TfrReport& report);
