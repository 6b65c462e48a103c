#include "calc/Schedule.h"

#include "calc/FutureValue.h"
#include "calc/NumberFormat.h"
#include "calc/Steps.h"
#include "calc/Term.h"

#include <QCoreApplication>
#include <cfloat>
#include <cmath>

namespace {

// Rate of column c: R + (c - 4) x step, the product in extended precision and
// the sum stored as a double.
//
// A rate that is 0 in decimal (0.3 - 3 x 0.1, 1 - 3 x 1/3) can come out as a
// binary residue such as -2.8E-17. Its growth factor rounds to exactly 1, so
// the savings term vanishes and the cell would show the balance alone, while a
// true 0 shows balance plus savings. Both R and the step carry at most half an
// ulp of representation error each, and the extended sum adds far less, so a
// true zero lands within (|R| + 3 x step) x 2^-53 <= max(|R|, 3 x step) x 2^-52
// of 0. Anything within 8 times that is treated as exactly 0. Rates come from a
// field with three decimals and steps of at least 0.1, so a genuine non-zero
// column rate is never that small.
double columnRate(double rate, double step, int column) {
    const long double sum =
        static_cast<long double>(rate) + static_cast<long double>(column - kBaseColumn) * step;
    const double value = static_cast<double>(sum);
    const double scale = std::fmax(std::fabs(rate), 3 * std::fabs(step));
    if (std::fabs(value) <= 8 * DBL_EPSILON * scale)
        return 0.0;
    return value;
}

double rowSavings(double savings, double step, int row) {
    return static_cast<double>(static_cast<long double>(savings) +
                               static_cast<long double>(row - 1) * step);
}

} // namespace

ScheduleSnapshot cleanSchedule() {
    ScheduleSnapshot snapshot;
    snapshot.cells[0][0] = QCoreApplication::translate("Schedule", " Savings/Rate");
    return snapshot;
}

void computeSchedule(const ScheduleInputs& inputs, const RegionalSettings& regional,
                     ScheduleSnapshot& snapshot) {
    snapshot.inputs = inputs;
    snapshot.term =
        termInMonths(inputs.firstYear, inputs.firstMonth, inputs.lastYear, inputs.lastMonth);
    const double term = snapshot.term;

    const Step& savingsIncrement = savingsStep(inputs.savingsStepIndex);
    const Step& rateIncrement = rateStep(inputs.rateStepIndex);
    snapshot.strSavingsIncrement = QString::fromLatin1(savingsIncrement.caption);
    snapshot.strRateIncrement = QString::fromLatin1(rateIncrement.caption);

    for (int row = 1; row < kGridRows; ++row)
        snapshot.rowSavings[row] = rowSavings(inputs.savings, savingsIncrement.amount, row);
    for (int column = 1; column < kGridColumns; ++column)
        snapshot.columnRates[column] = columnRate(inputs.rate, rateIncrement.amount, column);

    for (int column = 1; column < kGridColumns; ++column)
        formatGeneralInto(snapshot.cells[0][column], u"  ", snapshot.columnRates[column], 5, u"%",
                          regional);
    for (int row = 1; row < kGridRows; ++row)
        formatCurrencyInto(snapshot.cells[row][0], u" ", snapshot.rowSavings[row], 10, 0, regional);

    // Column by column, so a failing value leaves the cells after it untouched.
    for (int column = 1; column < kGridColumns; ++column) {
        for (int row = 1; row < kGridRows; ++row) {
            const double value =
                CalcFV(inputs.frequency, inputs.balance, snapshot.columnRates[column], term,
                       snapshot.rowSavings[row]);
            snapshot.values[row][column] = value;
            formatCurrencyInto(snapshot.cells[row][column], u" ", value, 10, 2, regional);
        }
    }
}

ScheduleSnapshot computeSchedule(const ScheduleInputs& inputs, const RegionalSettings& regional) {
    ScheduleSnapshot snapshot = cleanSchedule();
    computeSchedule(inputs, regional, snapshot);
    return snapshot;
}
