#pragma once

#include "calc/RegionalSettings.h"
#include "calc/Schedule.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The three renderings of a computed schedule. Grid texts are written exactly
// as the window shows them, except that the table for people trims them.

// An aligned table: a line with the term and the two steps, then the grid.
QString scheduleAsText(const ScheduleSnapshot& snapshot);

// One RFC 4180 field: quoted when it contains a comma, a quote, CR or LF.
QString csvField(const QString& text);

// One value cell as numbers a spreadsheet can sum, and the texts the window
// shows for them. A figure that does not fit in a double is unset, and so is a
// text the window would not show.
struct ScheduleCell {
    int row = 0;
    int column = 0;
    double savings = 0; // the row's monthly savings, to the cent
    double rate = 0;    // the column's rate in percent
    std::optional<double> futureValue;
    std::optional<double> paidIn; // balance plus the savings over the term
    std::optional<double> earned; // future value less paid in
    QString savingsText;
    QString rateText;
    QString futureValueText;
    QString paidInText;
    QString earnedText;
};

// Value cell (column, row) of a computed schedule; numbers are rounded to the
// cent, texts trimmed.
ScheduleCell scheduleCell(const ScheduleSnapshot& snapshot, const RegionalSettings& regional,
                          int column, int row);

// A number as a spreadsheet reads it: '.' as the decimal point, no grouping,
// no exponent below 10^15.
QString plainNumber(double value);

// RFC 4180 with a header record, then one record per value cell (row by row):
// the numbers, then the texts. Fields are quoted when they contain a comma, a
// quote, CR or LF (quotes doubled), CRLF after every record.
QString scheduleAsCsv(const ScheduleSnapshot& snapshot, const RegionalSettings& regional);

// One JSON object: term, savingsIncrement, rateIncrement, grid (12 rows of 8
// texts as the window shows them, row 0 first), tooltips (the same shape, null
// for header cells) and cells (one object per value cell, as ScheduleCell,
// unset figures null).
QByteArray scheduleAsJson(const ScheduleSnapshot& snapshot, const RegionalSettings& regional);
