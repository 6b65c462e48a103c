#include "calc/RegionalSettings.h"
#include "calc/Tooltip.h"
#include "tests/support/TestRegionalSettings.h"

#include <QTest>

// The grid's tooltip texts, from the cell texts and the exact numbers behind them.
class TestTooltip : public QObject {
    Q_OBJECT

private slots:
    void stripper();
    void tooltipWithoutRowHeader();
    void tooltipFallsBackToExactValues();
    void tooltipNeverMisreadsCommaDecimals();
};

void TestTooltip::stripper() {
    QCOMPARE(StringStripper(QStringLiteral(" $1,234,567.89")), QStringLiteral(" 1234567.89"));
    QCOMPARE(StringStripper(QStringLiteral("  5.25%")), QStringLiteral("  5.25 "));
    QCOMPARE(StringStripper(QStringLiteral("($1,000)")), QStringLiteral("(1000)"));
}

void TestTooltip::tooltipWithoutRowHeader() {
    TooltipSource source;
    source.cellText = QStringLiteral(" $1.00");
    QVERIFY(!tooltipText(source, RegionalSettings::unitedStates()).has_value());
}

void TestTooltip::tooltipFallsBackToExactValues() {
    // Negative amounts in parentheses do not read back; the exact numbers stand in.
    TooltipSource source;
    source.rowHeaderText = QStringLiteral(" ($100)");
    source.cellText = QStringLiteral(" ($1,234.56)");
    source.term = 12;
    source.balance = 0;
    source.exactSavings = -100;
    source.exactValue = -1234.56;
    QCOMPARE(tooltipText(source, RegionalSettings::unitedStates()),
             std::optional<QString>(QStringLiteral("Total Invested: ($1,200)\r\n"
                                                   "Total Earned: ($35)")));

    // Another currency symbol: the same.
    RegionalSettings euro = RegionalSettings::unitedStates();
    euro.currencySymbol = QStringLiteral("€");
    euro.positiveCurrencyFormat = 3;
    source.rowHeaderText = QStringLiteral(" 100 €");
    source.cellText = QStringLiteral(" 1,234.56 €");
    source.exactSavings = 100;
    source.exactValue = 1234.56;
    QCOMPARE(tooltipText(source, euro),
             std::optional<QString>(QStringLiteral("Total Invested: 1,200 €\r\n"
                                                   "Total Earned: 35 €")));
}

void TestTooltip::tooltipNeverMisreadsCommaDecimals() {
    // Where the comma is the decimal separator, stripping commas would turn
    // "125,50" into 12550; such texts are not read.
    const RegionalSettings r = TestSupport::commaDecimalSettings();
    TooltipSource source;
    source.rowHeaderText = QStringLiteral(" 125 €");
    source.cellText = QStringLiteral(" 125,50 €");
    source.term = 1;
    source.balance = 0;
    source.exactSavings = 125;
    source.exactValue = 125.5;
    QCOMPARE(tooltipText(source, r),
             std::optional<QString>(QStringLiteral("Total Invested: 125 €\r\nTotal Earned: 1 €")));
}

QTEST_GUILESS_MAIN(TestTooltip)
#include "test_tooltip.moc"
