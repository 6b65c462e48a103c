#pragma once

#include "calc/RegionalSettings.h"

#include <QString>
#include <QStringView>
#include <optional>

// General format: `value` rounded to `precision` significant digits, trailing
// zeros dropped; exponent form (1.2346E5, 1E-5) outside 0.0001 <= |v| < 10^p.
QString formatGeneral(double value, int precision, const RegionalSettings& regional);

// Currency format: at most `precision` significant digits and `decimals` decimals,
// rounded half away from zero, currency symbol, thousands separators, regional
// positive/negative pattern. A whole part longer than `precision` digits falls back
// to formatGeneral(value, precision) without currency symbol.
QString formatCurrency(double value, int precision, int decimals, const RegionalSettings& regional);

// The amount edit's display: rounded half to even to 2 decimals, then currency
// with 2 decimals and 12 significant digits ($1,500.00).
QString formatAmountDisplay(long double value, const RegionalSettings& regional);

// Fixed pattern "0" or "0.000": `decimals` decimals, no thousands separators.
QString formatFixed(double value, int decimals, const RegionalSettings& regional);

// The amount display's figure in full: rounded half to even to 2 decimals like
// formatAmountDisplay, then every whole digit, 2 decimals, no thousands
// separators, a leading minus (1000000000000000.00).
QString formatAmountPlain(long double value, const RegionalSettings& regional);

// The settings file's general number text: 15 significant digits, no thousands
// separators, exponent form (1E20, 1E-7) when needed.
QString formatProfileNumber(double value, const RegionalSettings& regional);

// Reads a number the way the settings file and the fields are read: optional
// blanks, optional sign, digits with at most one regional decimal separator, an
// optional exponent, optional trailing blanks. nullopt for anything else
// (including an empty text).
std::optional<double> parseNumber(QStringView text, const RegionalSettings& regional);

// The schedule's hot path: the same formats written straight into `target`
// between a prefix and a suffix, reusing the target's storage.
void formatCurrencyInto(QString& target, QStringView prefix, double value, int precision,
                        int decimals, const RegionalSettings& regional);
void formatGeneralInto(QString& target, QStringView prefix, double value, int precision,
                       QStringView suffix, const RegionalSettings& regional);
