#include "widgets/TFnpNumericEdit.h"

#include "FocusHarness.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestRegionalSettings.h"

#include <QSignalSpy>
#include <QtTest>

class TestFnpNumericEdit : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void valueIsWrittenInThePattern_data();
    void valueIsWrittenInThePattern();
    void changingDecimalsRewritesTheText();
    void typingIsFiltered_data();
    void typingIsFiltered();
    void leavingRewritesInThePatternBeforeExited();
    void leftFieldAlwaysHoldsANumber();
    void readOnlyFieldCannotBeTyped();
    void otherDecimalSeparator();

private:
    FocusHarness<TFnpNumericEdit>* m_form = nullptr;
    TFnpNumericEdit* edit() { return m_form->widget; }
};

void TestFnpNumericEdit::init() {
    m_form = new FocusHarness<TFnpNumericEdit>(3);
    edit()->setRegionalSettings(RegionalSettings::unitedStates());
    QVERIFY(m_form->ready());
}

void TestFnpNumericEdit::cleanup() {
    delete m_form;
    m_form = nullptr;
}

void TestFnpNumericEdit::valueIsWrittenInThePattern_data() {
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("year") << 0 << 2030.0 << "2030";
    QTest::newRow("negative term") << 0 << -5.0 << "-5";
    QTest::newRow("zero term") << 0 << 0.0 << "0";
    QTest::newRow("whole rounds half away") << 0 << 12.5 << "13";
    QTest::newRow("rate") << 3 << 7.75 << "7.750";
    QTest::newRow("zero rate") << 3 << 0.0 << "0.000";
    QTest::newRow("third") << 3 << 1.0 / 3.0 << "0.333";
    QTest::newRow("no thousands separators") << 3 << 12345.5 << "12345.500";
}

void TestFnpNumericEdit::valueIsWrittenInThePattern() {
    QFETCH(int, decimals);
    QFETCH(double, value);
    QFETCH(QString, text);
    edit()->setDecimals(decimals);
    edit()->setValue(value);
    QCOMPARE(edit()->text(), text);
    QVERIFY(edit()->hasNumber());
}

void TestFnpNumericEdit::changingDecimalsRewritesTheText() {
    TFnpNumericEdit fresh;
    QCOMPARE(fresh.text(), QStringLiteral("0"));
    edit()->setValue(7.75);
    edit()->setDecimals(1);
    QCOMPARE(edit()->text(), QStringLiteral("7.8"));
    QCOMPARE(edit()->value(), 7.8);
}

void TestFnpNumericEdit::typingIsFiltered_data() {
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::newRow("no minus, no letters") << 3 << "-7a.5+x"
                                          << "7.5";
    QTest::newRow("one separator") << 3 << "1.2.3"
                                   << "1.23";
    QTest::newRow("no separator without decimals") << 0 << "20.30"
                                                   << "2030";
    QTest::newRow("no thousands separator") << 0 << "2,030"
                                            << "2030";
    QTest::newRow("no blanks") << 3 << " 6 . 25 "
                               << "6.25";
}

void TestFnpNumericEdit::typingIsFiltered() {
    QFETCH(int, decimals);
    QFETCH(QString, typed);
    QFETCH(QString, text);
    edit()->setDecimals(decimals);
    m_form->enter();
    edit()->clear();
    QTest::keyClicks(edit(), typed);
    QCOMPARE(edit()->text(), text);
}

void TestFnpNumericEdit::leavingRewritesInThePatternBeforeExited() {
    QString seenText;
    double seenValue = -1;
    connect(edit(), &TFnpNumericEdit::exited, this, [&] {
        seenText = edit()->text();
        seenValue = edit()->value();
    });
    m_form->enter();
    edit()->selectAll();
    QTest::keyClicks(edit(), QStringLiteral("6."));
    QTest::keyClick(edit(), Qt::Key_Home);
    QTest::keyClick(edit(), Qt::Key_Delete);
    QTest::keyClicks(edit(), QStringLiteral("12"));
    QCOMPARE(edit()->text(), QStringLiteral("12."));
    m_form->leave();
    QTRY_COMPARE(seenText, QStringLiteral("12.000"));
    QCOMPARE(seenValue, 12.0);
}

void TestFnpNumericEdit::leftFieldAlwaysHoldsANumber() {
    edit()->setValue(7.75);
    QSignalSpy exited(edit(), &TFnpNumericEdit::exited);
    m_form->enter();
    edit()->selectAll();
    QTest::keyClick(edit(), Qt::Key_Backspace);
    // While edited, the owner can tell the empty text from 0.
    QVERIFY(!edit()->hasNumber());
    QCOMPARE(edit()->value(), 0.0);
    m_form->leave();
    QTRY_COMPARE(exited.count(), 1);
    QCOMPARE(edit()->text(), QStringLiteral("0.000"));

    // A text that is no number (a lone separator) gives way to the last number.
    edit()->setValue(7.75);
    m_form->enter();
    edit()->selectAll();
    QTest::keyClicks(edit(), QStringLiteral("."));
    m_form->leave();
    QTRY_COMPARE(exited.count(), 2);
    QCOMPARE(edit()->text(), QStringLiteral("7.750"));
    QCOMPARE(edit()->value(), 7.75);
}

void TestFnpNumericEdit::readOnlyFieldCannotBeTyped() {
    edit()->setDecimals(0);
    edit()->setValue(360);
    edit()->setReadOnly(true);
    QSignalSpy exited(edit(), &TFnpNumericEdit::exited);
    m_form->enter();
    QTest::keyClicks(edit(), QStringLiteral("12"));
    QTest::keyClick(edit(), Qt::Key_Backspace);
    QCOMPARE(edit()->text(), QStringLiteral("360"));
    m_form->leave();
    QTRY_COMPARE(exited.count(), 1);
    edit()->setValue(-1);
    QCOMPARE(edit()->text(), QStringLiteral("-1"));
}

void TestFnpNumericEdit::otherDecimalSeparator() {
    const RegionalSettings comma = TestSupport::commaDecimalSettings();
    edit()->setValue(7.75);
    edit()->setRegionalSettings(comma);
    QCOMPARE(edit()->text(), QStringLiteral("7,750"));
    QCOMPARE(edit()->value(), 7.75);

    m_form->enter();
    edit()->clear();
    QTest::keyClicks(edit(), QStringLiteral("5.2,5"));
    QCOMPARE(edit()->text(), QStringLiteral("52,5"));
    edit()->clear();
    QTest::keyClicks(edit(), QStringLiteral("4"));
    QTest::keyClick(edit(), Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClicks(edit(), QStringLiteral("5"));
    m_form->leave();
    QTRY_COMPARE(edit()->text(), QStringLiteral("4,500"));
}

TLMR_GUI_TEST_MAIN(TestFnpNumericEdit)
#include "test_fnp_numeric_edit.moc"
