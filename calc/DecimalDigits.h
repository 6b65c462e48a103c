#pragma once

// Internal to calc: a number as a string of decimal digits, so that every
// rounding the formatters do is decimal and exact.

// value = d[0].d[1]d[2]... x 10^exponent; no digits means zero. Digits are
// stored as values 0..9, without trailing zeros.
struct DecimalDigits {
    static constexpr int kCapacity = 40;

    bool negative = false;
    int count = 0;
    int exponent = 0;
    unsigned char digits[kCapacity] = {};

    enum class Rounding { HalfAwayFromZero, HalfToEven };

    // The shortest digit string that reads back as exactly `value` (finite only).
    // Rounding these digits rather than the binary value means a typed 1.005
    // rounds like the decimal the user sees.
    static DecimalDigits fromDouble(double value);
    static DecimalDigits fromLongDouble(long double value);

    bool isZero() const { return count == 0; }
    // Digits before the decimal point (0 for |value| < 1).
    int integerDigits() const { return isZero() || exponent < 0 ? 0 : exponent + 1; }

    // Keep the first `keep` significant digits (keep <= 0: round into the
    // position before the first digit).
    void roundToSignificant(int keep, Rounding mode);
    // Keep `decimals` digits after the decimal point.
    void roundToDecimals(int decimals, Rounding mode);
    // Both limits; whichever keeps fewer digits wins.
    void roundTo(int significant, int decimals, Rounding mode);

    // Digit at a decimal place: place 0 is the units, 1 the tens, -1 the tenths.
    int digitAt(int place) const {
        const int index = exponent - place;
        return index >= 0 && index < count ? digits[index] : 0;
    }

private:
    void parseScientific(const char* begin, const char* end);
    void trimTrailingZeros();
};
