#include "calc/ArithmeticError.h"
#include "calc/Growth.h"
#include "calc/GrowthTexts.h"
#include "calc/NumberFormat.h"
#include "calc/Tooltip.h"

#include <QTest>
#include <cmath>

namespace {

const RegionalSettings kUs = RegionalSettings::unitedStates();

// Balance 1000, savings 100, 6 %, monthly, from January 2000.
GrowthInputs example(std::int32_t term, const char* frequency = "Monthly") {
    GrowthInputs in;
    in.frequency = QString::fromLatin1(frequency);
    in.balance = 1000;
    in.savings = 100;
    in.rate = 6;
    in.term = term;
    in.firstMonth = 1;
    in.firstYear = 2000;
    return in;
}

QString cents(double value) {
    return QString::number(value, 'f', 2);
}

} // namespace

class TestGrowth : public QObject {
    Q_OBJECT

private slots:
    void handWorkedRows_data();
    void handWorkedRows();
    void noRowsForTermsOfZeroOrLess();
    void lastRowIsEveryCellAndItsTooltip();
    void calendarCrossesYears();
    void longTermsStayReadable();
    void onlyValueCellsHaveGrowth();
    void arithmeticErrorsPropagate();
    void texts();
};

void TestGrowth::handWorkedRows_data() {
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<double>("rate");
    QTest::addColumn<int>("term");
    // "months date paidIn balance", one per row, last row last.
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("monthly, whole years")
        << "Monthly" << 6.0 << 24
        << QStringList{"12 Jan 2001 2200.00 2295.23", "24 Jan 2002 3400.00 3670.36"};
    QTest::newRow("monthly, broken year")
        << "Monthly" << 6.0 << 18
        << QStringList{"12 Jan 2001 2200.00 2295.23", "18 Jul 2001 2800.00 2972.51"};
    QTest::newRow("quarterly, a month past the year")
        << "Quarterly" << 6.0 << 13
        << QStringList{"12 Jan 2001 2200.00 2288.63", "13 Feb 2001 2300.00 2399.53"};
    QTest::newRow("biannually") << "Biannually" << 6.0 << 12
                                << QStringList{"12 Jan 2001 2200.00 2278.90"};
    QTest::newRow("annually") << "Annually" << 6.0 << 12
                              << QStringList{"12 Jan 2001 2200.00 2260.00"};
    QTest::newRow("daily") << "Daily" << 6.0 << 12 << QStringList{"12 Jan 2001 2200.00 2298.46"};
    QTest::newRow("zero rate earns nothing")
        << "Monthly" << 0.0 << 30
        << QStringList{"12 Jan 2001 2200.00 2200.00", "24 Jan 2002 3400.00 3400.00",
                       "30 Jul 2002 4000.00 4000.00"};
    QTest::newRow("one month") << "Monthly" << 6.0 << 1
                               << QStringList{"1 Feb 2000 1100.00 1105.00"};
}

void TestGrowth::handWorkedRows() {
    QFETCH(QString, frequency);
    QFETCH(double, rate);
    QFETCH(int, term);
    QFETCH(QStringList, rows);
    GrowthInputs in = example(term);
    in.frequency = frequency;
    in.rate = rate;
    const Growth growth = computeGrowth(in);
    QStringList got;
    for (const GrowthRow& row : growth.rows) {
        got << QStringLiteral("%1 %2 %3 %4")
                   .arg(row.months)
                   .arg(growthDate(row), cents(row.paidIn), cents(row.balance));
        QCOMPARE(row.earned, row.balance - row.paidIn);
    }
    QCOMPARE(got, rows);
}

void TestGrowth::noRowsForTermsOfZeroOrLess() {
    for (const int term : {0, -1, -120})
        QVERIFY(computeGrowth(example(term)).rows.isEmpty());
    QCOMPARE(growthNoRowsText(-5),
             QStringLiteral("No growth to show: the term is -5 months. Choose a last month after "
                            "the first."));
    QCOMPARE(growthAsCsv(computeGrowth(example(0)), kUs),
             QStringLiteral("Months,Date,Paid In,Earned,Balance\r\n"));
}

// The grid's example and a broken term under every frequency: the last row of
// every value cell is that cell, and its paid-in and earned figures are the
// tooltip's.
void TestGrowth::lastRowIsEveryCellAndItsTooltip() {
    for (const char* frequency : {"Monthly", "Quarterly", "Daily", "Weekly 52"}) {
        ScheduleInputs in;
        in.balance = 1000;
        in.savings = 100;
        in.rate = 6;
        in.firstYear = 2000;
        in.lastYear = 2010;
        in.lastMonth = QStringLiteral("Aug");
        in.frequency = QString::fromLatin1(frequency);
        in.savingsStepIndex = 1;
        const ScheduleSnapshot s = computeSchedule(in, kUs);
        for (int column = 1; column < kGridColumns; ++column) {
            for (int row = 1; row < kGridRows; ++row) {
                const Growth growth = computeGrowth(growthInputs(s, column, row));
                QCOMPARE(growth.rows.size(), 11);
                const GrowthRow& last = growth.rows.constLast();
                QCOMPARE(last.months, 127);
                QCOMPARE(last.balance, s.values[row][column]);
                QCOMPARE(u' ' + formatCurrency(last.balance, 10, 2, kUs), s.text(column, row));
                // The tooltip rounds the cell to cents before it subtracts, as
                // the table's earned figure in cents does.
                const double earnedInCents = std::round(last.earned * 100) / 100;
                QCOMPARE(QStringLiteral("Total Invested: %1\r\nTotal Earned: %2")
                             .arg(formatCurrency(last.paidIn, 12, 0, kUs),
                                  formatCurrency(earnedInCents, 12, 0, kUs)),
                         *tooltipText(tooltipSource(s, column, row), kUs));
            }
        }
    }
}

void TestGrowth::calendarCrossesYears() {
    GrowthInputs in = example(26);
    in.firstMonth = 11;
    in.firstYear = -1;
    QStringList dates;
    for (const GrowthRow& row : computeGrowth(in).rows)
        dates << growthDate(row);
    QCOMPARE(dates, (QStringList{"Nov 0", "Nov 1", "Jan 2"}));

    in.firstYear = INT32_MAX;
    QCOMPARE(computeGrowth(in).rows.constLast().year, std::int64_t(INT32_MAX) + 3);

    // The first month of the schedule, even when it is no month name.
    ScheduleInputs schedule;
    schedule.firstMonth = QStringLiteral("feb");
    QCOMPARE(growthInputs(computeSchedule(schedule, kUs), 1, 1).firstMonth, 1);
}

void TestGrowth::longTermsStayReadable() {
    QCOMPARE(computeGrowth(example(12 * kGrowthMaxRows)).rows.size(), kGrowthMaxRows);
    // A year more takes two years a row, and the term itself still ends it.
    const Growth longer = computeGrowth(example(12 * kGrowthMaxRows + 5));
    QCOMPARE(longer.stepMonths, 24);
    QCOMPARE(longer.rows.size(), kGrowthMaxRows / 2 + 1);
    QCOMPARE(longer.rows.constLast().months, 12 * kGrowthMaxRows + 5);
    QVERIFY(computeGrowth(example(INT32_MAX)).rows.size() <= kGrowthMaxRows + 1);
}

void TestGrowth::onlyValueCellsHaveGrowth() {
    const ScheduleSnapshot s = computeSchedule(ScheduleInputs{}, kUs);
    for (const QPoint cell : {QPoint(0, 1), QPoint(1, 0), QPoint(8, 1), QPoint(1, 12)})
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, growthInputs(s, cell.x(), cell.y()));
}

void TestGrowth::arithmeticErrorsPropagate() {
    GrowthInputs in = example(24);
    in.rate = -1300; // a growth factor below 0
    QVERIFY_THROWS_EXCEPTION(ArithmeticError, computeGrowth(in));
}

void TestGrowth::texts() {
    const Growth growth = computeGrowth(example(120));
    QCOMPARE(growthHeading(growth.inputs, kUs),
             QStringLiteral("$100.00 a month at 6% a year, compounded monthly, from Jan 2000 to "
                            "Jan 2010 (120 months), with an initial balance of $1,000.00"));
    QCOMPARE(growthRowTexts(growth.rows.constLast(), kUs),
             (QStringList{"120", "Jan 2010", "$13,000.00", "$5,207.33", "$18,207.33"}));
    const QStringList csv = growthAsCsv(growth, kUs).split(QStringLiteral("\r\n"));
    QCOMPARE(csv.size(), 12); // titles, ten rows and the end of the last record
    QCOMPARE(csv[1], QStringLiteral("12,Jan 2001,\"$2,200.00\",$95.23,\"$2,295.23\""));
    QCOMPARE(csv.last(), QString());
    const QStringList tsv = growthAsTabSeparated(growth, kUs).split(u'\n');
    QCOMPARE(tsv[0], QStringLiteral("Months\tDate\tPaid In\tEarned\tBalance"));
    QCOMPARE(tsv[10], QStringLiteral("120\tJan 2010\t$13,000.00\t$5,207.33\t$18,207.33"));

    // An unknown frequency is computed monthly and named so; one month is singular.
    GrowthInputs odd = example(1, "Weekly 52");
    odd.rate = 5.0 + 1.0 / 3;
    QVERIFY(growthHeading(odd, kUs).contains(
        QStringLiteral("5.3333% a year, compounded monthly, from Jan 2000 to Feb 2000 (1 month)")));
}

QTEST_APPLESS_MAIN(TestGrowth)
#include "test_growth.moc"
