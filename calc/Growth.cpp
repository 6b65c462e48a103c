#include "calc/Growth.h"

#include "calc/FutureValue.h"
#include "calc/Term.h"

#include <stdexcept>

GrowthInputs growthInputs(const ScheduleSnapshot& snapshot, int column, int row) {
    if (column < 1 || column >= kGridColumns || row < 1 || row >= kGridRows)
        throw std::out_of_range("not a value cell of the schedule");
    GrowthInputs inputs;
    inputs.frequency = snapshot.inputs.frequency;
    inputs.balance = snapshot.inputs.balance;
    inputs.savings = snapshot.rowSavings[row];
    inputs.rate = snapshot.columnRates[column];
    inputs.term = snapshot.term;
    // A month text that is no month name counts as "Jan", as it does for the term.
    inputs.firstMonth = std::max(1, monthNumber(snapshot.inputs.firstMonth));
    inputs.firstYear = snapshot.inputs.firstYear;
    return inputs;
}

GrowthRow calendarAfter(const GrowthInputs& inputs, std::int32_t months) {
    // 64-bit: a year near the end of the 32-bit range plus the term must not wrap.
    const std::int64_t index =
        std::int64_t(inputs.firstYear) * 12 + (inputs.firstMonth - 1) + months;
    GrowthRow row;
    row.months = months;
    row.year = index >= 0 ? index / 12 : -((-index + 11) / 12);
    row.month = int(index - row.year * 12) + 1;
    return row;
}

Growth computeGrowth(const GrowthInputs& inputs) {
    Growth growth;
    growth.inputs = inputs;
    if (inputs.term <= 0)
        return growth;

    // Whole years between rows; a term of more than kGrowthMaxRows years takes
    // several years a row so that the table and the chart stay readable.
    const std::int64_t years = (std::int64_t(inputs.term) + 11) / 12;
    growth.stepMonths = std::int32_t(12 * ((years + kGrowthMaxRows - 1) / kGrowthMaxRows));

    growth.rows.reserve(qsizetype(inputs.term / growth.stepMonths + 1));
    for (std::int64_t months = growth.stepMonths;; months += growth.stepMonths) {
        const auto at = std::int32_t(std::min<std::int64_t>(months, inputs.term));
        GrowthRow row = calendarAfter(inputs, at);
        row.paidIn = inputs.balance + double(at) * inputs.savings;
        row.balance =
            CalcFV(inputs.frequency, inputs.balance, inputs.rate, double(at), inputs.savings);
        row.earned = row.balance - row.paidIn;
        growth.rows.append(row);
        if (at == inputs.term)
            break;
    }
    return growth;
}
