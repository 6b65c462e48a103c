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
    void growthIsCappedNotOverflowing();
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

void TestFutureValue::growthIsCappedNotOverflowing() {
    const double value = CalcFV(QStringLiteral("Monthly"), 1000, 1000, 1200, 100);
    const long double factor = std::exp(88.0L);
    const double expected = static_cast<double>(factor * 1000 + (factor - 1) / 10.0 * 1200);
    QCOMPARE(value, expected);
    QVERIFY(std::fabs(value / 1.8498e41 - 1) < 1e-4);
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
    QCOMPARE(Power(10, 1000), std::exp(88.0L));
    // An exponent beyond any double still caps the growth rather than overflowing.
    QCOMPARE(Power(2, 1e4000L), std::exp(88.0L));
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
