#include "calc/RegionalSettings.h"

namespace {

bool isSpaceLike(QChar c) {
    return c.isSpace() || c == QChar(0x00A0) || c == QChar(0x202F) || c == QChar(0x2009);
}

bool isMinus(QChar c) {
    return c == u'-' || c == QChar(0x2212);
}

// Reduces a formatted currency sample to the shape the numbered patterns use:
// '$' for the symbol, '1' for the number, '-', '(', ')' and single spaces.
// Direction marks and other decorations are dropped.
QString currencyShape(const QString& sample, const QString& symbol) {
    qsizetype firstDigit = -1;
    qsizetype lastDigit = -1;
    for (qsizetype i = 0; i < sample.size(); ++i) {
        if (sample[i].isDigit()) {
            if (firstDigit < 0)
                firstDigit = i;
            lastDigit = i;
        }
    }
    if (firstDigit < 0)
        return {};

    QString shape;
    auto scan = [&](qsizetype from, qsizetype to) {
        for (qsizetype i = from; i < to;) {
            if (!symbol.isEmpty() && QStringView(sample).sliced(i).startsWith(symbol)) {
                shape.append(u'$');
                i += symbol.size();
                continue;
            }
            const QChar c = sample[i++];
            if (isSpaceLike(c)) {
                if (!shape.endsWith(u' '))
                    shape.append(u' ');
            } else if (isMinus(c)) {
                shape.append(u'-');
            } else if (c == u'(' || c == u')') {
                shape.append(c);
            }
        }
    };
    scan(0, firstDigit);
    shape.append(u'1');
    scan(lastDigit + 1, sample.size());
    return shape.trimmed();
}

template <std::size_t N>
int patternIndex(const QString& shape, const std::array<const char16_t*, N>& patterns) {
    for (std::size_t i = 0; i < N; ++i)
        if (shape == QStringView(patterns[i]))
            return static_cast<int>(i);
    return -1;
}

} // namespace

RegionalSettings RegionalSettings::unitedStates() {
    RegionalSettings settings;
    settings.currencySymbol = QStringLiteral("$");
    settings.thousandsSeparator = u',';
    settings.decimalSeparator = u'.';
    settings.positiveCurrencyFormat = 0;
    settings.negativeCurrencyFormat = 0;
    return settings;
}

RegionalSettings RegionalSettings::fromLocale(const QLocale& locale) {
    // The program's own United States settings write negative amounts in
    // parentheses, ($1,234.56), the long-standing accounting form its users
    // know; the locale data for en_US uses a leading minus instead. The C
    // locale carries no currency conventions at all. Both get the classic
    // settings rather than a derived pattern.
    if (locale.name() == QLatin1String("en_US") || locale.language() == QLocale::C)
        return unitedStates();

    RegionalSettings settings;
    settings.currencySymbol = locale.currencySymbol(QLocale::CurrencySymbol);
    // Some locales (en_CH, it_CH ...) carry no symbol of their own; their
    // amounts are written with the currency's code, as the locale itself does.
    if (settings.currencySymbol.isEmpty())
        settings.currencySymbol = locale.currencySymbol(QLocale::CurrencyIsoCode);
    const QString group = locale.groupSeparator();
    const QString decimal = locale.decimalPoint();
    settings.decimalSeparator = decimal.isEmpty() ? QChar(u'.') : decimal.front();
    settings.thousandsSeparator = group.isEmpty() ? QChar(u',') : group.front();
    if (settings.thousandsSeparator == settings.decimalSeparator)
        settings.thousandsSeparator = settings.decimalSeparator == u',' ? u'.' : u',';

    const QString symbol = settings.currencySymbol;
    const QString positive = currencyShape(locale.toCurrencyString(1234.56, symbol), symbol);
    const QString negative = currencyShape(locale.toCurrencyString(-1234.56, symbol), symbol);

    const int positiveIndex = patternIndex(positive, kPositiveCurrencyPatterns);
    settings.positiveCurrencyFormat = positiveIndex >= 0 ? positiveIndex : 0;

    const int negativeIndex = patternIndex(negative, kNegativeCurrencyPatterns);
    if (negativeIndex >= 0) {
        settings.negativeCurrencyFormat = negativeIndex;
    } else {
        // An unusual form: a leading minus before the positive form.
        static constexpr int kMinusBefore[] = {1, 5, 9, 8};
        settings.negativeCurrencyFormat = kMinusBefore[settings.positiveCurrencyFormat];
    }
    return settings;
}

RegionalSettings RegionalSettings::system() {
    return fromLocale(QLocale::system());
}
