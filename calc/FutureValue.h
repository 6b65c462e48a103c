#pragma once

#include <QString>
#include <QStringList>
#include <array>

// The compounding frequencies the calculation knows, by name.
struct Frequency {
    const char* name;
    int periodsPerYear;
    bool offered; // listed in the window's drop-down list ("Daily" is typed)
};
inline constexpr std::array<Frequency, 5> kFrequencies = {{
    {"Annually", 1, true},
    {"Biannually", 2, true},
    {"Quarterly", 4, true},
    {"Monthly", 12, true},
    {"Daily", 365, false},
}};

// The names of kFrequencies in its order.
QStringList frequencyNames();
// The names the window's list offers, the most frequent first ("Monthly",
// "Quarterly", "Biannually", "Annually").
QStringList offeredFrequencyNames();

// Compounding periods per year for a frequency name of kFrequencies, matched
// exactly. Any other text counts as "Monthly" (12), so a half-typed name never
// fails a calculation.
int periodsPerYear(const QString& frequency);
bool isKnownFrequency(const QString& frequency);

// Base raised to Exponent through exp(ln(Base) * Exponent) in extended
// precision; a Base of exactly 0 gives 0. Throws ArithmeticError, also when the
// result leaves the extended range.
long double Power(long double base, long double exponent);

// Future value of `balance` plus `savings` a month over `term` months at `rate`
// percent a year, compounded periodsPerYear(frequency) times a year.
// Throws ArithmeticError instead of returning NaN or infinity, also when the
// value does not fit in a double.
double CalcFV(const QString& frequency, double balance, double rate, double term, double savings);
