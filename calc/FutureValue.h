#pragma once

#include <QString>

// Compounding periods per year for a frequency name ("Annually" 1, "Biannually" 2,
// "Quarterly" 4, "Monthly" 12, "Daily" 365), matched exactly. Any other text
// counts as "Monthly" (12), so a half-typed name never fails a calculation.
int periodsPerYear(const QString& frequency);
bool isKnownFrequency(const QString& frequency);

// Base raised to Exponent through exp(ln(Base) * Exponent), with the exponent's
// product capped at 88; a Base of exactly 0 gives 0. Throws ArithmeticError.
long double Power(long double base, long double exponent);

// Future value of `balance` plus `savings` a month over `term` months at `rate`
// percent a year, compounded periodsPerYear(frequency) times a year.
// Throws ArithmeticError instead of returning NaN or infinity.
double CalcFV(const QString& frequency, double balance, double rate, double term, double savings);
