#include "calc/NumberFormat.h"
#include "calc/RegionalSettings.h"
#include "tests/support/TestRegionalSettings.h"

#include <QTest>
#include <cmath>
#include <limits>

using TestSupport::commaDecimalSettings;

class TestNumberFormat : public QObject {
    Q_OBJECT

private slots:
    void general_data();
    void general();
    void currency_data();
    void currency();
    void currencyPatterns_data();
    void currencyPatterns();
    void amountDisplay_data();
    void amountDisplay();
    void fixed_data();
    void fixed();
    void profileNumber_data();
    void profileNumber();
    void parse_data();
    void parse();
    void parseCommaLocale();
    void profileNumberReadsBack();
    void nonFiniteValuesAreWrittenNotCrashed();
    void regionalFromLocale();
    void derivedPatternsMatchLocaleFormatting_data();
    void derivedPatternsMatchLocaleFormatting();
};

void TestNumberFormat::general_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("precision");
    QTest::addColumn<QString>("expected");
    QTest::newRow("7.75") << 7.75 << 5 << "7.75";
    QTest::newRow("whole") << 7.0 << 5 << "7";
    QTest::newRow("third") << 5.0 + 1.0 / 3.0 << 5 << "5.3333";
    QTest::newRow("two thirds up") << 4.0 + 2.0 / 3.0 << 5 << "4.6667";
    QTest::newRow("exponent large") << 123456.0 << 5 << "1.2346E5";
    QTest::newRow("exponent small") << 0.00001 << 5 << "1E-5";
    QTest::newRow("residue") << -2.7755575615628914e-17 << 5 << "-2.7756E-17";
    QTest::newRow("zero") << 0.0 << 5 << "0";
    QTest::newRow("negative zero") << -0.0 << 5 << "0";
    QTest::newRow("lower plain bound") << 0.0001 << 5 << "0.0001";
    QTest::newRow("rounds into exponent") << 99999.5 << 5 << "1E5";
    QTest::newRow("below the carry") << 99999.4 << 5 << "99999";
    QTest::newRow("half away") << 1.00005 << 5 << "1.0001";
    QTest::newRow("negative") << -0.25 << 5 << "-0.25";
    QTest::newRow("hundreds") << 1000.25 << 5 << "1000.3";
    QTest::newRow("big exponent") << 1e100 << 15 << "1E100";
    QTest::newRow("cut below the largest double")
        << -std::numeric_limits<double>::max() << 15 << "-1.79769313486231E308";
}

void TestNumberFormat::general() {
    QFETCH(double, value);
    QFETCH(int, precision);
    QFETCH(QString, expected);
    QCOMPARE(formatGeneral(value, precision, RegionalSettings::unitedStates()), expected);
}

void TestNumberFormat::currency_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("precision");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("expected");
    QTest::newRow("half up, no decimals") << 12.5 << 10 << 0 << "$13";
    QTest::newRow("half away from zero") << -12.5 << 10 << 0 << "($13)";
    QTest::newRow("cents lost at 10 digits") << 123456789.126 << 10 << 2 << "$123,456,789.10";
    QTest::newRow("grouping") << 1234.56 << 10 << 2 << "$1,234.56";
    QTest::newRow("negative in parentheses") << -1234.56 << 10 << 2 << "($1,234.56)";
    QTest::newRow("zero") << 0.0 << 10 << 2 << "$0.00";
    QTest::newRow("rounded to zero is not negative") << -0.004 << 10 << 2 << "$0.00";
    QTest::newRow("half a cent") << 0.005 << 10 << 2 << "$0.01";
    QTest::newRow("typed decimal rounds as written") << 1.005 << 10 << 2 << "$1.01";
    QTest::newRow("carry through group") << 999.995 << 10 << 2 << "$1,000.00";
    QTest::newRow("millions") << 1250000.0 << 10 << 0 << "$1,250,000";
    QTest::newRow("ten digits exponent") << 1e10 << 10 << 2 << "1E10";
    QTest::newRow("exponent with digits") << 12345678901.5 << 10 << 2 << "1.23456789E10";
    QTest::newRow("negative exponent form") << -1.5e10 << 10 << 2 << "-1.5E10";
    QTest::newRow("rounding into 11 digits") << 9999999999.996 << 10 << 2 << "1E10";
    QTest::newRow("twelve digits") << 13000.4 << 12 << 0 << "$13,000";
}

void TestNumberFormat::currency() {
    QFETCH(double, value);
    QFETCH(int, precision);
    QFETCH(int, decimals);
    QFETCH(QString, expected);
    QCOMPARE(formatCurrency(value, precision, decimals, RegionalSettings::unitedStates()),
             expected);
}

void TestNumberFormat::currencyPatterns_data() {
    QTest::addColumn<int>("negativeFormat");
    QTest::addColumn<QString>("expected");
    const char* expected[] = {"(€1.234,56)", "-€1.234,56",  "€-1.234,56",   "€1.234,56-",
                              "(1.234,56€)", "-1.234,56€",  "1.234,56-€",   "1.234,56€-",
                              "-1.234,56 €", "-€ 1.234,56", "1.234,56 €-",  "€ 1.234,56-",
                              "€ -1.234,56", "1.234,56- €", "(€ 1.234,56)", "(1.234,56 €)"};
    for (int i = 0; i < 16; ++i)
        QTest::newRow(QByteArray::number(i).constData()) << i << QString::fromUtf8(expected[i]);
}

void TestNumberFormat::currencyPatterns() {
    QFETCH(int, negativeFormat);
    QFETCH(QString, expected);
    RegionalSettings r = commaDecimalSettings();
    r.negativeCurrencyFormat = negativeFormat;
    QCOMPARE(formatCurrency(-1234.56, 10, 2, r), expected);

    const char* positive[] = {"€1.234,56", "1.234,56€", "€ 1.234,56", "1.234,56 €"};
    r.positiveCurrencyFormat = negativeFormat % 4;
    QCOMPARE(formatCurrency(1234.56, 10, 2, r), QString::fromUtf8(positive[negativeFormat % 4]));
}

void TestNumberFormat::amountDisplay_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("half to even down") << 0.125 << "$0.12";
    QTest::newRow("half to even up") << 0.375 << "$0.38";
    QTest::newRow("thousands") << 1500.0 << "$1,500.00";
    QTest::newRow("negative") << -1500.0 << "($1,500.00)";
    QTest::newRow("zero") << 0.0 << "$0.00";
    QTest::newRow("twelve whole digits") << 123456789012.0 << "$123,456,789,012.00";
    QTest::newRow("eleven whole digits keep one decimal") << 12345678901.25 << "$12,345,678,901.30";
    QTest::newRow("thirteen digits") << 1234567890123.0 << "1.23456789012E12";
}

void TestNumberFormat::amountDisplay() {
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(formatAmountDisplay(static_cast<long double>(value), RegionalSettings::unitedStates()),
             expected);
}

void TestNumberFormat::fixed_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("expected");
    QTest::newRow("year") << 2030.0 << 0 << "2030";
    QTest::newRow("negative term") << -5.0 << 0 << "-5";
    QTest::newRow("zero") << 0.0 << 0 << "0";
    QTest::newRow("rate") << 7.25 << 3 << "7.250";
    QTest::newRow("rounding half away") << 2.5 << 0 << "3";
    QTest::newRow("small rounds up") << 0.0005 << 3 << "0.001";
    QTest::newRow("negative rounding to zero") << -0.0004 << 3 << "0.000";
    QTest::newRow("no grouping") << 1234567.0 << 0 << "1234567";
    QTest::newRow("large stays plain") << 1e20 << 0 << "100000000000000000000";
}

void TestNumberFormat::fixed() {
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, expected);
    QCOMPARE(formatFixed(value, decimals, RegionalSettings::unitedStates()), expected);
}

void TestNumberFormat::profileNumber_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("2500") << 2500.0 << "2500";
    QTest::newRow("7.25") << 7.25 << "7.25";
    QTest::newRow("0") << 0.0 << "0";
    QTest::newRow("1E20") << 1e20 << "1E20";
    QTest::newRow("1E-7") << 1e-7 << "1E-7";
    QTest::newRow("binary sum") << 0.1 + 0.2 << "0.3";
    QTest::newRow("fifteen digits") << 123456789012345.0 << "123456789012345";
    QTest::newRow("sixteen digits") << 1234567890123456.0 << "1.23456789012346E15";
    QTest::newRow("plain down to 0.00001") << 0.00001 << "0.00001";
    QTest::newRow("negative") << -7.25 << "-7.25";
}

void TestNumberFormat::profileNumber() {
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(formatProfileNumber(value, RegionalSettings::unitedStates()), expected);
}

void TestNumberFormat::parse_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("expected");
    QTest::newRow("blanks around") << " 7.25 " << true << 7.25;
    QTest::newRow("negative") << "-1500" << true << -1500.0;
    QTest::newRow("plus sign") << "+3" << true << 3.0;
    QTest::newRow("leading separator") << ".5" << true << 0.5;
    QTest::newRow("trailing separator") << "5." << true << 5.0;
    QTest::newRow("exponent") << "1E20" << true << 1e20;
    QTest::newRow("negative exponent") << "1e-7" << true << 1e-7;
    QTest::newRow("signed exponent") << "2.5E+3" << true << 2500.0;
    QTest::newRow("exponent form of a cell") << "1.23456789E10" << true << 12345678900.0;
    QTest::newRow("underflow is zero") << "1e-400" << true << 0.0;
    QTest::newRow("tiny mantissa underflow") << "0.0001e-320" << true << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blanks only") << "   " << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("two separators") << "7.25.1" << false << 0.0;
    QTest::newRow("thousands separator") << "1,000" << false << 0.0;
    QTest::newRow("exponent without digits") << "1e" << false << 0.0;
    QTest::newRow("double sign") << "--5" << false << 0.0;
    QTest::newRow("trailing minus") << "5-" << false << 0.0;
    QTest::newRow("currency symbol") << "$5" << false << 0.0;
    QTest::newRow("separator alone") << "." << false << 0.0;
    QTest::newRow("overflow") << "1e400" << false << 0.0;
    QTest::newRow("huge mantissa overflow") << QString(400, u'9') << false << 0.0;
    QTest::newRow("long fraction") << QStringLiteral("0.5") + QString(600, u'0') << true << 0.5;
    QTest::newRow("inner blank") << "1 000" << false << 0.0;
}

void TestNumberFormat::parse() {
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, expected);
    const auto value = parseNumber(text, RegionalSettings::unitedStates());
    QCOMPARE(value.has_value(), ok);
    if (ok)
        QCOMPARE(*value, expected);
}

void TestNumberFormat::parseCommaLocale() {
    const RegionalSettings comma = commaDecimalSettings();
    QCOMPARE(parseNumber(u"7,25", comma), std::optional<double>(7.25));
    QVERIFY(!parseNumber(u"7.25", comma));
    QCOMPARE(formatProfileNumber(7.25, comma), QStringLiteral("7,25"));
    QCOMPARE(formatFixed(7.25, 3, comma), QStringLiteral("7,250"));
    QCOMPARE(formatGeneral(5.0 + 1.0 / 3.0, 5, comma), QStringLiteral("5,3333"));
}

void TestNumberFormat::profileNumberReadsBack() {
    // What the settings file is given must read back to the same value (to 15 digits).
    const RegionalSettings us = RegionalSettings::unitedStates();
    for (double value : {0.125, 1.0 / 3.0, -2500.75, 1e-7, 6.02e23, 123456.789, 0.00001234}) {
        const auto back = parseNumber(formatProfileNumber(value, us), us);
        QVERIFY(back.has_value());
        QVERIFY2(std::fabs(*back - value) <= std::fabs(value) * 1e-14,
                 qPrintable(formatProfileNumber(value, us)));
    }
}

void TestNumberFormat::nonFiniteValuesAreWrittenNotCrashed() {
    const RegionalSettings us = RegionalSettings::unitedStates();
    QCOMPARE(formatCurrency(INFINITY, 12, 0, us), QStringLiteral("INF"));
    QCOMPARE(formatGeneral(-INFINITY, 5, us), QStringLiteral("-INF"));
    QCOMPARE(formatFixed(NAN, 0, us), QStringLiteral("NAN"));
    // An amount edit's value beyond any double is still written as itself.
    QCOMPARE(formatAmountDisplay(-1.5e400L, us), QStringLiteral("-1.5E400"));
}

void TestNumberFormat::regionalFromLocale() {
    const RegionalSettings us = RegionalSettings::unitedStates();
    QCOMPARE(us.currencySymbol, QStringLiteral("$"));
    QCOMPARE(us.thousandsSeparator, QChar(u','));
    QCOMPARE(us.decimalSeparator, QChar(u'.'));
    QCOMPARE(formatCurrency(1234.56, 10, 2, us), QStringLiteral("$1,234.56"));
    QCOMPARE(formatCurrency(-1234.56, 10, 2, us), QStringLiteral("($1,234.56)"));
    QVERIFY(RegionalSettings::fromLocale(QLocale(QStringLiteral("en_US"))) == us);
    QVERIFY(RegionalSettings::fromLocale(QLocale::c()) == us);

    const RegionalSettings de = RegionalSettings::fromLocale(QLocale(QStringLiteral("de_DE")));
    QCOMPARE(de.currencySymbol, QStringLiteral("€"));
    QCOMPARE(de.thousandsSeparator, QChar(u'.'));
    QCOMPARE(de.decimalSeparator, QChar(u','));
    QCOMPARE(formatCurrency(1234.56, 10, 2, de), QStringLiteral("1.234,56 €"));
    QCOMPARE(formatCurrency(-1234.56, 10, 2, de), QStringLiteral("-1.234,56 €"));
}

void TestNumberFormat::derivedPatternsMatchLocaleFormatting_data() {
    QTest::addColumn<QString>("name");
    for (const char* name :
         {"de_DE", "fr_FR", "nl_NL", "de_CH", "pt_BR", "en_GB", "it_IT", "es_AR", "en_IN", "it_CH"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestNumberFormat::derivedPatternsMatchLocaleFormatting() {
    // The derived settings write amounts the way the locale itself does, except
    // that the numbered patterns separate the symbol with a plain space.
    QFETCH(QString, name);
    const QLocale locale(name);
    const RegionalSettings r = RegionalSettings::fromLocale(locale);
    auto localeText = [&](double value) {
        return locale.toCurrencyString(value, r.currencySymbol).replace(QChar(0x00A0), u' ');
    };
    QCOMPARE(formatCurrency(1234.56, 10, 2, r), localeText(1234.56));
    QCOMPARE(formatCurrency(-1234.56, 10, 2, r), localeText(-1234.56));
}

QTEST_GUILESS_MAIN(TestNumberFormat)
#include "test_number_format.moc"
