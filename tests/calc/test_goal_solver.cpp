#include "calc/FutureValue.h"
#include "calc/GoalMarks.h"
#include "calc/GoalSolver.h"
#include "calc/GoalTexts.h"
#include "calc/Term.h"

#include <QRandomGenerator>
#include <QTest>

Q_DECLARE_METATYPE(ScheduleInputs)
Q_DECLARE_METATYPE(GoalUnknown)
Q_DECLARE_METATYPE(GoalAnswer::Status)

namespace {

ScheduleInputs inputs(const QString& frequency, double balance, double savings, double rate,
                      std::int32_t lastYear = 2010, const QString& lastMonth = "Jan") {
    ScheduleInputs in;
    in.balance = balance;
    in.savings = savings;
    in.rate = rate;
    in.firstYear = 2000;
    in.firstMonth = QStringLiteral("Jan");
    in.lastYear = lastYear;
    in.lastMonth = lastMonth;
    in.frequency = frequency;
    return in;
}

// `in` with the answer put in, as the Goal window's Apply button does.
ScheduleInputs applied(ScheduleInputs in, const GoalAnswer& answer) {
    switch (answer.unknown) {
    case GoalUnknown::Savings:
        in.savings = answer.value;
        break;
    case GoalUnknown::Balance:
        in.balance = answer.value;
        break;
    case GoalUnknown::Term:
        in.lastMonth = answer.lastMonth;
        in.lastYear = answer.lastYear;
        break;
    case GoalUnknown::Rate:
        in.rate = answer.value;
        break;
    }
    return in;
}

// `in` with the answer one step smaller: a cent, a month, a thousandth of a percent.
ScheduleInputs oneStepLess(ScheduleInputs in, const GoalAnswer& answer) {
    in = applied(in, answer);
    switch (answer.unknown) {
    case GoalUnknown::Savings:
        in.savings = (std::llround(answer.value * 100) - 1) / 100.0;
        break;
    case GoalUnknown::Balance:
        in.balance = (std::llround(answer.value * 100) - 1) / 100.0;
        break;
    case GoalUnknown::Term:
        in.lastMonth = monthNames().at((monthNumber(answer.lastMonth) + 10) % 12);
        if (answer.lastMonth == QLatin1String("Jan"))
            --in.lastYear;
        break;
    case GoalUnknown::Rate:
        in.rate = (std::llround(answer.value * 1000) - 1) / 1000.0;
        break;
    }
    return in;
}

double baseValue(const ScheduleInputs& in) {
    return CalcFV(in.frequency, in.balance, in.rate,
                  termInMonths(in.firstYear, in.firstMonth, in.lastYear, in.lastMonth), in.savings);
}

// The answer reaches the target; one step less does not; the value sits on
// its step (whole cents, whole thousandths).
void verifyRoundTrip(const ScheduleInputs& in, double target, const GoalAnswer& answer) {
    QVERIFY2(answer.solved(), qPrintable(answer.sentence));
    QVERIFY(answer.sentence.isEmpty());
    const double reached = baseValue(applied(in, answer));
    QCOMPARE(reached, answer.futureValue);
    QVERIFY2(reached >= target, qPrintable(QString::number(reached, 'f', 4)));
    const double scale = answer.unknown == GoalUnknown::Rate ? 1000 : 100;
    QCOMPARE(std::llround(answer.value * scale) / scale, answer.value);
    QVERIFY(answer.value > 0);
    const double below = baseValue(oneStepLess(in, answer));
    QVERIFY2(below < target, qPrintable(QString::number(below, 'f', 4)));
}

} // namespace

class TestGoalSolver : public QObject {
    Q_OBJECT

private slots:
    void example_data();
    void example();
    void edges_data();
    void edges();
    void unreachable_data();
    void unreachable();
    void randomCasesRoundTrip();
    void marksAndTexts();
};

void TestGoalSolver::example_data() {
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<double>("savings");
    QTest::addColumn<double>("balance");
    QTest::addColumn<QString>("last");
    QTest::addColumn<double>("rate");
    // Balance 1000, savings 100, Jan 2000 to Jan 2010, 6 %, target 20,000: the
    // figures a separate high-precision calculation gives.
    QTest::newRow("Monthly") << "Monthly" << 110.94 << 1985.31 << "Nov 2010" << 7.58;
    QTest::newRow("Quarterly") << "Quarterly" << 111.71 << 2050.50 << "Nov 2010" << 7.724;
    QTest::newRow("Biannually") << "Biannually" << 112.85 << 2147.04 << "Dec 2010" << 7.949;
    QTest::newRow("Annually") << "Annually" << 115.13 << 2335.80 << "Feb 2011" << 8.441;
    QTest::newRow("Daily") << "Daily" << 110.57 << 1953.55 << "Oct 2010" << 7.512;
}

void TestGoalSolver::example() {
    QFETCH(QString, frequency);
    QFETCH(double, savings);
    QFETCH(double, balance);
    QFETCH(QString, last);
    QFETCH(double, rate);
    const ScheduleInputs in = inputs(frequency, 1000, 100, 6);
    const double target = 20000;

    const GoalAnswer s = solveGoal(in, target, GoalUnknown::Savings);
    verifyRoundTrip(in, target, s);
    QCOMPARE(s.value, savings);
    const GoalAnswer b = solveGoal(in, target, GoalUnknown::Balance);
    verifyRoundTrip(in, target, b);
    QCOMPARE(b.value, balance);
    const GoalAnswer t = solveGoal(in, target, GoalUnknown::Term);
    verifyRoundTrip(in, target, t);
    QCOMPARE(QStringLiteral("%1 %2").arg(t.lastMonth).arg(t.lastYear), last);
    QCOMPARE(t.value, double(termInMonths(2000, "Jan", t.lastYear, t.lastMonth)));
    const GoalAnswer r = solveGoal(in, target, GoalUnknown::Rate);
    verifyRoundTrip(in, target, r);
    QCOMPARE(r.value, rate);
}

void TestGoalSolver::edges_data() {
    QTest::addColumn<ScheduleInputs>("in");
    QTest::addColumn<double>("target");
    QTest::addColumn<GoalUnknown>("unknown");
    QTest::newRow("zero rate, savings")
        << inputs("Monthly", 1000, 100, 0) << 20000.0 << GoalUnknown::Savings;
    QTest::newRow("zero rate, term")
        << inputs("Quarterly", 1000, 100, 0) << 20000.0 << GoalUnknown::Term;
    QTest::newRow("zero rate, balance")
        << inputs("Annually", 1000, 100, 0) << 20000.0 << GoalUnknown::Balance;
    QTest::newRow("zero balance, savings")
        << inputs("Monthly", 0, 100, 6) << 20000.0 << GoalUnknown::Savings;
    QTest::newRow("zero balance, rate")
        << inputs("Daily", 0, 100, 6) << 20000.0 << GoalUnknown::Rate;
    QTest::newRow("zero balance and savings, balance")
        << inputs("Biannually", 0, 0, 6) << 20000.0 << GoalUnknown::Balance;
    QTest::newRow("one month, savings")
        << inputs("Monthly", 0, 0, 6, 2000, "Feb") << 500.0 << GoalUnknown::Savings;
    QTest::newRow("one month, balance")
        << inputs("Quarterly", 0, 100, 6, 2000, "Feb") << 500.0 << GoalUnknown::Balance;
    QTest::newRow("one month, rate")
        << inputs("Monthly", 1000, 100, 0, 2000, "Feb") << 1100.5 << GoalUnknown::Rate;
    QTest::newRow("term of one month")
        << inputs("Monthly", 1000, 100, 6) << 1100.0 << GoalUnknown::Term;
    QTest::newRow("term ending in December")
        << inputs("Annually", 1000, 0, 12) << 1109.0 << GoalUnknown::Term;
    QTest::newRow("negative rate, term")
        << inputs("Monthly", 0, 100, -2) << 5000.0 << GoalUnknown::Term;
    QTest::newRow("past the old growth cap, term")
        << inputs("Monthly", 1000, 100, 5) << 1e42 << GoalUnknown::Term;
    QTest::newRow("huge target, savings")
        << inputs("Monthly", 1000, 100, 6) << 1e12 << GoalUnknown::Savings;
    QTest::newRow("a cent above the balance alone")
        << inputs("Monthly", 1000, 100, 6) << 1819.41 << GoalUnknown::Savings;
}

void TestGoalSolver::edges() {
    QFETCH(ScheduleInputs, in);
    QFETCH(double, target);
    QFETCH(GoalUnknown, unknown);
    const GoalAnswer answer = solveGoal(in, target, unknown);
    QCOMPARE(answer.unknown, unknown);
    verifyRoundTrip(in, target, answer);
}

void TestGoalSolver::unreachable_data() {
    QTest::addColumn<ScheduleInputs>("in");
    QTest::addColumn<double>("target");
    QTest::addColumn<GoalUnknown>("unknown");
    QTest::addColumn<GoalAnswer::Status>("status");
    QTest::addColumn<QString>("sentence");
    const auto unreachable = GoalAnswer::Status::Unreachable;
    const ScheduleInputs example = inputs("Monthly", 1000, 100, 6);
    QTest::newRow("balance alone reaches it")
        << example << 1500.0 << GoalUnknown::Savings << unreachable
        << "The initial balance alone reaches the goal; no monthly saving is needed.";
    QTest::newRow("savings alone reach it")
        << example << 15000.0 << GoalUnknown::Balance << unreachable
        << "The monthly savings alone reach the goal; no initial balance is needed.";
    QTest::newRow("already reached at the start")
        << example << 1000.0 << GoalUnknown::Term << unreachable
        << "The initial balance already reaches the goal.";
    QTest::newRow("reached without interest")
        << example << 13000.0 << GoalUnknown::Rate << unreachable
        << "The goal is reached without interest; no rate is needed.";
    QTest::newRow("saving beyond the field")
        << example << 1e30 << GoalUnknown::Savings << unreachable
        << "No monthly saving the field can hold reaches the goal.";
    QTest::newRow("balance beyond the field")
        << example << 1e30 << GoalUnknown::Balance << unreachable
        << "No initial balance the field can hold reaches the goal.";
    QTest::newRow("rate above the range")
        << inputs("Monthly", 1000, 100, 6, 2000, "Feb") << 1e9 << GoalUnknown::Rate << unreachable
        << "No rate up to 999.999% reaches the goal.";
    QTest::newRow("term past 9999") << inputs("Monthly", 0, 1, 0) << 1e9 << GoalUnknown::Term
                                    << unreachable << "The goal is not reached by Dec 9999.";
    QTest::newRow("falling value never reaches it")
        << inputs("Monthly", 1000, -100, 6) << 2000.0 << GoalUnknown::Term << unreachable
        << "The goal is not reached by Dec 9999.";
    QTest::newRow("savings over no term")
        << inputs("Monthly", 1000, 100, 6, 2000) << 2000.0 << GoalUnknown::Savings << unreachable
        << "Monthly savings add nothing over a term of 0 months.";
    QTest::newRow("rate with a negative balance")
        << inputs("Monthly", -1000, 100, 6) << 20000.0 << GoalUnknown::Rate << unreachable
        << "A rate can be found only for a term of at least one month and amounts that are not "
           "negative.";
    QTest::newRow("target of zero")
        << example << 0.0 << GoalUnknown::Savings << unreachable << "Enter a target above zero.";
    QTest::newRow("target not a number") << example << double(NAN) << GoalUnknown::Rate
                                         << unreachable << "Enter a target above zero.";
    QTest::newRow("inputs that cannot be calculated")
        << inputs("Monthly", 1000, 100, 1e308) << 20000.0 << GoalUnknown::Savings
        << GoalAnswer::Status::Incalculable
        << "Valid results cannot be calculated using the variables you have entered.";
    QTest::newRow("target at the edge of the range")
        << inputs("Monthly", 1e300, 0, 1000) << 1.7e308 << GoalUnknown::Term << unreachable
        << "The goal lies beyond what can be calculated.";
}

void TestGoalSolver::unreachable() {
    QFETCH(ScheduleInputs, in);
    QFETCH(double, target);
    QFETCH(GoalUnknown, unknown);
    QFETCH(GoalAnswer::Status, status);
    QFETCH(QString, sentence);
    GoalAnswer answer;
    try {
        answer = solveGoal(in, target, unknown);
    } catch (...) {
        QFAIL("the solver threw");
    }
    QCOMPARE(answer.status, status);
    QCOMPARE(answer.sentence, sentence);
    QVERIFY(!answer.solved());
}

void TestGoalSolver::randomCasesRoundTrip() {
    // A fixed seed: the same cases on every run.
    QRandomGenerator random(20240601);
    const QStringList frequencies = frequencyNames();
    int solved = 0;
    for (int i = 0; i < 200; ++i) {
        ScheduleInputs in =
            inputs(frequencies.at(random.bounded(qsizetype(5))), random.bounded(100000) / 100.0,
                   random.bounded(200000) / 100.0, random.bounded(20000) / 1000.0,
                   2000 + random.bounded(1, 60), monthNames().at(random.bounded(12)));
        const double target = random.bounded(10, 5000000) * 1.0;
        const auto unknown = static_cast<GoalUnknown>(random.bounded(4));
        const GoalAnswer answer = solveGoal(in, target, unknown);
        if (!answer.solved()) {
            QVERIFY2(!answer.sentence.isEmpty(), qPrintable(goalUnknownName(unknown)));
            continue;
        }
        ++solved;
        verifyRoundTrip(in, target, answer);
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QStringLiteral("case %1: %2").arg(i).arg(goalUnknownName(unknown))));
    }
    QVERIFY(solved > 100);
}

void TestGoalSolver::marksAndTexts() {
    // The schedule's example with savings steps of $25: the first row stays
    // below $20,000 at every rate (at most $19,032.71), the second reaches it.
    ScheduleInputs in = inputs("Monthly", 1000, 100, 6);
    in.savingsStepIndex = 1;
    const RegionalSettings us = RegionalSettings::unitedStates();
    const ScheduleSnapshot s = computeSchedule(in, us);
    const GoalMarks marks = goalMarks(s, 20000.0);
    QCOMPARE(marks.count(), 70);
    for (int column = 0; column < kGridColumns; ++column) {
        QVERIFY(!marks.at(column, 0));
        QVERIFY(!marks.at(column, 1));
        QCOMPARE(marks.at(column, 2), column > 0);
    }
    // Exactly the value reaches it; a cent more does not.
    QCOMPARE(goalMarks(s, s.values[11][7]).count(), 1);
    QCOMPARE(goalMarks(s, s.values[11][7] + 0.01).count(), 0);
    QCOMPARE(goalMarks(s, std::nullopt).count(), 0);

    QCOMPARE(goalMarkLine(100000, us), QStringLiteral("reaches the goal of $100,000.00"));
    const RegionalSettings german =
        RegionalSettings::fromLocale(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(goalMarkLine(100000, german), QStringLiteral("reaches the goal of 100.000,00 €"));
    const GoalAnswer rate = solveGoal(in, 20000, GoalUnknown::Rate);
    QCOMPARE(goalAnswerText(rate, us), QStringLiteral("7.580%"));
    QCOMPARE(goalAnswerText(rate, german), QStringLiteral("7,580%"));
    QCOMPARE(goalAnswerText(solveGoal(in, 20000, GoalUnknown::Balance), german),
             QStringLiteral("1.985,31 €"));
    QCOMPARE(goalAnswerText(solveGoal(in, 500, GoalUnknown::Term), us),
             QStringLiteral("The initial balance already reaches the goal."));
}

QTEST_GUILESS_MAIN(TestGoalSolver)
#include "test_goal_solver.moc"
