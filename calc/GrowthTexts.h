#pragma once

#include "Growth.h"
#include "RegionalSettings.h"

#include <QString>
#include <QStringList>

// The texts of the growth view, shared by the window and the command line.

// "Jan 2001".
QString growthDate(const GrowthRow& row);

// One line naming the savings, rate, frequency, term and balance.
QString growthHeading(const GrowthInputs& inputs, const RegionalSettings& regional);

// What stands in for the rows when the term is 0 or less.
QString growthNoRowsText(std::int32_t term);

// "Months", "Date", "Paid In", "Earned", "Balance".
const QStringList& growthColumnTitles();

// The row's five texts as the table shows them: month count, date and the
// amounts in the grid's currency format (2 decimals, 10 significant digits).
QStringList growthRowTexts(const GrowthRow& row, const RegionalSettings& regional);

// The titles and every row, fields separated by tabs, lines ended by LF: what
// a spreadsheet takes from the clipboard.
QString growthAsTabSeparated(const Growth& growth, const RegionalSettings& regional);

// The same as RFC 4180 CSV: fields quoted when they hold a comma, a quote, CR
// or LF (quotes doubled), CRLF after every record.
QString growthAsCsv(const Growth& growth, const RegionalSettings& regional);
