#pragma once

#include "calc/Schedule.h"

#include <QString>
#include <cstdint>

// Solves the schedule's base cell for a target future value: the one input
// that, with every other input as entered, makes CalcFV reach the target.
// Every answer is checked against CalcFV itself: the value reaches the target
// and the value one step smaller (a cent, a month, a thousandth of a percent)
// does not. A goal no value can reach is an answer with a sentence saying why;
// the solver never throws.

enum class GoalUnknown { Savings, Balance, Term, Rate };

struct GoalAnswer {
    enum class Status {
        Solved,
        Unreachable,  // no value in the field's range reaches the target
        Incalculable, // the inputs themselves cannot be calculated
    };

    GoalUnknown unknown = GoalUnknown::Savings;
    Status status = Status::Unreachable;
    // Savings and balance in money (whole cents), the rate in percent (whole
    // thousandths), the term in months.
    double value = 0;
    // The term's last month ("Jan" .. "Dec") and year.
    QString lastMonth;
    std::int32_t lastYear = 0;
    // CalcFV at the answer, at or above the target.
    double futureValue = 0;
    // Why there is no answer (empty when solved).
    QString sentence;

    bool solved() const { return status == Status::Solved; }
};

// The ranges the window's fields give the answers.
namespace GoalLimits {
inline constexpr double kMaxAmount = 9999999999.99; // the amount edits' twelve characters
inline constexpr double kMaxRate = 999.999;         // percent a year, three decimals
inline constexpr std::int32_t kLastYear = 9999;     // four-digit years
} // namespace GoalLimits

GoalAnswer solveGoal(const ScheduleInputs& inputs, double target, GoalUnknown unknown);

// "savings", "balance", "term", "rate".
QString goalUnknownName(GoalUnknown unknown);
