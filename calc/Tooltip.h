#pragma once

#include "RegionalSettings.h"
#include "Schedule.h"

#include <QString>
#include <optional>

// Removes every "$" and "," and turns every "%" into a space.
QString StringStripper(const QString& text);

// What a value cell's tooltip is built from.
struct TooltipSource {
    QString rowHeaderText;   // cell (0, row)
    QString cellText;        // cell (column, row)
    double term = 0;         // months, as edtTerm holds them
    double balance = 0;      // edtBalance's stored value
    double exactSavings = 0; // the row's savings behind the header text
    double exactValue = 0;   // the future value behind the cell text
};

// "Total Invested: $13,000\r\nTotal Earned: $5,207", figures taken from the
// displayed texts. nullopt when the row header is empty (no tooltip). Throws
// ArithmeticError when a figure does not fit in a double (never shows INF).
std::optional<QString> tooltipText(const TooltipSource& source, const RegionalSettings& regional);

// The source of value cell (column, row) of a computed schedule: its texts, its
// term and balance, and the exact numbers behind the texts.
TooltipSource tooltipSource(const ScheduleSnapshot& snapshot, int column, int row);
