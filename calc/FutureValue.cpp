#include "calc/FutureValue.h"

#include "calc/ArithmeticError.h"

#include <cfenv>
#include <cmath>

namespace {

constexpr int kReportedFlags = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

// Floating-point failures are detected through the status flags, never through
// hardware traps: clear the flags, compute, test. The arguments are read from
// volatile copies after the clear and the result is written to a volatile
// before the test, so the compiler cannot move the arithmetic across either.
void throwOnFlags(int flags) {
    if (flags & FE_INVALID)
        throw ArithmeticError(ArithmeticError::Kind::InvalidOperation);
    if (flags & FE_DIVBYZERO)
        throw ArithmeticError(ArithmeticError::Kind::DivisionByZero);
    if (flags & FE_OVERFLOW)
        throw ArithmeticError(ArithmeticError::Kind::Overflow);
}

// The result of a computation after throwOnFlags. Infinite or NaN inputs raise
// no flag; they must not reach a result either.
template <typename Float>
Float checkedResult(const volatile Float& result) {
    throwOnFlags(std::fetestexcept(kReportedFlags));
    const Float value = result;
    if (std::isnan(value))
        throw ArithmeticError(ArithmeticError::Kind::InvalidOperation);
    if (std::isinf(value))
        throw ArithmeticError(ArithmeticError::Kind::Overflow);
    return value;
}

long double powerUnchecked(long double base, long double exponent) {
    if (base == 0)
        return 0;
    long double product = std::log(base) * exponent;
    // No upper limit: a growth factor past the extended range, or a product
    // past the double range, raises the overflow flag, and a factor that fits
    // only in extended precision overflows where the result is stored as a
    // double. Far below zero the factor is 0 (underflow is no error).
    if (product < -100000)
        product = -100000;
    // The product is rounded to a double before the exponential, as it always
    // was, so every value that fits keeps its last digit.
    const double t = static_cast<double>(product);
    return std::exp(static_cast<long double>(t));
}

const Frequency* findFrequency(const QString& frequency) {
    for (const Frequency& known : kFrequencies)
        if (frequency == QLatin1String(known.name))
            return &known;
    return nullptr;
}

} // namespace

QStringList frequencyNames() {
    QStringList names;
    for (const Frequency& frequency : kFrequencies)
        names << QString::fromLatin1(frequency.name);
    return names;
}

QStringList offeredFrequencyNames() {
    QStringList names;
    for (auto it = kFrequencies.rbegin(); it != kFrequencies.rend(); ++it)
        if (it->offered)
            names << QString::fromLatin1(it->name);
    return names;
}

int periodsPerYear(const QString& frequency) {
    // A text that is none of the known names ("Weekly 52", a half-typed word, a
    // stray value from the settings file) counts as "Monthly": the calculation
    // must neither fail nor guess a period count from the text.
    const Frequency* known = findFrequency(frequency);
    return known ? known->periodsPerYear : 12;
}

bool isKnownFrequency(const QString& frequency) {
    return findFrequency(frequency) != nullptr;
}

long double Power(long double base, long double exponent) {
    volatile long double vBase = base;
    volatile long double vExponent = exponent;
    std::feclearexcept(FE_ALL_EXCEPT);
    volatile long double result = powerUnchecked(vBase, vExponent);
    return checkedResult(result);
}

namespace {

double futureValueUnchecked(int g, double balance, double rate, double term, double savings) {
    const double r = rate / 100;
    const double y = term / 12;
    const double n = g * y;
    const double m = r / g + 1;
    const double a = savings * 12;
    if (r == 0)
        return a / 12 * term + balance;
    // Power(m, n) appears twice in the formula; it is a pure function of the
    // same arguments, so one evaluation serves both. The balance term stays in
    // extended precision until the final sum, which is rounded to a double.
    const long double growth = powerUnchecked(m, n);
    return static_cast<double>(growth * balance + (growth - 1) / r * a);
}

} // namespace

double CalcFV(const QString& frequency, double balance, double rate, double term, double savings) {
    const int g = periodsPerYear(frequency);
    volatile double vBalance = balance;
    volatile double vRate = rate;
    volatile double vTerm = term;
    volatile double vSavings = savings;
    std::feclearexcept(FE_ALL_EXCEPT);
    volatile double result = futureValueUnchecked(g, vBalance, vRate, vTerm, vSavings);
    return checkedResult(result);
}
