#pragma once

#include <QLocale>
#include <QString>
#include <array>

// The classic numbering of positive and negative currency forms: '$' stands for
// the currency symbol, '1' for the number.
inline constexpr std::array<const char16_t*, 4> kPositiveCurrencyPatterns = {u"$1", u"1$", u"$ 1",
                                                                             u"1 $"};
inline constexpr std::array<const char16_t*, 16> kNegativeCurrencyPatterns = {
    u"($1)", u"-$1",  u"$-1",  u"$1-",  u"(1$)", u"-1$",  u"1-$",   u"1$-",
    u"-1 $", u"-$ 1", u"1 $-", u"$ 1-", u"$ -1", u"1- $", u"($ 1)", u"(1 $)"};

// The user's regional number and currency conventions, read once and passed to
// every formatter. The currency formats are indices into the pattern tables
// above.
struct RegionalSettings {
    QString currencySymbol = QStringLiteral("$");
    QChar thousandsSeparator = u',';
    QChar decimalSeparator = u'.';
    int positiveCurrencyFormat = 0;
    int negativeCurrencyFormat = 0;

    // "$", ",", ".", $1,234.56 and ($1,234.56).
    static RegionalSettings unitedStates();
    // Derived from a locale's symbols and its currency pattern.
    static RegionalSettings fromLocale(const QLocale& locale);
    // From QLocale::system(), i.e. from LANG / LC_ALL.
    static RegionalSettings system();

    bool operator==(const RegionalSettings&) const = default;
};
