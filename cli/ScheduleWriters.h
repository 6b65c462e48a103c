#pragma once

#include "calc/RegionalSettings.h"
#include "calc/Schedule.h"

#include <QByteArray>
#include <QString>

// The three renderings of a computed schedule. Grid texts are written exactly
// as the window shows them, except that the table for people trims them.

// An aligned table: a line with the term and the two steps, then the grid.
QString scheduleAsText(const ScheduleSnapshot& snapshot);

// One RFC 4180 field: quoted when it contains a comma, a quote, CR or LF.
QString csvField(const QString& text);

// RFC 4180: one record per grid row, fields quoted when they contain a comma,
// a quote, CR or LF (quotes doubled), CRLF after every record.
QString scheduleAsCsv(const ScheduleSnapshot& snapshot);

// One JSON object: term, savingsIncrement, rateIncrement, grid (12 rows of 8
// texts, row 0 first) and tooltips (the same shape, null for header cells).
QByteArray scheduleAsJson(const ScheduleSnapshot& snapshot, const RegionalSettings& regional);
