#include "calc/DecimalDigits.h"

#include <charconv>

void DecimalDigits::parseScientific(const char* p, const char* end) {
    // to_chars scientific output: [-]d[.ddd]e(+|-)dd
    if (p < end && *p == '-') {
        negative = true;
        ++p;
    }
    for (; p < end && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9' && count < kCapacity)
            digits[count++] = static_cast<unsigned char>(*p - '0');
    }
    int exp = 0;
    bool expNegative = false;
    if (p < end && *p == 'e') {
        ++p;
        if (p < end && (*p == '+' || *p == '-'))
            expNegative = *p++ == '-';
        for (; p < end; ++p)
            exp = exp * 10 + (*p - '0');
    }
    exponent = expNegative ? -exp : exp;
    trimTrailingZeros();
}

void DecimalDigits::trimTrailingZeros() {
    while (count > 0 && digits[count - 1] == 0)
        --count;
    if (count == 0) {
        negative = false;
        exponent = 0;
    }
}

DecimalDigits DecimalDigits::fromDouble(double value) {
    DecimalDigits d;
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    d.parseScientific(buffer, result.ptr);
    return d;
}

DecimalDigits DecimalDigits::fromLongDouble(long double value) {
    DecimalDigits d;
    char buffer[80];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    d.parseScientific(buffer, result.ptr);
    return d;
}

void DecimalDigits::roundToSignificant(int keep, Rounding mode) {
    if (keep >= count)
        return;
    if (keep < 0) {
        // Even the first digit lies below half a unit of the kept position.
        *this = DecimalDigits();
        return;
    }
    const int first = digits[keep];
    bool up = first > 5;
    if (first == 5) {
        bool beyond = false;
        for (int i = keep + 1; i < count && !beyond; ++i)
            beyond = digits[i] != 0;
        if (mode == Rounding::HalfAwayFromZero || beyond)
            up = true;
        else
            up = keep > 0 && (digits[keep - 1] & 1) != 0;
    }
    count = keep;
    if (up) {
        int i = count - 1;
        while (i >= 0 && digits[i] == 9) {
            digits[i] = 0;
            --i;
        }
        if (i >= 0) {
            ++digits[i];
        } else {
            // All nines (or nothing kept): the value becomes the next power of ten.
            digits[0] = 1;
            count = 1;
            ++exponent;
            return;
        }
    }
    trimTrailingZeros();
}

void DecimalDigits::roundToDecimals(int decimals, Rounding mode) {
    if (isZero())
        return;
    roundToSignificant(exponent + 1 + decimals, mode);
}

void DecimalDigits::roundTo(int significant, int decimals, Rounding mode) {
    if (isZero())
        return;
    const int byDecimals = exponent + 1 + decimals;
    roundToSignificant(significant < byDecimals ? significant : byDecimals, mode);
}
