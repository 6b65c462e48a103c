#include "calc/NumberFormat.h"

#include "calc/DecimalDigits.h"
#include "calc/TextBuffer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

using Rounding = DecimalDigits::Rounding;

// Texts for values no formatter can write as digits.
void writeNonFinite(TextBuffer& out, double value) {
    if (std::isnan(value))
        out.append(u"NAN");
    else
        out.append(value < 0 ? u"-INF" : u"INF");
}

// General format of already rounded digits. Plain notation when
// 10^minExponent <= |value| < 10^precision, exponent notation otherwise.
void writeGeneralDigits(TextBuffer& out, const DecimalDigits& d, int precision, int minExponent,
                        QChar decimalSeparator) {
    if (d.isZero()) {
        out.append(u'0');
        return;
    }
    if (d.negative)
        out.append(u'-');
    const int e = d.exponent;
    if (e >= minExponent && e < precision) {
        if (e >= 0) {
            for (int place = e; place >= 0; --place)
                out.appendDigit(d.digitAt(place));
            if (d.count > e + 1) {
                out.append(decimalSeparator.unicode());
                for (int i = e + 1; i < d.count; ++i)
                    out.appendDigit(d.digits[i]);
            }
        } else {
            out.append(u'0');
            out.append(decimalSeparator.unicode());
            for (int i = -1; i > e; --i)
                out.append(u'0');
            for (int i = 0; i < d.count; ++i)
                out.appendDigit(d.digits[i]);
        }
        return;
    }
    out.appendDigit(d.digits[0]);
    if (d.count > 1) {
        out.append(decimalSeparator.unicode());
        for (int i = 1; i < d.count; ++i)
            out.appendDigit(d.digits[i]);
    }
    out.append(u'E');
    if (e < 0)
        out.append(u'-');
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, e < 0 ? -e : e);
    for (const char* p = buffer; p < result.ptr; ++p)
        out.append(char16_t(*p));
}

// Whether the digits lie beyond the largest double, where no reader takes
// them back as a number.
bool beyondLargestDouble(const DecimalDigits& d) {
    static const DecimalDigits largest =
        DecimalDigits::fromDouble(std::numeric_limits<double>::max());
    if (d.exponent != largest.exponent)
        return d.exponent > largest.exponent;
    for (int i = 0; i < d.count; ++i) {
        const int limit = i < largest.count ? largest.digits[i] : 0;
        if (d.digits[i] != limit)
            return d.digits[i] > limit;
    }
    return false;
}

// `precision` significant digits of `value`, rounded half away from zero; a
// value so near the largest double that this would pass it is cut toward zero
// instead, so the text always reads back as a finite number.
DecimalDigits roundedReadable(double value, int precision) {
    const DecimalDigits exact = DecimalDigits::fromDouble(value);
    DecimalDigits d = exact;
    d.roundToSignificant(precision, Rounding::HalfAwayFromZero);
    if (!beyondLargestDouble(d))
        return d;
    d = exact;
    d.count = std::min(d.count, precision);
    while (d.count > 0 && d.digits[d.count - 1] == 0)
        --d.count;
    return d;
}

void writeGeneral(TextBuffer& out, double value, int precision, int minExponent,
                  QChar decimalSeparator) {
    if (!std::isfinite(value)) {
        writeNonFinite(out, value);
        return;
    }
    if (precision < 1)
        precision = 1;
    const DecimalDigits d = roundedReadable(value, precision);
    writeGeneralDigits(out, d, precision, minExponent, decimalSeparator);
}

// Digits already rounded to at most `decimals` decimals; writes exactly
// `decimals` of them, with grouped whole digits, in the regional pattern.
void writeCurrencyDigits(TextBuffer& out, const DecimalDigits& d, int decimals,
                         const RegionalSettings& regional) {
    const char16_t* pattern;
    if (d.negative) {
        const auto index = static_cast<std::size_t>(regional.negativeCurrencyFormat);
        pattern = kNegativeCurrencyPatterns[index < kNegativeCurrencyPatterns.size() ? index : 0];
    } else {
        const auto index = static_cast<std::size_t>(regional.positiveCurrencyFormat);
        pattern = kPositiveCurrencyPatterns[index < kPositiveCurrencyPatterns.size() ? index : 0];
    }
    for (const char16_t* p = pattern; *p; ++p) {
        if (*p == u'$') {
            out.append(regional.currencySymbol);
        } else if (*p == u'1') {
            const int whole = d.integerDigits();
            if (whole == 0)
                out.append(u'0');
            for (int place = whole - 1; place >= 0; --place) {
                out.appendDigit(d.digitAt(place));
                if (place > 0 && place % 3 == 0)
                    out.append(regional.thousandsSeparator.unicode());
            }
            if (decimals > 0) {
                out.append(regional.decimalSeparator.unicode());
                for (int place = -1; place >= -decimals; --place)
                    out.appendDigit(d.digitAt(place));
            }
        } else {
            out.append(*p);
        }
    }
}

void writeCurrency(TextBuffer& out, DecimalDigits d, int precision, int decimals,
                   const RegionalSettings& regional) {
    if (precision < 1)
        precision = 1;
    if (decimals < 0)
        decimals = 0;
    d.roundTo(precision, decimals, Rounding::HalfAwayFromZero);
    // A whole part longer than the precision cannot be written as currency; the
    // digits, then rounded to `precision` significant ones, go out in general form.
    if (d.integerDigits() > precision)
        writeGeneralDigits(out, d, precision, -4, regional.decimalSeparator);
    else
        writeCurrencyDigits(out, d, decimals, regional);
}

void writeCurrency(TextBuffer& out, double value, int precision, int decimals,
                   const RegionalSettings& regional) {
    if (!std::isfinite(value))
        writeNonFinite(out, value);
    else
        writeCurrency(out, DecimalDigits::fromDouble(value), precision, decimals, regional);
}

} // namespace

void formatCurrencyInto(QString& target, QStringView prefix, double value, int precision,
                        int decimals, const RegionalSettings& regional) {
    TextBuffer out;
    out.append(prefix);
    writeCurrency(out, value, precision, decimals, regional);
    out.assignTo(target);
}

void formatGeneralInto(QString& target, QStringView prefix, double value, int precision,
                       QStringView suffix, const RegionalSettings& regional) {
    TextBuffer out;
    out.append(prefix);
    writeGeneral(out, value, precision, -4, regional.decimalSeparator);
    out.append(suffix);
    out.assignTo(target);
}

QString formatGeneral(double value, int precision, const RegionalSettings& regional) {
    TextBuffer out;
    writeGeneral(out, value, precision, -4, regional.decimalSeparator);
    return out.toString();
}

QString formatCurrency(double value, int precision, int decimals,
                       const RegionalSettings& regional) {
    TextBuffer out;
    writeCurrency(out, value, precision, decimals, regional);
    return out.toString();
}

namespace {

// Digits already rounded to `decimals` decimals, in the fixed pattern.
void writeFixedDigits(TextBuffer& out, const DecimalDigits& d, int decimals,
                      const RegionalSettings& regional) {
    if (d.negative)
        out.append(u'-');
    const int whole = d.integerDigits();
    if (whole == 0)
        out.append(u'0');
    for (int place = whole - 1; place >= 0; --place)
        out.appendDigit(d.digitAt(place));
    if (decimals > 0) {
        out.append(regional.decimalSeparator.unicode());
        for (int place = -1; place >= -decimals; --place)
            out.appendDigit(d.digitAt(place));
    }
}

// An amount's text: the value rounded to cents half to even (the figure every
// amount text shows), then written by `write`.
template <typename WriteDigits>
QString formatAmount(long double value, WriteDigits write) {
    TextBuffer out;
    if (!std::isfinite(value)) {
        writeNonFinite(out, static_cast<double>(value));
        return out.toString();
    }
    DecimalDigits d = DecimalDigits::fromLongDouble(value);
    d.roundToDecimals(2, Rounding::HalfToEven);
    write(out, d);
    return out.toString();
}

} // namespace

QString formatAmountDisplay(long double value, const RegionalSettings& regional) {
    // Currency with 12 significant digits (which may drop cents of huge amounts).
    return formatAmount(value, [&](TextBuffer& out, const DecimalDigits& d) {
        writeCurrency(out, d, 12, 2, regional);
    });
}

QString formatAmountPlain(long double value, const RegionalSettings& regional) {
    return formatAmount(value, [&](TextBuffer& out, const DecimalDigits& d) {
        writeFixedDigits(out, d, 2, regional);
    });
}

QString formatFixed(double value, int decimals, const RegionalSettings& regional) {
    TextBuffer out;
    if (!std::isfinite(value)) {
        writeNonFinite(out, value);
        return out.toString();
    }
    if (decimals < 0)
        decimals = 0;
    DecimalDigits d = DecimalDigits::fromDouble(value);
    d.roundToDecimals(decimals, Rounding::HalfAwayFromZero);
    writeFixedDigits(out, d, decimals, regional);
    return out.toString();
}

QString formatProfileNumber(double value, const RegionalSettings& regional) {
    // The settings file keeps plain notation down to 0.00001.
    TextBuffer out;
    writeGeneral(out, value, 15, -5, regional.decimalSeparator);
    return out.toString();
}

std::optional<double> parseNumber(QStringView text, const RegionalSettings& regional) {
    // Rebuilt as plain ASCII ("-123.45e-6") for from_chars, which never depends
    // on the C library's locale.
    std::string buffer;
    buffer.reserve(std::size_t(text.size()) + 24);
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto isBlank = [](QChar c) { return c == u' ' || c == u'\t'; };
    auto isDigit = [](QChar c) { return c >= u'0' && c <= u'9'; };

    while (i < n && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';

    int mantissaDigits = 0;
    // Where the first non-zero digit sits: its position among the whole digits
    // (1-based), or minus its position among the decimals.
    int firstNonZero = 0;
    int wholeDigits = 0;
    bool seenSeparator = false;
    int fractionDigits = 0;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (isDigit(c)) {
            buffer += char(c.unicode());
            ++mantissaDigits;
            if (seenSeparator)
                ++fractionDigits;
            else
                ++wholeDigits;
            if (c != u'0' && firstNonZero == 0)
                firstNonZero = seenSeparator ? -fractionDigits : wholeDigits;
        } else if (c == regional.decimalSeparator && !seenSeparator) {
            seenSeparator = true;
            buffer += '.';
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;

    long long exponent = 0;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        bool expNegative = false;
        if (i < n && (text[i] == u'+' || text[i] == u'-'))
            expNegative = text[i++] == u'-';
        int expDigits = 0;
        for (; i < n && isDigit(text[i]); ++i, ++expDigits) {
            if (exponent < 100000000)
                exponent = exponent * 10 + (text[i].unicode() - u'0');
        }
        if (expDigits == 0)
            return std::nullopt;
        if (expNegative)
            exponent = -exponent;
    }
    while (i < n && isBlank(text[i]))
        ++i;
    if (i != n)
        return std::nullopt;

    if (firstNonZero == 0)
        return negative ? -0.0 : 0.0;

    buffer += 'e';
    buffer += std::to_string(exponent);
    double value = 0;
    const char* end = buffer.data() + buffer.size();
    const auto result = std::from_chars(buffer.data(), end, value);
    if (result.ptr != end)
        return std::nullopt;
    if (result.ec == std::errc::result_out_of_range) {
        // Too small to hold is zero; too large is no number at all.
        const int place = firstNonZero > 0 ? wholeDigits - firstNonZero : firstNonZero;
        const long long magnitude = exponent + place;
        if (magnitude < 0)
            value = 0;
        else
            return std::nullopt;
    } else if (result.ec != std::errc()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}
