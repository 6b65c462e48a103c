#include "tests/support/TestRegionalSettings.h"

namespace TestSupport {

RegionalSettings commaDecimalSettings() {
    RegionalSettings settings;
    settings.currencySymbol = QStringLiteral("€");
    settings.thousandsSeparator = u'.';
    settings.decimalSeparator = u',';
    settings.positiveCurrencyFormat = 3; // "1 $"
    settings.negativeCurrencyFormat = 8; // "-1 $"
    return settings;
}

} // namespace TestSupport
