#include "app/InputReading.h"
#include "app/SavedInputs.h"
#include "platform/ProfileFile.h"
#include "tests/support/TestRegionalSettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <limits>

// The settings file's key table, load rules and save order, on files of the test's own.
class TestSavedInputs : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_path;

    void write(const QByteArray& content) {
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }
    QByteArray read() const {
        QFile file(m_path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static RegionalSettings us() { return RegionalSettings::unitedStates(); }
    static SavedInputs::Fields typicalFields() {
        SavedInputs::Fields fields;
        fields.savings = 125.5;
        fields.balance = 2500;
        fields.termText = QStringLiteral("360");
        fields.interestText = QStringLiteral("7.250");
        fields.frequency = QStringLiteral("Quarterly");
        fields.firstMonth = QStringLiteral("Feb");
        fields.firstYearText = QStringLiteral("2001");
        fields.lastMonth = QStringLiteral("Mar");
        fields.lastYearText = QStringLiteral("2031");
        return fields;
    }

private slots:
    void init() {
        QVERIFY(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("tlmr.ini"));
        QFile::remove(m_path);
    }

    void keyTableOrderAndDefaults() {
        const auto& keys = SavedInputs::keys();
        const QStringList expected{"Savings",    "Balance",   "Term",      "Interest", "Frequency",
                                   "FirstMonth", "FirstYear", "LastMonth", "LastYear"};
        QStringList names;
        for (const auto& key : keys)
            names << QLatin1String(key.name);
        QCOMPARE(names, expected);
        QCOMPARE(SavedInputs::section(), QStringLiteral("LastValues"));
    }

    void missingFileGivesDefaults() {
        const auto values = SavedInputs(m_path, us()).load();
        QCOMPARE(values.savings, 0.0);
        QCOMPARE(values.balance, 0.0);
        QCOMPARE(values.term, 0.0);
        QCOMPARE(values.interest, 0.0);
        QCOMPARE(values.frequency, QStringLiteral("Monthly"));
        QCOMPARE(values.firstMonth, QStringLiteral("Jan"));
        QCOMPARE(values.firstYear, 2001);
        QCOMPARE(values.lastMonth, QStringLiteral("Jan"));
        QCOMPARE(values.lastYear, 2031);
        QVERIFY(!QFile::exists(m_path)); // loading never creates the file
    }

    void loadReadsEveryKeyAndKeepsTexts() {
        write("[Other]\nSavings=99\n\n[lastvalues]\nsavings = 125.5\nBalance=-2500\nTerm=1E2\n"
              "Interest=7.25\nFrequency=Weekly\nFirstMonth=feb\nFirstYear=0x7D2\n"
              "LastMonth=Dec\nLastYear= 2040\n");
        const auto values = SavedInputs(m_path, us()).load();
        QCOMPARE(values.savings, 125.5); // the section's own key, not [Other]'s
        QCOMPARE(values.balance, -2500.0);
        QCOMPARE(values.term, 100.0);
        QCOMPARE(values.interest, 7.25);
        QCOMPARE(values.frequency, QStringLiteral("Weekly"));
        QCOMPARE(values.firstMonth, QStringLiteral("feb"));
        QCOMPARE(values.firstYear, 2002);
        QCOMPARE(values.lastMonth, QStringLiteral("Dec"));
        QCOMPARE(values.lastYear, 2040);
    }

    void integerKeysFallBackSilently() {
        write("[LastValues]\nFirstYear=abc\nLastYear=\nSavings=5\n");
        const auto values = SavedInputs(m_path, us()).load();
        QCOMPARE(values.firstYear, 2001);
        QCOMPARE(values.lastYear, 2031);
        QCOMPARE(values.savings, 5.0);
    }

    void numberKeysRejectNonNumbers_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("letters in Savings") << QByteArray("Savings=abc");
        QTest::newRow("empty Balance") << QByteArray("Balance=");
        QTest::newRow("thousands separator in Term") << QByteArray("Term=1,000");
        QTest::newRow("decimal comma from another locale") << QByteArray("Interest=7,25");
    }
    void numberKeysRejectNonNumbers() {
        QFETCH(QByteArray, line);
        write("[LastValues]\nFrequency=Annually\n" + line + "\n");
        QVERIFY_THROWS_EXCEPTION(ConversionError, SavedInputs(m_path, us()).load());
    }

    void decimalSeparatorFollowsRegionalSettings() {
        write("[LastValues]\nInterest=7,25\n");
        QCOMPARE(SavedInputs(m_path, TestSupport::commaDecimalSettings()).load().interest, 7.25);
        write("[LastValues]\nInterest=7.25\n");
        QVERIFY_THROWS_EXCEPTION(ConversionError,
                                 SavedInputs(m_path, TestSupport::commaDecimalSettings()).load());

        QFile::remove(m_path);
        auto fields = typicalFields();
        fields.interestText = QStringLiteral("7,250");
        SavedInputs(m_path, TestSupport::commaDecimalSettings()).save(fields);
        QVERIFY(read().contains("\nSavings=125,5\n"));
        QVERIFY(read().contains("\nInterest=7,25\n"));
    }

    void saveWritesNineKeysInOrder() {
        auto fields = typicalFields();
        fields.savings = 1e20;
        fields.balance = 0.0000001;
        fields.firstYearText = QStringLiteral("2001.9"); // truncated toward zero
        fields.lastYearText = QStringLiteral("-5.5");
        SavedInputs(m_path, us()).save(fields);
        QCOMPARE(read(), QByteArray("[LastValues]\nSavings=1E20\nBalance=1E-7\nTerm=360\n"
                                    "Interest=7.25\nFrequency=Quarterly\nFirstMonth=Feb\n"
                                    "FirstYear=2001\nLastMonth=Mar\nLastYear=-5\n"));
    }

    void saveKeepsOtherSectionsAndKeys() {
        write("; kept comment\n[Window]\nLeft=10\n\n[LastValues]\nLastYear=1999\nColour=blue\n"
              "Savings=1\n\n[Tail]\nx=y\n");
        SavedInputs(m_path, us()).save(typicalFields());
        QCOMPARE(read(), QByteArray("; kept comment\n[Window]\nLeft=10\n\n[LastValues]\n"
                                    "LastYear=2031\nColour=blue\nSavings=125.5\nBalance=2500\n"
                                    "Term=360\nInterest=7.25\nFrequency=Quarterly\n"
                                    "FirstMonth=Feb\nFirstYear=2001\nLastMonth=Mar\n\n"
                                    "[Tail]\nx=y\n"));
    }

    void saveStopsAtFieldThatIsNoNumber() {
        auto fields = typicalFields();
        fields.interestText.clear(); // an emptied rate field
        QVERIFY_THROWS_EXCEPTION(ConversionError, SavedInputs(m_path, us()).save(fields));
        QCOMPARE(read(), QByteArray("[LastValues]\nSavings=125.5\nBalance=2500\nTerm=360\n"));

        fields = typicalFields();
        fields.lastYearText = QStringLiteral("20x1");
        QVERIFY_THROWS_EXCEPTION(ConversionError, SavedInputs(m_path, us()).save(fields));
        QVERIFY(read().contains("LastMonth=Mar\n"));
        QVERIFY(!read().contains("LastYear"));
    }

    void savedValuesLoadBack() {
        auto fields = typicalFields();
        fields.savings = 1234.56789012345;
        fields.balance = -0.125;
        SavedInputs(m_path, us()).save(fields);
        const auto values = SavedInputs(m_path, us()).load();
        QCOMPARE(values.savings, 1234.56789012345);
        QCOMPARE(values.balance, -0.125);
        QCOMPARE(values.interest, 7.25);
        QCOMPARE(values.frequency, fields.frequency);
        QCOMPARE(values.firstMonth, fields.firstMonth);
        QCOMPARE(values.lastMonth, fields.lastMonth);
        QCOMPARE(values.firstYear, 2001);
        QCOMPARE(values.lastYear, 2031);
    }

    void everyWrittenNumberLoadsAgain_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("loaded");
        const double max = std::numeric_limits<double>::max();
        QTest::newRow("fifteen digits suffice") << 7.25 << "7.25" << 7.25;
        QTest::newRow("large, fifteen digits") << 1e20 << "1E20" << 1e20;
        QTest::newRow("largest double") << max << "1.7976931348623157E308" << max;
        QTest::newRow("most negative") << -max << "-1.7976931348623157E308" << -max;
        QTest::newRow("binary sum") << 0.1 + 0.2 << "0.30000000000000004" << 0.1 + 0.2;
        QTest::newRow("a third") << 1.0 / 3 << "0.3333333333333333" << 1.0 / 3;
        QTest::newRow("seventeen digits, plain")
            << 123456789012345.67 << "123456789012345.67" << 123456789012345.67;
        QTest::newRow("smallest normal")
            << std::numeric_limits<double>::min() << "2.2250738585072014E-308"
            << std::numeric_limits<double>::min();
        QTest::newRow("beyond any double") << double(INFINITY) << "1.7976931348623157E308" << max;
    }
    void everyWrittenNumberLoadsAgain() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QFETCH(double, loaded);
        QCOMPARE(SavedInputs::numberText(value, us()), text);
        auto fields = typicalFields();
        fields.balance = value;
        SavedInputs(m_path, us()).save(fields);
        QCOMPARE(SavedInputs(m_path, us()).load().balance, loaded);
        QString comma = text;
        comma.replace(u'.', u',');
        QCOMPARE(SavedInputs::numberText(value, TestSupport::commaDecimalSettings()), comma);
    }

    void unreadableFileIsReportedNotReplaced() {
        QVERIFY(QDir().mkpath(m_path)); // no regular file
        QVERIFY_THROWS_EXCEPTION(ProfileReadError, SavedInputs(m_path, us()).load());
        QVERIFY_THROWS_EXCEPTION(ProfileWriteError,
                                 SavedInputs(m_path, us()).save(typicalFields()));
        QVERIFY(QFileInfo(m_path).isDir());
        QVERIFY(QDir().rmdir(m_path));
    }

    void yearsAreHeldToTheIntegerRange() {
        QCOMPARE(truncateToInt32(2001.99), 2001);
        QCOMPARE(truncateToInt32(-2001.99), -2001);
        QCOMPARE(truncateToInt32(1e20), std::numeric_limits<std::int32_t>::max());
        QCOMPARE(truncateToInt32(-1e20), std::numeric_limits<std::int32_t>::min());
    }
};

QTEST_GUILESS_MAIN(TestSavedInputs)
#include "test_savedinputs.moc"
