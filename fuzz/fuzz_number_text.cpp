// The numbers of the fields and the settings file. Input: one byte choosing
// the regional settings, then the text. A text read as a number and written
// in each of the program's number formats reads back to the number that
// format shows, and writing that again gives the same text.

#include "FuzzCheck.h"
#include "calc/NumberFormat.h"

#include <cmath>
#include <cstring>

namespace {

RegionalSettings regionalFor(std::uint8_t choice) {
    RegionalSettings r = RegionalSettings::unitedStates();
    switch (choice % 5) {
    case 1: // de_DE
        r.currencySymbol = QStringLiteral("€");
        r.thousandsSeparator = u'.';
        r.decimalSeparator = u',';
        r.positiveCurrencyFormat = 3;
        r.negativeCurrencyFormat = 8;
        break;
    case 2: // fr_FR: a no-break space between thousands
        r.currencySymbol = QStringLiteral("€");
        r.thousandsSeparator = QChar(0x202F);
        r.decimalSeparator = u',';
        r.positiveCurrencyFormat = 3;
        r.negativeCurrencyFormat = 8;
        break;
    case 3: // ar_EG: Arabic separators
        r.currencySymbol = QStringLiteral("ج.م.‏");
        r.thousandsSeparator = QChar(0x066C);
        r.decimalSeparator = QChar(0x066B);
        r.positiveCurrencyFormat = 2;
        r.negativeCurrencyFormat = 12;
        break;
    case 4: // de_CH
        r.currencySymbol = QStringLiteral("CHF");
        r.thousandsSeparator = u'\'';
        r.decimalSeparator = u'.';
        r.positiveCurrencyFormat = 2;
        r.negativeCurrencyFormat = 12;
        break;
    default:
        break;
    }
    return r;
}

// `format` applied to what it wrote gives the same text again.
template <typename Format>
void checkRoundTrip(double value, const RegionalSettings& r, Format format) {
    const QString text = format(value);
    const auto back = parseNumber(text, r);
    FUZZ_CHECK(back.has_value());
    FUZZ_CHECK(std::isfinite(*back));
    FUZZ_CHECK(format(*back) == text);
}

void checkFormats(double value, const RegionalSettings& r) {
    if (!std::isfinite(value))
        return;
    checkRoundTrip(value, r, [&](double v) { return formatProfileNumber(v, r); });
    // The settings file keeps 15 significant digits.
    const double stored = *parseNumber(formatProfileNumber(value, r), r);
    FUZZ_CHECK(stored == value || std::fabs(stored - value) <= std::fabs(value) * 1e-14);
    for (int decimals : {0, 2, 3})
        checkRoundTrip(value, r, [&](double v) { return formatFixed(v, decimals, r); });
    for (int precision : {1, 7, 15})
        checkRoundTrip(value, r, [&](double v) { return formatGeneral(v, precision, r); });
    // Currency texts are only written; they must still come out whole.
    const QString currency = formatCurrency(value, 12, 2, r);
    FUZZ_CHECK(!currency.isEmpty());
    const QString amount = formatAmountDisplay(static_cast<long double>(value), r);
    FUZZ_CHECK(!amount.isEmpty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const RegionalSettings r = regionalFor(data[0]);
    const QString text = QString::fromUtf8(Fuzz::bytes(data + 1, size - 1));
    if (const auto number = parseNumber(text, r)) {
        FUZZ_CHECK(std::isfinite(*number));
        checkFormats(*number, r);
    }
    // The same bytes as a binary double reach the formats directly.
    if (size >= 9) {
        double raw;
        std::memcpy(&raw, data + 1, sizeof raw);
        checkFormats(raw, r);
    }
    return 0;
}
