#include "calc/ArithmeticError.h"
#include "calc/FutureValue.h"

#include <QTest>
#include <cfenv>
#include <cmath>

Q_DECLARE_METATYPE(ArithmeticError::Kind)

namespace {

qint64 cents(double value) {
    return qRound64(value * 100);
}

} // namespace

class TestFutureValue : public QObject {
    Q_OBJECT

private slots:
    void frequencies();
    void examplePerFrequency_data();
    void examplePerFrequency();
    void zeroRateIsBalancePlusSavings();
    void zeroTermIsBalance();
    void negativeTermDiscounts();
    void growthIsNotCapped_data();
    void growthIsNotCapped();
    void negativeAmountsContributeNegatively();
    void unknownFrequencyCountsAsMonthly();
    void power();
    void arithmeticErrors_data();
    void arithmeticErrors();
    void staleFlagsDoNotFailAGoodCalculation();
};

void TestFutureValue::frequencies() {
    QCOMPARE(periodsPerYear(QStringLiteral("Annually")), 1);
    QCOMPARE(periodsPerYear(QStringLiteral("Biannually")), 2);
    QCOMPARE(periodsPerYear(QStringLiteral("Quarterly")), 4);
    QCOMPARE(periodsPerYear(QStringLiteral("Monthly")), 12);
    QCOMPARE(periodsPerYear(QStringLiteral("Daily")), 365);
    QVERIFY(isKnownFrequency(QStringLiteral("Daily")));
    // The window's list: without "Daily", the most frequent first.
    QCOMPARE(offeredFrequencyNames(),
             QStringList({"Monthly", "Quarterly", "Biannually", "Annually"}));
    for (const char* text : {"Weekly 52", "Daily 360", "monthly", "", "Monthly "}) {
        QVERIFY2(!isKnownFrequency(QString::fromLatin1(text)), text);
        QCOMPARE(periodsPerYear(QString::fromLatin1(text)), 12);
    }
}

void TestFutureValue::examplePerFrequency_data() {
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<qint64>("expectedCents");
    QTest::newRow("Monthly") << "Monthly" << qint64(1820733);
    QTest::newRow("Quarterly") << "Quarterly" << qint64(1809439);
    QTest::newRow("Biannually") << "Biannually" << qint64(1792834);
    QTest::newRow("Annually") << "Annually" << qint64(1760780);
    QTest::newRow("Daily") << "Daily" << qint64(1826261);
}

void TestFutureValue::examplePerFrequency() {
    QFETCH(QString, frequency);
    QFETCH(qint64, expectedCents);
    QCOMPARE(cents(CalcFV(frequency, 1000, 6, 120, 100)), expectedCents);
}

void TestFutureValue::zeroRateIsBalancePlusSavings() {
    for (const char* frequency : {"Annually", "Biannually", "Quarterly", "Monthly", "Daily"})
        QCOMPARE(CalcFV(QString::fromLatin1(frequency), 1000, 0, 120, 100), 13000.0);
    QCOMPARE(CalcFV(QStringLiteral("Monthly"), 1000, -0.0, 120, 100), 13000.0);
}

void TestFutureValue::zeroTermIsBalance() {
    for (double rate : {0.0, 6.0, -2.5, 1000.0})
        QCOMPARE(CalcFV(QStringLiteral("Quarterly"), 1234.5, rate, 0, 250), 1234.5);
}

void TestFutureValue::negativeTermDiscounts() {
    QCOMPARE(cents(CalcFV(QStringLiteral("Monthly"), 1000, 6, -12, 100)), qint64(-21999));
}

void TestFutureValue::growthIsNotCapped_data() {
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<double>("rate");
    QTest::addColumn<double>("term");
    QTest::addColumn<double>("expected");  // 0: an overflow
    QTest::addColumn<double>("tolerance"); // relative; 0: to the last digit
    // Mar 2027 to Mar 3800: the growth factor is e^88.47. The exact value,
    // within what the double rate and the long exponent allow.
    QTest::newRow("long term") << "Monthly" << 5.0 << 21276.0 << 6.578989229957294e42 << 1e-11;
    // e^87.80: the same digits as ever.
    QTest::newRow("just below e^88")
        << "Monthly" << 5.0 << 21115.0 << 3.3684122372855651e+42 << 0.0;
    // e^727 does not fit a double.
    QTest::newRow("past the double range") << "Monthly" << 1000.0 << 1200.0 << 0.0 << 0.0;
    // A growth factor past even the extended range.
    QTest::newRow("rate 1e308") << "Monthly" << 1e308 << 120.0 << 0.0 << 0.0;
}

void TestFutureValue::growthIsNotCapped() {
    QFETCH(QString, frequency);
    QFETCH(double, rate);
    QFETCH(double, term);
    QFETCH(double, expected);
    QFETCH(double, tolerance);
    if (expected == 0) {
        try {
            const double value = CalcFV(frequency, 1000, rate, term, 100);
            QFAIL(qPrintable(QStringLiteral("no error, result %1").arg(value)));
        } catch (const ArithmeticError& error) {
            QCOMPARE(error.kind(), ArithmeticError::Kind::Overflow);
        }
        return;
    }
    const double value = CalcFV(frequency, 1000, rate, term, 100);
    if (tolerance == 0)
        QCOMPARE(value, expected);
    else
        QVERIFY2(std::fabs(value / expected - 1) < tolerance,
                 qPrintable(QString::number(value, 'g', 17)));
}

void TestFutureValue::negativeAmountsContributeNegatively() {
    const double positive = CalcFV(QStringLiteral("Monthly"), 1000, 6, 120, 100);
    QCOMPARE(CalcFV(QStringLiteral("Monthly"), -1000, 6, 120, -100), -positive);
    const double balanceOnly = CalcFV(QStringLiteral("Monthly"), 1000, 6, 120, 0);
    const double savingsOnly = CalcFV(QStringLiteral("Monthly"), 0, 6, 120, 100);
    QCOMPARE(cents(CalcFV(QStringLiteral("Monthly"), -1000, 6, 120, 100)),
             cents(savingsOnly - balanceOnly));
}

void TestFutureValue::unknownFrequencyCountsAsMonthly() {
    QCOMPARE(CalcFV(QStringLiteral("Weekly 52"), 1000, 6, 120, 100),
             CalcFV(QStringLiteral("Monthly"), 1000, 6, 120, 100));
}

void TestFutureValue::power() {
    QCOMPARE(Power(0, 0), 0.0L);
    QCOMPARE(Power(-0.0L, 5), 0.0L);
    QVERIFY(std::fabs(Power(2, 10) - 1024) < 1e-12L);
    // Past the double range, within the extended one.
    QVERIFY(std::fabs(Power(10, 1000) / 1e1000L - 1) < 1e-12L);
    QVERIFY_THROWS_EXCEPTION(ArithmeticError, Power(2, 1e4000L));
    QVERIFY_THROWS_EXCEPTION(ArithmeticError, Power(10, 5000));
    // No lower limit: a vanishing factor is 0, not an error.
    QCOMPARE(Power(0.5, 1e6), 0.0L);
}

void TestFutureValue::arithmeticErrors_data() {
    QTest::addColumn<double>("balance");
    QTest::addColumn<double>("rate");
    QTest::addColumn<double>("savings");
    QTest::addColumn<ArithmeticError::Kind>("kind");
    QTest::newRow("logarithm of a negative growth factor")
        << 1000.0 << -1300.0 << 100.0 << ArithmeticError::Kind::InvalidOperation;
    QTest::newRow("huge savings") << 0.0 << 6.0 << 1e307 << ArithmeticError::Kind::Overflow;
    QTest::newRow("huge balance grows past the range")
        << 1e308 << 1000.0 << 0.0 << ArithmeticError::Kind::Overflow;
    QTest::newRow("huge savings at zero rate")
        << 0.0 << 0.0 << 1e307 << ArithmeticError::Kind::Overflow;
    QTest::newRow("infinite balance")
        << double(INFINITY) << 6.0 << 0.0 << ArithmeticError::Kind::Overflow;
    QTest::newRow("NaN rate") << 0.0 << double(NAN) << 0.0
                              << ArithmeticError::Kind::InvalidOperation;
}

void TestFutureValue::arithmeticErrors() {
    QFETCH(double, balance);
    QFETCH(double, rate);
    QFETCH(double, savings);
    QFETCH(ArithmeticError::Kind, kind);
    try {
        const double value = CalcFV(QStringLiteral("Monthly"), balance, rate, 120, savings);
        QFAIL(qPrintable(QStringLiteral("no error, result %1").arg(value)));
    } catch (const ArithmeticError& error) {
        QCOMPARE(error.kind(), kind);
    }
    // A failure leaves nothing behind for the next calculation.
    QCOMPARE(cents(CalcFV(QStringLiteral("Monthly"), 1000, 6, 120, 100)), qint64(1820733));
    QVERIFY_THROWS_EXCEPTION(ArithmeticError, Power(-1, 2));
    QVERIFY_THROWS_EXCEPTION(ArithmeticError, Power(1, INFINITY));
}

void TestFutureValue::staleFlagsDoNotFailAGoodCalculation() {
    std::feraiseexcept(FE_OVERFLOW | FE_INVALID | FE_DIVBYZERO);
    QCOMPARE(cents(CalcFV(QStringLiteral("Annually"), 1000, 6, 120, 100)), qint64(1760780));
    std::feraiseexcept(FE_INVALID);
    QCOMPARE(Power(0, 3), 0.0L);
    std::feclearexcept(FE_ALL_EXCEPT);
}

QTEST_GUILESS_MAIN(TestFutureValue)
#include "test_future_value.moc"
