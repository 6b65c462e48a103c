#include "calc/ArithmeticError.h"
#include "calc/Growth.h"
#include "calc/GrowthTexts.h"
#include "calc/NumberFormat.h"
#include "calc/Tooltip.h"

#include <QTest>
#include <cmath>

namespace {

const RegionalSettings kUs = RegionalSettings::unitedStates();

// Balance 1000, savings 100, 6 %, from January 2000.
GrowthInputs example(std::int32_t term, const QString& frequency = QStringLiteral("Monthly")) {
    return {frequency, 1000, 100, 6, term, 1, 2000};
}

} // namespace

class TestGrowth : public QObject {
    Q_OBJECT

private slots:
    void handWorkedRows_data();
    void handWorkedRows();
    void lastRowIsEveryCellAndItsTooltip();
    void termsAndCalendar();
    void texts();
};

void TestGrowth::handWorkedRows_data() {
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<double>("rate");
    QTest::addColumn<int>("term");
    QTest::addColumn<QStringList>("rows"); // "months date paidIn balance"
    const QString year1 = QStringLiteral("12 Jan 2001 2200.00 ");
    QTest::newRow("monthly") << "Monthly" << 6.0 << 24
                             << QStringList{year1 + "2295.23", "24 Jan 2002 3400.00 3670.36"};
    QTest::newRow("broken year") << "Monthly" << 6.0 << 18
                                 << QStringList{year1 + "2295.23", "18 Jul 2001 2800.00 2972.51"};
    QTest::newRow("quarterly") << "Quarterly" << 6.0 << 13
                               << QStringList{year1 + "2288.63", "13 Feb 2001 2300.00 2399.53"};
    QTest::newRow("annually") << "Annually" << 6.0 << 12 << QStringList{year1 + "2260.00"};
    QTest::newRow("daily") << "Daily" << 6.0 << 12 << QStringList{year1 + "2298.46"};
    QTest::newRow("zero rate") << "Monthly" << 0.0 << 30
                               << QStringList{year1 + "2200.00", "24 Jan 2002 3400.00 3400.00",
                                              "30 Jul 2002 4000.00 4000.00"};
}

void TestGrowth::handWorkedRows() {
    QFETCH(QString, frequency);
    QFETCH(double, rate);
    QFETCH(int, term);
    QFETCH(QStringList, rows);
    GrowthInputs in = example(term, frequency);
    in.rate = rate;
    QStringList got;
    for (const GrowthRow& row : computeGrowth(in).rows) {
        got << QStringLiteral("%1 %2 %3 %4")
                   .arg(row.months)
                   .arg(growthDate(row), QString::number(row.paidIn, 'f', 2),
                        QString::number(row.balance, 'f', 2));
        QCOMPARE(row.earned, row.balance - row.paidIn);
    }
    QCOMPARE(got, rows);
}

// Every value cell of a broken-term schedule: the last row is the cell, and its
// paid-in and earned figures are the tooltip's.
void TestGrowth::lastRowIsEveryCellAndItsTooltip() {
    for (const char* frequency : {"Monthly", "Daily", "Weekly 52"}) {
        ScheduleInputs in;
        in = {1000, 100, 6, 2000, "Jan", 2010, "Aug", QString::fromLatin1(frequency), 1, 3};
        const ScheduleSnapshot s = computeSchedule(in, kUs);
        for (int column = 1; column < kGridColumns; ++column) {
            for (int row = 1; row < kGridRows; ++row) {
                const GrowthRow last = computeGrowth(growthInputs(s, column, row)).rows.constLast();
                QCOMPARE(last.months, 127);
                QCOMPARE(last.balance, s.values[row][column]);
                // The tooltip subtracts from the cell in cents, as the table's figure shows.
                const double earnedInCents = std::round(last.earned * 100) / 100;
                QCOMPARE(QStringLiteral("Total Invested: %1\r\nTotal Earned: %2")
                             .arg(formatCurrency(last.paidIn, 12, 0, kUs),
                                  formatCurrency(earnedInCents, 12, 0, kUs)),
                         *tooltipText(tooltipSource(s, column, row), kUs));
            }
        }
    }
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, growthInputs(computeSchedule({}, kUs), 0, 1));
}

void TestGrowth::termsAndCalendar() {
    QVERIFY(computeGrowth(example(0)).rows.isEmpty());
    QVERIFY(computeGrowth(example(-12)).rows.isEmpty());

    GrowthInputs in = example(26);
    in.firstMonth = 11;
    in.firstYear = -1;
    QStringList dates;
    for (const GrowthRow& row : computeGrowth(in).rows)
        dates << growthDate(row);
    QCOMPARE(dates, (QStringList{"Nov 0", "Nov 1", "Jan 2"}));
    in.firstYear = INT32_MAX;
    QCOMPARE(computeGrowth(in).rows.constLast().year, std::int64_t(INT32_MAX) + 3);
    ScheduleInputs noMonth;
    noMonth.firstMonth = QStringLiteral("feb"); // counts as "Jan", as for the term
    QCOMPARE(growthInputs(computeSchedule(noMonth, kUs), 1, 1).firstMonth, 1);

    // More than kGrowthMaxRows years take two years a row; the term still ends it.
    QCOMPARE(computeGrowth(example(12 * kGrowthMaxRows)).rows.size(), kGrowthMaxRows);
    const Growth longer = computeGrowth(example(12 * kGrowthMaxRows + 5));
    QCOMPARE(longer.rows.size(), kGrowthMaxRows / 2 + 1);
    QCOMPARE(longer.rows.constLast().months, 12 * kGrowthMaxRows + 5);
    GrowthInputs longest = example(INT32_MAX);
    longest.rate = 0;
    QVERIFY(computeGrowth(longest).rows.size() <= kGrowthMaxRows + 1);
    // With interest such a term grows past any number: an overflow, not a figure.
    QVERIFY_THROWS_EXCEPTION(ArithmeticError, computeGrowth(example(INT32_MAX)));

    in.rate = -1300; // a growth factor below 0
    QVERIFY_THROWS_EXCEPTION(ArithmeticError, computeGrowth(in));
}

void TestGrowth::texts() {
    const QStringList tsv = growthAsTabSeparated(computeGrowth(example(120)), kUs).split(u'\n');
    QCOMPARE(tsv.size(), 12); // titles, ten rows, the end of the last line
    QCOMPARE(tsv[0], QStringLiteral("Months\tDate\tPaid In\tEarned\tBalance"));
    QCOMPARE(tsv[10], QStringLiteral("120\tJan 2010\t$13,000.00\t$5,207.33\t$18,207.33"));
    // An unknown frequency is computed monthly and named so; one month is singular.
    GrowthInputs odd = example(1, QStringLiteral("Weekly 52"));
    odd.rate = 5.0 + 1.0 / 3;
    QVERIFY(growthHeading(odd, kUs).contains(
        QStringLiteral("5.3333% a year, compounded monthly, from Jan 2000 to Feb 2000 (1 month)")));
    QCOMPARE(growthAsCsv(computeGrowth(example(0)), kUs),
             QStringLiteral("Months,Date,Paid In,Earned,Balance\r\n"));
}

QTEST_APPLESS_MAIN(TestGrowth)
#include "test_growth.moc"
