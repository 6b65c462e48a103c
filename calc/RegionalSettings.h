#pragma once

#include <QLocale>
#include <QString>

// The user's regional number and currency conventions, read once and passed to
// every formatter. Currency patterns use the classic numbering of positive and
// negative currency forms (positive 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"; negative
// 0 "($1)", 1 "-$1", 2 "$-1", 3 "$1-", 4 "(1$)", 5 "-1$", 6 "1-$", 7 "1$-",
// 8 "-1 $", 9 "-$ 1", 10 "1 $-", 11 "$ 1-", 12 "$ -1", 13 "1- $", 14 "($ 1)",
// 15 "(1 $)").
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
