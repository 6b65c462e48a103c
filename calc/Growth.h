#pragma once

#include "calc/InputDefaults.h"
#include "calc/Schedule.h"

#include <QList>
#include <QString>
#include <cstdint>

// What the year-by-year growth of one schedule cell is computed from: that
// cell's savings and rate and the other inputs of its calculation.
struct GrowthInputs {
    QString frequency = QString::fromLatin1(InputDefaults::kFrequency);
    double balance = 0;
    double savings = 0; // a month
    double rate = 0;    // percent a year
    std::int32_t term = 0;
    int firstMonth = 1; // 1-12
    std::int32_t firstYear = InputDefaults::kFirstYear;
};

// The savings `months` months after the first month.
struct GrowthRow {
    std::int32_t months = 0;
    int month = 1;         // calendar month 1-12 it falls on
    std::int64_t year = 0; // calendar year it falls on
    double paidIn = 0;     // balance + months x savings
    double balance = 0;    // CalcFV over `months`, as the grid computes it
    double earned = 0;     // balance - paidIn
};

struct Growth {
    GrowthInputs inputs;
    // A row every `stepMonths` months and one at the term itself when the term
    // is not a whole number of steps; none when the term is 0 or less.
    QList<GrowthRow> rows;
    std::int32_t stepMonths = 12;
};

// At most this many rows: a longer term is shown every few whole years.
inline constexpr int kGrowthMaxRows = 1000;

// The inputs behind value cell (column 1-7, row 1-11) of a computed schedule.
// Throws std::out_of_range for any other cell.
GrowthInputs growthInputs(const ScheduleSnapshot& snapshot, int column, int row);

// The rows, each balance from the same CalcFV as the grid, so the last row's
// balance is the cell's value. Throws ArithmeticError as CalcFV does.
Growth computeGrowth(const GrowthInputs& inputs);

// The calendar month and year `months` months after the first month.
GrowthRow calendarAfter(const GrowthInputs& inputs, std::int32_t months);
