#include "calc/ArithmeticError.h"
#include "calc/NumberFormat.h"
#include "calc/Schedule.h"
#include "calc/Tooltip.h"

#include <QTest>

namespace {

ScheduleInputs exampleInputs() {
    ScheduleInputs in;
    in.balance = 1000;
    in.savings = 100;
    in.rate = 6;
    in.firstYear = 2000;
    in.firstMonth = QStringLiteral("Jan");
    in.lastYear = 2010;
    in.lastMonth = QStringLiteral("Jan");
    in.frequency = QStringLiteral("Monthly");
    in.savingsStepIndex = 1;
    in.rateStepIndex = 3;
    return in;
}

QStringList columnHeaders(const ScheduleSnapshot& s) {
    QStringList headers;
    for (int c = 1; c < kGridColumns; ++c)
        headers << s.text(c, 0);
    return headers;
}

QString tooltipAt(const ScheduleSnapshot& s, int column, int row) {
    return tooltipText(tooltipSource(s, column, row), RegionalSettings::unitedStates())
        .value_or(QStringLiteral("<none>"));
}

} // namespace

class TestSchedule : public QObject {
    Q_OBJECT

private slots:
    void cleanGridTexts();
    void exampleGrid();
    void zeroColumnUsesZeroRateRule();
    void binaryResiduesCountAsZero_data();
    void binaryResiduesCountAsZero();
    void smallGenuineRateIsKept();
    void thirdSteps();
    void savingsHeadersAreWholeUnits();
    void hugeValuesInExponentForm();
    void longTermRisesWithTheRate();
    void tooltipFiguresNeverOverflow();
    void zeroAndNegativeTerms();
    void failureKeepsOldTextsAfterTheFailingCell();
};

void TestSchedule::cleanGridTexts() {
    const ScheduleSnapshot s = cleanSchedule();
    for (int row = 0; row < kGridRows; ++row)
        for (int column = 0; column < kGridColumns; ++column)
            QCOMPARE(s.text(column, row),
                     row == 0 && column == 0 ? QStringLiteral(" Savings/Rate") : QString());
}

void TestSchedule::exampleGrid() {
    const ScheduleSnapshot s = computeSchedule(exampleInputs(), RegionalSettings::unitedStates());
    QCOMPARE(s.term, 120);
    QCOMPARE(s.strSavingsIncrement, QStringLiteral("$25"));
    QCOMPARE(s.strRateIncrement, QStringLiteral("1/4%"));
    QCOMPARE(s.text(0, 0), QStringLiteral(" Savings/Rate"));
    QCOMPARE(columnHeaders(s),
             QStringList({"  5.25%", "  5.5%", "  5.75%", "  6%", "  6.25%", "  6.5%", "  6.75%"}));
    for (int row = 1; row < kGridRows; ++row)
        QCOMPARE(s.text(0, row), QStringLiteral(" $%1").arg(100 + 25 * (row - 1)));
    QCOMPARE(s.baseCell(), QStringLiteral(" $18,207.33"));
    QCOMPARE(s.text(1, 1), QStringLiteral(" $17,426.22"));
    QCOMPARE(s.text(7, 1), QStringLiteral(" $19,032.71"));
    QCOMPARE(s.text(4, 11), QStringLiteral(" $59,177.17"));
    QCOMPARE(s.text(7, 11), QStringLiteral(" $61,713.68"));
    QCOMPARE(tooltipAt(s, 4, 1), QStringLiteral("Total Invested: $13,000\r\nTotal Earned: $5,207"));
    // Every value cell agrees with the exact number behind it.
    for (int row = 1; row < kGridRows; ++row)
        for (int column = 1; column < kGridColumns; ++column)
            QCOMPARE(s.text(column, row), u' ' + formatCurrency(s.values[row][column], 10, 2,
                                                                RegionalSettings::unitedStates()));
    QCOMPARE(s.inputs.frequency, QStringLiteral("Monthly"));
}

void TestSchedule::zeroColumnUsesZeroRateRule() {
    ScheduleInputs in = exampleInputs();
    in.rate = 0.5;
    const ScheduleSnapshot s = computeSchedule(in, RegionalSettings::unitedStates());
    QCOMPARE(columnHeaders(s),
             QStringList({"  -0.25%", "  0%", "  0.25%", "  0.5%", "  0.75%", "  1%", "  1.25%"}));
    QCOMPARE(s.text(2, 1), QStringLiteral(" $13,000.00"));
    QCOMPARE(s.text(2, 11), QStringLiteral(" $43,000.00"));
}

void TestSchedule::binaryResiduesCountAsZero_data() {
    QTest::addColumn<double>("rate");
    QTest::addColumn<int>("rateStep");
    QTest::newRow("0.3 - 3 x 0.1") << 0.3 << 0;
    QTest::newRow("0.6 - 3 x 0.2") << 0.6 << 2;
    QTest::newRow("1.0 - 3 x 1/3") << 1.0 << 4;
    QTest::newRow("0.375 - 3 x 0.125") << 0.375 << 1;
}

void TestSchedule::binaryResiduesCountAsZero() {
    // A decimal zero column shows balance plus savings, as a typed 0 does.
    QFETCH(double, rate);
    QFETCH(int, rateStep);
    ScheduleInputs in = exampleInputs();
    in.rate = rate;
    in.rateStepIndex = rateStep;
    const ScheduleSnapshot s = computeSchedule(in, RegionalSettings::unitedStates());
    QCOMPARE(s.columnRates[1], 0.0);
    QCOMPARE(s.text(1, 0), QStringLiteral("  0%"));
    QCOMPARE(s.text(1, 1), QStringLiteral(" $13,000.00"));
    QCOMPARE(s.values[11][1], 1000.0 + 350.0 * 120);
}

void TestSchedule::smallGenuineRateIsKept() {
    ScheduleInputs in = exampleInputs();
    in.rate = 0.001;
    in.rateStepIndex = 0;
    const ScheduleSnapshot s = computeSchedule(in, RegionalSettings::unitedStates());
    QCOMPARE(s.columnRates[4], 0.001);
    QCOMPARE(s.text(4, 0), QStringLiteral("  0.001%"));
    QVERIFY(s.values[1][4] > 13000.0);
}

void TestSchedule::thirdSteps() {
    ScheduleInputs in = exampleInputs();
    in.rate = 5;
    in.rateStepIndex = 4;
    const ScheduleSnapshot s = computeSchedule(in, RegionalSettings::unitedStates());
    QCOMPARE(columnHeaders(s), QStringList({"  4%", "  4.3333%", "  4.6667%", "  5%", "  5.3333%",
                                            "  5.6667%", "  6%"}));
    QCOMPARE(s.strRateIncrement, QStringLiteral("1/3%"));
}

void TestSchedule::savingsHeadersAreWholeUnits() {
    ScheduleInputs in = exampleInputs();
    in.savings = 12.5;
    in.savingsStepIndex = 0;
    const ScheduleSnapshot s = computeSchedule(in, RegionalSettings::unitedStates());
    QCOMPARE(s.text(0, 1), QStringLiteral(" $13"));
    QCOMPARE(s.text(0, 2), QStringLiteral(" $23"));
    QCOMPARE(s.text(0, 3), QStringLiteral(" $33"));
    QCOMPARE(s.rowSavings[1], 12.5);
    // The tooltip counts the shown 13 a month as invested: 120 x 13 + 1000.
    QVERIFY(tooltipAt(s, 4, 1).startsWith(QStringLiteral("Total Invested: $2,560\r\n")));
}

void TestSchedule::hugeValuesInExponentForm() {
    ScheduleInputs in = exampleInputs();
    in.balance = 1e10;
    in.savings = 0;
    in.rate = 0.75;
    in.rateStepIndex = 3;
    const ScheduleSnapshot s = computeSchedule(in, RegionalSettings::unitedStates());
    QCOMPARE(s.text(1, 1), QStringLiteral(" 1E10"));
    QVERIFY(s.text(4, 1).startsWith(QStringLiteral(" 1.")));
    QVERIFY(s.text(4, 1).contains(u'E'));
    QVERIFY(!s.text(4, 1).contains(u'$'));
    // The exponent text still reads back for the tooltip.
    QVERIFY(tooltipAt(s, 4, 1).startsWith(QStringLiteral("Total Invested: $10,000,000,000\r\n")));
}

void TestSchedule::longTermRisesWithTheRate() {
    // Mar 2027 to Mar 3800 at 4.25 % to 5.75 %: the growth factors pass e^88 from
    // the middle column on, and every cell still grows with its rate.
    ScheduleInputs in = exampleInputs();
    in.rate = 5;
    in.firstMonth = in.lastMonth = QStringLiteral("Mar");
    in.firstYear = 2027;
    in.lastYear = 3800;
    in.savingsStepIndex = 0;
    const ScheduleSnapshot s = computeSchedule(in, RegionalSettings::unitedStates());
    QCOMPARE(s.baseCell(), QStringLiteral(" 6.57898923E42"));
    for (int row = 1; row < kGridRows; ++row)
        for (int column = 2; column < kGridColumns; ++column)
            QVERIFY2(s.values[row][column] > s.values[row][column - 1] * 1.04,
                     qPrintable(s.text(column, row)));
    // Until Mar 9999 at 10 %, e^794 leaves the double range.
    in.rate = 10;
    in.lastYear = 9999;
    QVERIFY_THROWS_EXCEPTION(ArithmeticError,
                             computeSchedule(in, RegionalSettings::unitedStates()));
}

void TestSchedule::tooltipFiguresNeverOverflow() {
    // Finite grid values whose invested sum passes the largest double on the way.
    ScheduleInputs in = exampleInputs();
    in.balance = -1.7e308;
    in.savings = 5.5e305;
    in.rate = 1;
    in.lastYear = in.firstYear + 30; // 360 months: 360 x 5.5e305 passes 1.8e308
    const ScheduleSnapshot s = computeSchedule(in, RegionalSettings::unitedStates());
    for (int row = 1; row < kGridRows; ++row) {
        for (int column = 1; column < kGridColumns; ++column) {
            QString tip;
            try {
                tip = tooltipAt(s, column, row);
            } catch (const ArithmeticError&) {
                continue; // a figure beyond a double is the arithmetic error
            }
            QVERIFY2(!tip.contains(QLatin1String("INF"), Qt::CaseInsensitive) &&
                         !tip.contains(QLatin1String("NAN"), Qt::CaseInsensitive),
                     qPrintable(tip));
        }
    }
    QVERIFY(tooltipAt(s, 4, 1).startsWith(QStringLiteral("Total Invested: 2.8E307\r\n")));
}

void TestSchedule::zeroAndNegativeTerms() {
    ScheduleInputs in = exampleInputs();
    in.lastYear = in.firstYear;
    ScheduleSnapshot s = computeSchedule(in, RegionalSettings::unitedStates());
    QCOMPARE(s.term, 0);
    for (int row = 1; row < kGridRows; ++row)
        for (int column = 1; column < kGridColumns; ++column)
            QCOMPARE(s.text(column, row), QStringLiteral(" $1,000.00"));

    in.firstMonth = QStringLiteral("Mar");
    in.lastMonth = QStringLiteral("Feb");
    s = computeSchedule(in, RegionalSettings::unitedStates());
    QCOMPARE(s.term, -1);
    QVERIFY(s.values[1][4] < 1000.0);
}

void TestSchedule::failureKeepsOldTextsAfterTheFailingCell() {
    // Columns -3 % .. 0 % stay within range; +1 % on a balance near the largest
    // double overflows at cell (5, 1).
    ScheduleInputs in = exampleInputs();
    in.balance = 1.79e308;
    in.savings = 0;
    in.rate = 0;
    in.rateStepIndex = 8;
    ScheduleSnapshot s = cleanSchedule();
    for (int row = 1; row < kGridRows; ++row)
        for (int column = 1; column < kGridColumns; ++column)
            s.cells[row][column] = QStringLiteral("old");
    QVERIFY_THROWS_EXCEPTION(ArithmeticError,
                             computeSchedule(in, RegionalSettings::unitedStates(), s));
    QCOMPARE(s.text(4, 0), QStringLiteral("  0%"));
    QCOMPARE(s.text(0, 11), QStringLiteral(" $250"));
    for (int row = 1; row < kGridRows; ++row) {
        for (int column = 1; column < kGridColumns; ++column) {
            const bool written = column < 5;
            QCOMPARE(s.text(column, row) != QStringLiteral("old"), written);
        }
    }
}

QTEST_GUILESS_MAIN(TestSchedule)
#include "test_schedule.moc"
