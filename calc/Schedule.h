#pragma once

#include "calc/InputDefaults.h"
#include "calc/RegionalSettings.h"

#include <QString>
#include <array>
#include <cstdint>

inline constexpr int kGridColumns = 8;
inline constexpr int kGridRows = 12;
inline constexpr int kBaseColumn = 4;
inline constexpr int kBaseRow = 1;

// The interest rate is kept with this many decimals (the window's rate field).
inline constexpr int kRateDecimals = 3;

// Everything one calculation reads, set to a first run's values.
struct ScheduleInputs {
    double balance = InputDefaults::kBalance;
    double savings = InputDefaults::kSavings;
    double rate = InputDefaults::kRate; // percent a year
    std::int32_t firstYear = InputDefaults::kFirstYear;
    QString firstMonth = QLatin1String(InputDefaults::kFirstMonth);
    std::int32_t lastYear = InputDefaults::kLastYear;
    QString lastMonth = QLatin1String(InputDefaults::kLastMonth);
    QString frequency = QLatin1String(InputDefaults::kFrequency);
    int savingsStepIndex = 0;
    int rateStepIndex = 3;
};

// What a calculation leaves behind: the 96 grid texts, the step captions, the
// inputs it used and the exact numbers behind the texts.
struct ScheduleSnapshot {
    // cells[row][column]; row 0 and column 0 are the headers.
    std::array<std::array<QString, kGridColumns>, kGridRows> cells;
    QString strSavingsIncrement;
    QString strRateIncrement;

    ScheduleInputs inputs;
    std::int32_t term = 0;
    std::array<double, kGridRows> rowSavings{};     // index 1..11
    std::array<double, kGridColumns> columnRates{}; // index 1..7
    // values[row][column] for rows 1..11, columns 1..7.
    std::array<std::array<double, kGridColumns>, kGridRows> values{};

    const QString& text(int column, int row) const { return cells[row][column]; }
    const QString& baseCell() const { return cells[kBaseRow][kBaseColumn]; }
};

// The texts CleanGrid leaves: all empty but " Savings/Rate" in cell (0,0).
ScheduleSnapshot cleanSchedule();

// Rebuilds `snapshot` from `inputs` in the calculation's order: term, step
// captions, headers, then the values column by column. Throws ArithmeticError
// when a future value fails; the cells written until then keep their new texts
// and the rest their old ones.
void computeSchedule(const ScheduleInputs& inputs, const RegionalSettings& regional,
                     ScheduleSnapshot& snapshot);
ScheduleSnapshot computeSchedule(const ScheduleInputs& inputs, const RegionalSettings& regional);
