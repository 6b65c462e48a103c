#pragma once

#include "calc/RegionalSettings.h"

#include <QString>
#include <cstdint>
#include <stdexcept>

// A text that should hold a number does not: an input field emptied by the user,
// or a settings value written under other regional settings. It travels to the
// application's error handler like any other unexpected error.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const QString& text);
};

// `text` read as a number (blanks, sign, one regional decimal separator,
// exponent). Throws ConversionError for anything else, the empty text included.
double requireNumber(const QString& text, const RegionalSettings& regional);

// `value` with its fractional part dropped, held to the 32-bit range (a typed
// year of twenty digits must not overflow the conversion).
std::int32_t truncateToInt32(double value);
