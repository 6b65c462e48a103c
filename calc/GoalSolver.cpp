#include "calc/GoalSolver.h"

#include "calc/ArithmeticError.h"
#include "calc/FutureValue.h"
#include "calc/Term.h"

#include <QCoreApplication>
#include <cmath>
#include <optional>

namespace {

// A future value, or nullopt when it cannot be calculated (past the double
// range, or no number at all).
using Value = std::optional<double>;

Value futureValue(const QString& frequency, double balance, double rate, double term,
                  double savings) {
    try {
        return CalcFV(frequency, balance, rate, term, savings);
    } catch (const ArithmeticError&) {
        return std::nullopt;
    }
}

// The lowest n in [lo, hi] for which reaches(n) holds, given that it holds at
// hi and, once it holds, holds for every larger n.
template <typename Reaches>
std::int64_t lowestReaching(std::int64_t lo, std::int64_t hi, Reaches reaches) {
    while (lo < hi) {
        const std::int64_t mid = lo + (hi - lo) / 2;
        if (reaches(mid))
            hi = mid;
        else
            lo = mid + 1;
    }
    return hi;
}

QString beyondRangeText() {
    return QCoreApplication::translate("GoalSolver",
                                       "The goal lies beyond what can be calculated.");
}

class Solver {
public:
    Solver(const ScheduleInputs& inputs, double target, GoalUnknown unknown)
        : m_in(inputs)
        , m_target(target)
        , m_term(termInMonths(inputs.firstYear, inputs.firstMonth, inputs.lastYear,
                              inputs.lastMonth)) {
        m_answer.unknown = unknown;
    }

    GoalAnswer solve() {
        if (!std::isfinite(m_target) || m_target <= 0)
            return unreachable(
                QCoreApplication::translate("GoalSolver", "Enter a target above zero."));
        switch (m_answer.unknown) {
        case GoalUnknown::Savings:
            return savings();
        case GoalUnknown::Balance:
            return balance();
        case GoalUnknown::Term:
            return term();
        case GoalUnknown::Rate:
            return rate();
        }
        return unreachable(incalculableSentence());
    }

private:
    GoalAnswer unreachable(const QString& sentence) {
        m_answer.status = GoalAnswer::Status::Unreachable;
        m_answer.sentence = sentence;
        return m_answer;
    }

    GoalAnswer incalculable() {
        m_answer.status = GoalAnswer::Status::Incalculable;
        m_answer.sentence = incalculableSentence();
        return m_answer;
    }

    // The answer `value` whose future value is `reached`, if it can be calculated.
    GoalAnswer solved(double value, const Value& reached) {
        if (!reached)
            return unreachable(beyondRangeText());
        m_answer.status = GoalAnswer::Status::Solved;
        m_answer.value = value;
        m_answer.futureValue = *reached;
        return m_answer;
    }

    // A value that cannot be calculated counts as reaching the target: the
    // searches below only meet it where the future value grows past the range.
    bool reaches(const Value& value) const { return !value || *value >= m_target; }

    // The future value with `cents` as the monthly saving or the balance.
    template <typename Evaluate>
    GoalAnswer solveAmount(Evaluate evaluate, const QString& alreadyReached,
                           const QString& outOfRange) {
        const Value atZero = evaluate(0);
        if (!atZero)
            return incalculable();
        if (*atZero >= m_target)
            return unreachable(alreadyReached);
        const auto maxCents = static_cast<std::int64_t>(std::llround(GoalLimits::kMaxAmount * 100));
        if (!reaches(evaluate(maxCents)))
            return unreachable(outOfRange);
        const std::int64_t cents =
            lowestReaching(1, maxCents, [&](std::int64_t c) { return reaches(evaluate(c)); });
        return solved(static_cast<double>(cents) / 100, evaluate(cents));
    }

    GoalAnswer savings() {
        if (m_term <= 0)
            return unreachable(
                QCoreApplication::translate("GoalSolver",
                                            "Monthly savings add nothing over a term of %1 months.")
                    .arg(m_term));
        return solveAmount(
            [this](std::int64_t cents) {
                return futureValue(m_in.frequency, m_in.balance, m_in.rate, m_term,
                                   static_cast<double>(cents) / 100);
            },
            QCoreApplication::translate(
                "GoalSolver", "The initial balance alone reaches the goal; no monthly saving is "
                              "needed."),
            QCoreApplication::translate("GoalSolver",
                                        "No monthly saving the field can hold reaches the goal."));
    }

    GoalAnswer balance() {
        return solveAmount(
            [this](std::int64_t cents) {
                return futureValue(m_in.frequency, static_cast<double>(cents) / 100, m_in.rate,
                                   m_term, m_in.savings);
            },
            QCoreApplication::translate(
                "GoalSolver", "The monthly savings alone reach the goal; no initial balance is "
                              "needed."),
            QCoreApplication::translate("GoalSolver",
                                        "No initial balance the field can hold reaches the goal."));
    }

    GoalAnswer term() {
        const auto evaluate = [this](std::int64_t months) {
            return futureValue(m_in.frequency, m_in.balance, m_in.rate, static_cast<double>(months),
                               m_in.savings);
        };
        const Value atStart = evaluate(0);
        if (!atStart)
            return incalculable();
        if (*atStart >= m_target)
            return unreachable(QCoreApplication::translate(
                "GoalSolver", "The initial balance already reaches the goal."));
        // The future value moves one way as the term grows (the growth factor
        // does); past the range it goes where the balance plus the savings'
        // present worth point, or the savings alone without interest.
        const double r = m_in.rate / 100;
        const bool rising = r > 0 ? m_in.balance + 12 * m_in.savings / r > 0 : m_in.savings > 0;
        const auto reachesAt = [&](std::int64_t months) {
            const Value value = evaluate(months);
            return value ? *value >= m_target : rising;
        };
        const int firstMonth = std::max(monthNumber(m_in.firstMonth), 1); // as the term reads it
        const std::int64_t lastMonths =
            12 * (std::int64_t(GoalLimits::kLastYear) - m_in.firstYear) + (12 - firstMonth);
        const QString notReached =
            QCoreApplication::translate("GoalSolver", "The goal is not reached by Dec %1.")
                .arg(GoalLimits::kLastYear);
        if (lastMonths < 1 || !reachesAt(lastMonths))
            return unreachable(notReached);
        const std::int64_t months = lowestReaching(1, lastMonths, reachesAt);
        const std::int64_t index = firstMonth - 1 + months;
        m_answer.lastMonth = monthNames().at(static_cast<int>(index % 12));
        m_answer.lastYear = static_cast<std::int32_t>(m_in.firstYear + index / 12);
        return solved(static_cast<double>(months), evaluate(months));
    }

    GoalAnswer rate() {
        // With a positive term and no negative amount the future value rises
        // with the rate, so the lowest rate is where it first reaches the goal.
        if (m_term <= 0 || m_in.balance < 0 || m_in.savings < 0)
            return unreachable(QCoreApplication::translate(
                "GoalSolver", "A rate can be found only for a term of at least "
                              "one month and amounts that are not negative."));
        const auto evaluate = [this](std::int64_t thousandths) {
            return futureValue(m_in.frequency, m_in.balance,
                               static_cast<double>(thousandths) / 1000, m_term, m_in.savings);
        };
        const Value atZero = evaluate(0);
        if (!atZero)
            return incalculable();
        if (*atZero >= m_target)
            return unreachable(QCoreApplication::translate(
                "GoalSolver", "The goal is reached without interest; no rate is needed."));
        const auto maxThousandths =
            static_cast<std::int64_t>(std::llround(GoalLimits::kMaxRate * 1000));
        if (!reaches(evaluate(maxThousandths)))
            return unreachable(
                QCoreApplication::translate("GoalSolver", "No rate up to %1% reaches the goal.")
                    .arg(GoalLimits::kMaxRate, 0, 'f', 3));
        const std::int64_t thousandths =
            lowestReaching(1, maxThousandths, [&](std::int64_t k) { return reaches(evaluate(k)); });
        return solved(static_cast<double>(thousandths) / 1000, evaluate(thousandths));
    }

    const ScheduleInputs& m_in;
    double m_target;
    std::int32_t m_term;
    GoalAnswer m_answer;
};

} // namespace

GoalAnswer solveGoal(const ScheduleInputs& inputs, double target, GoalUnknown unknown) {
    return Solver(inputs, target, unknown).solve();
}

QString goalUnknownName(GoalUnknown unknown) {
    switch (unknown) {
    case GoalUnknown::Savings:
        return QStringLiteral("savings");
    case GoalUnknown::Balance:
        return QStringLiteral("balance");
    case GoalUnknown::Term:
        return QStringLiteral("term");
    case GoalUnknown::Rate:
        return QStringLiteral("rate");
    }
    return {};
}
