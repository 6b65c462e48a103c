#include "widgets/TNumEdit.h"

#include "FocusHarness.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestRegionalSettings.h"

#include <QClipboard>
#include <QSignalSpy>
#include <QtTest>

using TestSupport::commaDecimalSettings;

class TestTNumEdit : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void displayWithoutFocus_data();
    void displayWithoutFocus();
    void focusedTextIsThePlainFigure_data();
    void focusedTextIsThePlainFigure();
    void leavingParsesTheTypedText_data();
    void leavingParsesTheTypedText();
    void valueIsStoredBeforeExitedFires();
    void passingThroughKeepsTheExactValue();
    void hugeValueSurvivesAFocusPass_data();
    void hugeValueSurvivesAFocusPass();
    void refusedKeys();
    void oneDecimalSeparatorAndOneMinus();
    void navigationAndClipboardKeysStillWork();
    void lengthLimitGrowsWithSeparatorAndMinus();
    void pastedTwoSeparatorsKeepsThePreviousValue();
    void contextMenuFocusChangeIsNotAnExit();
    void otherRegionalSettings();
    void currencySymbolIsNoPartOfTheFigure();

private:
    FocusHarness<TNumEdit>* m_form = nullptr;
    TNumEdit* edit() { return m_form->widget; }
    void typeAndLeave(const QString& text);
    void paste(const QString& text);
};

void TestTNumEdit::init() {
    m_form = new FocusHarness<TNumEdit>();
    edit()->setRegionalSettings(RegionalSettings::unitedStates());
    QVERIFY(m_form->ready());
    // Activation gave the edit the focus; start without it.
    m_form->leave();
    QTRY_VERIFY(!edit()->hasFocus());
}

void TestTNumEdit::cleanup() {
    delete m_form;
    m_form = nullptr;
}

void TestTNumEdit::typeAndLeave(const QString& text) {
    m_form->enter();
    edit()->selectAll();
    QTest::keyClick(edit(), Qt::Key_Backspace);
    QTest::keyClicks(edit(), text);
    QCOMPARE(edit()->text(), text);
    m_form->leave();
}

// Replaces the whole text through the clipboard, as the user's paste does.
void TestTNumEdit::paste(const QString& text) {
    QApplication::clipboard()->setText(text);
    QTest::keyClick(edit(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit(), Qt::Key_V, Qt::ControlModifier);
}

void TestTNumEdit::displayWithoutFocus_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("display");
    QTest::newRow("thousands") << 1500.0 << "$1,500.00";
    QTest::newRow("negative") << -1500.0 << "($1,500.00)";
    QTest::newRow("zero") << 0.0 << "$0.00";
    QTest::newRow("half to even down") << 0.125 << "$0.12";
    QTest::newRow("half to even up") << 0.375 << "$0.38";
    QTest::newRow("twelve digits") << 999999999999.0 << "$999,999,999,999.00";
}

void TestTNumEdit::displayWithoutFocus() {
    QFETCH(double, value);
    QFETCH(QString, display);
    edit()->setValue(value);
    QCOMPARE(edit()->text(), display);
}

void TestTNumEdit::focusedTextIsThePlainFigure_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("focused");
    QTest::addColumn<QString>("display");
    QTest::newRow("thousands") << 1500.0 << "1,500.00"
                               << "$1,500.00";
    QTest::newRow("negative") << -1500.0 << "-1,500.00"
                              << "($1,500.00)";
    QTest::newRow("zero") << 0.0 << "0.00"
                          << "$0.00";
    QTest::newRow("rounded cents") << 0.125 << "0.12"
                                   << "$0.12";
    // Longer than the typing limit, yet shown whole.
    QTest::newRow("long") << -12345678901.2 << "-12,345,678,901.20"
                          << "($12,345,678,901.20)";
}

void TestTNumEdit::focusedTextIsThePlainFigure() {
    QFETCH(double, value);
    QFETCH(QString, focused);
    QFETCH(QString, display);
    edit()->setValue(value);
    m_form->enter();
    QTRY_VERIFY(edit()->hasFocus());
    QCOMPARE(edit()->text(), focused);
    m_form->leave();
    QTRY_VERIFY(!edit()->hasFocus());
    QCOMPARE(edit()->text(), display);
}

void TestTNumEdit::leavingParsesTheTypedText_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("stored");
    QTest::addColumn<QString>("display");
    QTest::newRow("leading minus") << "-1500" << -1500.0 << "($1,500.00)";
    QTest::newRow("trailing minus") << "1500-" << -1500.0 << "($1,500.00)";
    QTest::newRow("minus in the middle is dropped") << "15-00" << 1500.0 << "$1,500.00";
    QTest::newRow("exact decimals kept") << "0.125" << 0.125 << "$0.12";
    QTest::newRow("rounds up for display") << "0.375" << 0.375 << "$0.38";
    QTest::newRow("thousands separators dropped")
        << "1,234,567.891" << 1234567.891 << "$1,234,567.89";
    QTest::newRow("empty is zero") << "" << 0.0 << "$0.00";
    QTest::newRow("minus alone is zero") << "-" << 0.0 << "$0.00";
    QTest::newRow("minus zero is zero") << "-0" << 0.0 << "$0.00";
    QTest::newRow("separator first") << ".5" << 0.5 << "$0.50";
    QTest::newRow("separator last") << "7." << 7.0 << "$7.00";
}

void TestTNumEdit::leavingParsesTheTypedText() {
    QFETCH(QString, typed);
    QFETCH(double, stored);
    QFETCH(QString, display);
    edit()->setValue(42);
    QSignalSpy exited(edit(), &TNumEdit::exited);
    typeAndLeave(typed);
    QTRY_COMPARE(exited.count(), 1);
    QCOMPARE(static_cast<double>(edit()->value()), stored);
    QVERIFY(!std::signbit(static_cast<double>(edit()->value())) || stored < 0);
    QCOMPARE(edit()->text(), display);
}

void TestTNumEdit::valueIsStoredBeforeExitedFires() {
    long double seenValue = -1;
    QString seenText;
    connect(edit(), &TNumEdit::exited, this, [&] {
        seenValue = edit()->value();
        seenText = edit()->text();
    });
    typeAndLeave(QStringLiteral("0.125"));
    QTRY_COMPARE(seenText, QStringLiteral("$0.12"));
    // Stored as typed (the long double nearest 0.125), not rounded to cents.
    QVERIFY(seenValue == 0.125L);
}

void TestTNumEdit::passingThroughKeepsTheExactValue() {
    const long double exact = 2.0L / 3.0L;
    edit()->setValue(exact);
    QSignalSpy exited(edit(), &TNumEdit::exited);
    m_form->enter();
    QTRY_COMPARE(edit()->text(), QStringLiteral("0.67"));
    m_form->leave();
    QTRY_COMPARE(exited.count(), 1);
    QVERIFY(edit()->value() == exact);
    QCOMPARE(edit()->text(), QStringLiteral("$0.67"));

    // Typing the same figure again is an edit and stores what was typed.
    typeAndLeave(QStringLiteral("0.67"));
    QTRY_COMPARE(exited.count(), 2);
    QVERIFY(edit()->value() == 0.67L);
}

// Amounts too large for the currency form, pasted: the display falls back to
// exponent form, whose digits alone would be a different number.
void TestTNumEdit::hugeValueSurvivesAFocusPass_data() {
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("focused");
    QTest::newRow("1e15") << "1000000000000000"
                          << "1000000000000000.00";
    QTest::newRow("more digits than a double") << "12345678901234567.891"
                                               << "12345678901234567.89";
}

void TestTNumEdit::hugeValueSurvivesAFocusPass() {
    QFETCH(QString, pasted);
    QFETCH(QString, focused);
    m_form->enter();
    QTRY_VERIFY(edit()->hasFocus());
    paste(pasted);
    m_form->leave();
    QTRY_VERIFY(!edit()->hasFocus());
    const long double value = edit()->value();
    const QString display = edit()->text();
    QVERIFY2(display.contains(u'E'), qPrintable(display));
    m_form->enter();
    QTRY_VERIFY(edit()->hasFocus());
    QCOMPARE(edit()->text(), focused);
    m_form->leave();
    QTRY_VERIFY(!edit()->hasFocus());
    QVERIFY(edit()->value() == value);
    QCOMPARE(edit()->text(), display);
}

void TestTNumEdit::refusedKeys() {
    m_form->enter();
    edit()->clear();
    QTest::keyClicks(edit(), QStringLiteral("1a2 3$4(5)+6e7_8"));
    QCOMPARE(edit()->text(), QStringLiteral("12345678"));
    QTest::keyClick(edit(), Qt::Key_Backspace);
    QCOMPARE(edit()->text(), QStringLiteral("1234567"));
    QTest::keyClicks(edit(), QStringLiteral(",8"));
    QCOMPARE(edit()->text(), QStringLiteral("1234567,8"));
}

void TestTNumEdit::oneDecimalSeparatorAndOneMinus() {
    m_form->enter();
    edit()->clear();
    QTest::keyClicks(edit(), QStringLiteral("-1.2.3-"));
    QCOMPARE(edit()->text(), QStringLiteral("-1.23"));

    // Overtyping the selected separator with a new one is allowed.
    edit()->setSelection(2, 1);
    QTest::keyClicks(edit(), QStringLiteral("."));
    QCOMPARE(edit()->text(), QStringLiteral("-1.23"));
}

void TestTNumEdit::navigationAndClipboardKeysStillWork() {
    m_form->enter();
    edit()->clear();
    QTest::keyClicks(edit(), QStringLiteral("1500"));
    QTest::keyClick(edit(), Qt::Key_Home);
    QTest::keyClick(edit(), Qt::Key_Minus);
    QCOMPARE(edit()->text(), QStringLiteral("-1500"));
    QTest::keyClick(edit(), Qt::Key_Home);
    QTest::keyClick(edit(), Qt::Key_Delete);
    QCOMPARE(edit()->text(), QStringLiteral("1500"));
    QTest::keyClick(edit(), Qt::Key_End);
    QTest::keyClick(edit(), Qt::Key_Left);
    QTest::keyClick(edit(), Qt::Key_Backspace);
    QCOMPARE(edit()->text(), QStringLiteral("150"));
    QTest::keyClick(edit(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(edit()->text(), QStringLiteral("1500"));

    QTest::keyClick(edit(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(edit()->selectedText(), QStringLiteral("1500"));
    QTest::keyClick(edit(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1500"));
    QTest::keyClick(edit(), Qt::Key_End);
    QTest::keyClick(edit(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit()->text(), QStringLiteral("15001500"));
    QTest::keyClick(edit(), Qt::Key_Z, Qt::ControlModifier);

    // Tab leaves the field like any other focus change.
    QSignalSpy exited(edit(), &TNumEdit::exited);
    QTest::keyClick(edit(), Qt::Key_Tab);
    QTRY_COMPARE(exited.count(), 1);
    QCOMPARE(static_cast<double>(edit()->value()), 1500.0);
}

void TestTNumEdit::lengthLimitGrowsWithSeparatorAndMinus() {
    m_form->enter();
    edit()->clear();
    QTest::keyClicks(edit(), QStringLiteral("1234567890123"));
    QCOMPARE(edit()->text(), QStringLiteral("123456789012"));

    edit()->clear();
    QTest::keyClicks(edit(), QStringLiteral("12345678901.56"));
    QCOMPARE(edit()->text(), QStringLiteral("12345678901.5"));

    edit()->clear();
    QTest::keyClicks(edit(), QStringLiteral("-12345678901.567"));
    QCOMPARE(edit()->text(), QStringLiteral("-12345678901.5"));

    // At the limit, a separator still fits (it raises the limit) ...
    edit()->clear();
    QTest::keyClicks(edit(), QStringLiteral("123456789012."));
    QCOMPARE(edit()->text(), QStringLiteral("123456789012."));
    // ... and removing it brings the limit back down for the next digit.
    QTest::keyClick(edit(), Qt::Key_Backspace);
    QTest::keyClicks(edit(), QStringLiteral("3"));
    QCOMPARE(edit()->text(), QStringLiteral("123456789012"));
}

void TestTNumEdit::pastedTwoSeparatorsKeepsThePreviousValue() {
    edit()->setValue(250);
    QSignalSpy exited(edit(), &TNumEdit::exited);
    m_form->enter();
    QTRY_VERIFY(edit()->hasFocus());
    paste(QStringLiteral("1.2.3"));
    QCOMPARE(edit()->text(), QStringLiteral("1.2.3"));
    m_form->leave();
    QTRY_COMPARE(exited.count(), 1);
    QCOMPARE(static_cast<double>(edit()->value()), 250.0);
    QCOMPARE(edit()->text(), QStringLiteral("$250.00"));

    // Pasted text with letters is cleaned on exit.
    m_form->enter();
    QTRY_VERIFY(edit()->hasFocus());
    paste(QStringLiteral("USD 1,234.50"));
    m_form->leave();
    QTRY_COMPARE(exited.count(), 2);
    QCOMPARE(static_cast<double>(edit()->value()), 1234.5);
}

void TestTNumEdit::contextMenuFocusChangeIsNotAnExit() {
    edit()->setValue(10);
    m_form->enter();
    QTRY_VERIFY(edit()->hasFocus());
    QTest::keyClick(edit(), Qt::Key_End);
    QTest::keyClicks(edit(), QStringLiteral("5"));
    QSignalSpy exited(edit(), &TNumEdit::exited);
    QFocusEvent out(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(edit(), &out);
    QFocusEvent in(QEvent::FocusIn, Qt::PopupFocusReason);
    QApplication::sendEvent(edit(), &in);
    QCOMPARE(exited.count(), 0);
    QCOMPARE(edit()->text(), QStringLiteral("10.005"));
    QCOMPARE(static_cast<double>(edit()->value()), 10.0);
}

void TestTNumEdit::otherRegionalSettings() {
    edit()->setRegionalSettings(commaDecimalSettings());
    edit()->setValue(-1234.5);
    QCOMPARE(edit()->text(), QStringLiteral("-1.234,50 €"));
    m_form->enter();
    QTRY_COMPARE(edit()->text(), QStringLiteral("-1.234,50"));

    edit()->clear();
    QTest::keyClicks(edit(), QStringLiteral("2.500,75"));
    QCOMPARE(edit()->text(), QStringLiteral("2.500,75"));
    // The keypad's decimal key types the regional separator.
    edit()->clear();
    QTest::keyClicks(edit(), QStringLiteral("3"));
    QTest::keyClick(edit(), Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClicks(edit(), QStringLiteral("25"));
    QCOMPARE(edit()->text(), QStringLiteral("3,25"));
    m_form->leave();
    QTRY_VERIFY(!edit()->hasFocus());
    QCOMPARE(static_cast<double>(edit()->value()), 3.25);
    QCOMPARE(edit()->text(), QStringLiteral("3,25 €"));
}

void TestTNumEdit::currencySymbolIsNoPartOfTheFigure() {
    // A symbol holding the decimal separator must not give the focused text a
    // second one, which would make the next edit unreadable.
    RegionalSettings sol = RegionalSettings::unitedStates();
    sol.currencySymbol = QStringLiteral("S/.");
    edit()->setRegionalSettings(sol);
    edit()->setValue(2.5);
    QCOMPARE(edit()->text(), QStringLiteral("S/.2.50"));
    m_form->enter();
    QTRY_COMPARE(edit()->text(), QStringLiteral("2.50"));
    QTest::keyClick(edit(), Qt::Key_End);
    QTest::keyClicks(edit(), QStringLiteral("5"));
    m_form->leave();
    QTRY_VERIFY(!edit()->hasFocus());
    QCOMPARE(static_cast<double>(edit()->value()), 2.505);

    // Nor a thousands separator.
    RegionalSettings krone = commaDecimalSettings();
    krone.currencySymbol = QStringLiteral("kr.");
    edit()->setRegionalSettings(krone);
    edit()->setValue(1500);
    m_form->enter();
    QTRY_COMPARE(edit()->text(), QStringLiteral("1.500,00"));
}

TLMR_GUI_TEST_MAIN(TestTNumEdit)
#include "test_tnumedit.moc"
