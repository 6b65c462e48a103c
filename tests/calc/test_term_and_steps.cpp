#include "calc/Steps.h"
#include "calc/Term.h"

#include <QTest>
#include <climits>

// The term in months between two month names and years, and the step tables.
class TestTermAndSteps : public QObject {
    Q_OBJECT

private slots:
    void term_data();
    void term();
    void steps();
};

void TestTermAndSteps::term_data() {
    QTest::addColumn<int>("firstYear");
    QTest::addColumn<QString>("firstMonth");
    QTest::addColumn<int>("lastYear");
    QTest::addColumn<QString>("lastMonth");
    QTest::addColumn<int>("expected");
    QTest::newRow("thirty years") << 2000 << "Jan" << 2030 << "Jan" << 360;
    QTest::newRow("within a year") << 2000 << "Jan" << 2000 << "Dec" << 11;
    QTest::newRow("same month") << 2001 << "Jul" << 2001 << "Jul" << 0;
    QTest::newRow("backwards") << 2001 << "Mar" << 2001 << "Feb" << -1;
    QTest::newRow("year back") << 2001 << "Jan" << 2000 << "Jan" << -12;
    QTest::newRow("lower case is no month") << 2000 << "Jan" << 2000 << "feb" << 0;
    QTest::newRow("unknown first month counts as Jan") << 2000 << "Foo" << 2000 << "Mar" << 2;
    QTest::newRow("empty month counts as Jan") << 2000 << "" << 2001 << "" << 12;
    // 12 x (2^32 - 1) wraps to -12 in 32 bits.
    QTest::newRow("wraps") << INT_MIN << "Jan" << INT_MAX << "Jan" << -12;
    QTest::newRow("wraps near the top") << 0 << "Jan" << 178956971 << "Jan" << -2147483644;
}

void TestTermAndSteps::term() {
    QFETCH(int, firstYear);
    QFETCH(QString, firstMonth);
    QFETCH(int, lastYear);
    QFETCH(QString, lastMonth);
    QFETCH(int, expected);
    QCOMPARE(termInMonths(firstYear, firstMonth, lastYear, lastMonth), expected);
}

void TestTermAndSteps::steps() {
    QCOMPARE(monthNames().size(), 12);
    QCOMPARE(monthNumber(QStringLiteral("Jan")), 1);
    QCOMPARE(monthNumber(QStringLiteral("Dec")), 12);
    QCOMPARE(monthNumber(QStringLiteral("JAN")), 0);
    QCOMPARE(rateStep(4).amount, 1.0 / 3.0);
    QCOMPARE(QString::fromLatin1(rateStep(4).caption), QStringLiteral("1/3%"));
    QCOMPARE(QString::fromLatin1(savingsStep(8).caption), QStringLiteral("$250"));
    // Indexes outside 0..8 are clamped, never read out of bounds.
    QCOMPARE(&savingsStep(-1), &savingsSteps()[0]);
    QCOMPARE(&rateStep(9), &rateSteps()[8]);
}

QTEST_GUILESS_MAIN(TestTermAndSteps)
#include "test_term_and_steps.moc"
