#include "AppTestSupport.h"

#include <QApplication>
#include <QToolTip>

using namespace AppTest;

// The input panel and the schedule grid of the real main window, driven with
// keyboard and mouse under United States settings.
class TestMainWindowGrid : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TfrmMain> w;

    // Balance 1000, savings 100, rate 6 %, January 2000 to January 2010, monthly.
    void enterExample() {
        typeAndLeave(ui(w).edtBalance, QStringLiteral("1000"));
        typeAndLeave(ui(w).edtSavings, QStringLiteral("100"));
        typeAndLeave(ui(w).edtFirstYear, QStringLiteral("2000"));
        typeAndLeave(ui(w).edtLastYear, QStringLiteral("2010"));
        typeAndLeave(ui(w).edtInterest, QStringLiteral("6"));
    }

private slots:
    void init() {
        removeSettings();
        dialogs().clear();
        w = openWindow();
    }
    void cleanup() {
        w.reset();
        removeSettings();
        QCOMPARE(dialogs().count(), 0); // no test here expects a message
    }

    void firstRunShowsDefaults() {
        QCOMPARE(w->windowTitle(), QStringLiteral("Tallowmere, 1.3.00"));
        QCOMPARE(ui(w).edtBalance->text(), QStringLiteral("0.00")); // focused: plain figure
        QCOMPARE(ui(w).edtSavings->text(), QStringLiteral("$0.00"));
        QCOMPARE(ui(w).edtInterest->text(), QStringLiteral("0.000"));
        QCOMPARE(ui(w).cbFrequency->currentText(), QStringLiteral("Monthly"));
        QCOMPARE(ui(w).cbFirstMonth->currentText(), QStringLiteral("Jan"));
        QCOMPARE(ui(w).cbLastMonth->currentText(), QStringLiteral("Jan"));
        QCOMPARE(ui(w).edtFirstYear->text(), QStringLiteral("2001"));
        QCOMPARE(ui(w).edtLastYear->text(), QStringLiteral("2031"));
        QCOMPARE(ui(w).edtTerm->text(), QStringLiteral("360"));
        QCOMPARE(ui(w).rgSavings->itemIndex(), 0);
        QCOMPARE(ui(w).rgInterest->itemIndex(), 3);
        QCOMPARE(cell(w.get(), 0, 0), QStringLiteral(" Savings/Rate"));
        QCOMPARE(cell(w.get(), 4, 0), QStringLiteral("  0%"));
        QCOMPARE(cell(w.get(), 1, 0), QStringLiteral("  -0.75%"));
        QCOMPARE(cell(w.get(), 0, 11), QStringLiteral(" $100"));
        QCOMPARE(cell(w.get(), 4, 1), QStringLiteral(" $0.00"));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(ui(w).edtBalance));
    }

    void controlsCarryTheirNamesAndHints() {
        const QList<QPair<const char*, QString>> hints{
            {"edtBalance", " Enter the starting balance of your investment"},
            {"edtSavings", " Enter the amount saved each month"},
            {"cbFirstMonth", "Choose the beginning month"},
            {"edtFirstYear", "Enter the initial year"},
            {"cbLastMonth", "Choose the last month"},
            {"edtLastYear", "Enter the final year"},
            {"edtTerm", "Displays term in months"},
            {"cbFrequency", "Choose the compounding frequency"},
            {"edtInterest", " Enter the interest rate"},
        };
        for (const auto& [name, hint] : hints) {
            QWidget* control = w->findChild<QWidget*>(QLatin1String(name));
            QVERIFY2(control, name);
            QCOMPARE(control->statusTip(), hint);
            QVERIFY2(control->toolTip().isEmpty(), name); // only the grid pops up tips
        }
        QVERIFY(ui(w).edtTerm->isReadOnly());
        QCOMPARE(ui(w).edtTerm->palette().color(QPalette::Base), QColor(Qt::yellow));
        QVERIFY(!ui(w).edtIncrease->isVisible());
        QCOMPARE(ui(w).edtIncrease->decimals(), 3);
        QCOMPARE(ui(w).edtInterest->decimals(), 3);
        QCOMPARE(ui(w).cbFirstMonth->count(), 12);
        QCOMPARE(ui(w).cbFrequency->itemText(3), QStringLiteral("Annually"));
        QCOMPARE(ui(w).cbFirstMonth->maxVisibleItems(), 9);
    }

    void tabOrderFollowsTheInputs() {
        ui(w).edtBalance->setFocus(Qt::TabFocusReason);
        QStringList visited;
        for (int i = 0; i < 8; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus);
            visited << (qobject_cast<QRadioButton*>(focus) ? focus->parentWidget()->objectName()
                                                           : focus->objectName());
        }
        QCOMPARE(visited, QStringList({"edtSavings", "cbFirstMonth", "edtFirstYear", "cbLastMonth",
                                       "edtLastYear", "cbFrequency", "edtInterest", "rgSavings"}));
    }

    void gridExampleWithTooltipAndYellowCross() {
        enterExample();
        pickStep(ui(w).rgSavings, 1);
        QCOMPARE(ui(w).rgSavings->itemIndex(), 1);
        QCOMPARE(ui(w).edtTerm->text(), QStringLiteral("120"));

        const QStringList rates{"5.25%", "5.5%", "5.75%", "6%", "6.25%", "6.5%", "6.75%"};
        for (int c = 1; c <= 7; ++c)
            QCOMPARE(cell(w.get(), c, 0), QStringLiteral("  ") + rates[c - 1]);
        for (int r = 1; r <= 11; ++r)
            QCOMPARE(cell(w.get(), 0, r), QStringLiteral(" $%1").arg(100 + 25 * (r - 1)));
        QCOMPARE(cell(w.get(), 4, 1), QStringLiteral(" $18,207.33"));
        QCOMPARE(cell(w.get(), 1, 1), QStringLiteral(" $17,426.22"));
        QCOMPARE(cell(w.get(), 7, 1), QStringLiteral(" $19,032.71"));
        QCOMPARE(cell(w.get(), 4, 11), QStringLiteral(" $59,177.17"));
        QCOMPARE(cell(w.get(), 7, 11), QStringLiteral(" $61,713.68"));
        QCOMPARE(w->snapshot().baseCell(), QStringLiteral(" $18,207.33"));
        QCOMPARE(w->snapshot().strSavingsIncrement, QStringLiteral("$25"));
        QCOMPARE(w->snapshot().strRateIncrement, QStringLiteral("1/4%"));

        QCOMPARE(ui(w).grdFV->hintFor(4, 1),
                 QStringLiteral("Total Invested: $13,000\r\nTotal Earned: $5,207"));

        const QColor yellow(255, 255, 0);
        QCOMPARE(ui(w).grdFV->selectedColumn(), 4);
        QCOMPARE(ui(w).grdFV->selectedRow(), 1);
        for (int r = 1; r <= 11; ++r)
            QCOMPARE(ui(w).grdFV->effectiveBackground(4, r), yellow);
        for (int c = 1; c <= 7; ++c)
            QCOMPARE(ui(w).grdFV->effectiveBackground(c, 1), yellow);
        QVERIFY(ui(w).grdFV->effectiveBackground(3, 2) != yellow);
        QVERIFY(ui(w).grdFV->effectiveBackground(4, 0) != yellow); // headers keep their colour
    }

    void tooltipFollowsThePointerAndSkipsHeaders() {
        enterExample();
        pickStep(ui(w).rgSavings, 1);
        QWidget* viewport = ui(w).grdFV->viewport();

        QTest::mouseMove(viewport, cellCentre(ui(w).grdFV, 4, 1));
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QStringLiteral("Total Invested: $13,000\nTotal Earned: $5,207"));

        QTest::mouseMove(viewport, cellCentre(ui(w).grdFV, 0, 3));
        QVERIFY(!ui(w).grdFV->cellHintsEnabled());
        QTRY_VERIFY(!QToolTip::isVisible());
        QTest::mouseMove(viewport, cellCentre(ui(w).grdFV, 2, 0));
        QVERIFY(!ui(w).grdFV->cellHintsEnabled());

        // Row 2 saves 125 a month: 1000 + 120 x 125 invested.
        QTest::mouseMove(viewport, cellCentre(ui(w).grdFV, 4, 2));
        QVERIFY(ui(w).grdFV->cellHintsEnabled());
        QTRY_VERIFY(QToolTip::isVisible());
        QVERIFY(QToolTip::text().startsWith(QStringLiteral("Total Invested: $16,000\n")));
        QToolTip::hideText();
    }

    void clickOnAnyCellRecalculatesAndKeepsTheBaseCell() {
        enterExample();
        // A new balance typed but not yet left: the click stores it first.
        ui(w).edtBalance->setFocus(Qt::TabFocusReason);
        QTest::keyClick(ui(w).edtBalance, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(ui(w).edtBalance, QStringLiteral("0"));
        for (const QPoint& at : {QPoint(2, 7), QPoint(0, 0), QPoint(7, 11), QPoint(4, 1)}) {
            QTest::mouseClick(ui(w).grdFV->viewport(), Qt::LeftButton, {},
                              cellCentre(ui(w).grdFV, at.x(), at.y()));
            QCOMPARE(ui(w).grdFV->selectedColumn(), 4);
            QCOMPARE(ui(w).grdFV->selectedRow(), 1);
        }
        QCOMPARE(cell(w.get(), 0, 0), QStringLiteral(" Savings/Rate"));
        QCOMPARE(ui(w).edtBalance->text(), QStringLiteral("$0.00"));
        QCOMPARE(cell(w.get(), 4, 1), QStringLiteral(" $16,387.93"));
    }

    // Tab reaches the grid after the step groups; the arrows move the selected
    // cell without recalculating, and the status line reads the cell's split.
    void keyboardWalksTheGridWithTheSplitOnTheStatusLine() {
        enterExample();
        pickStep(ui(w).rgSavings, 1);
        ui(w).rgInterest->button(3)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(ui(w).grdFV));
        QCOMPARE(ui(w).StatusBar1->currentMessage(),
                 QStringLiteral(" $100 a month at 6%: $18,207.33; Total Invested: $13,000; "
                                "Total Earned: $5,207"));

        QTest::keyClick(ui(w).grdFV, Qt::Key_Down);
        QTest::keyClick(ui(w).grdFV, Qt::Key_Right);
        QCOMPARE(ui(w).grdFV->keyboardCell(), QPoint(5, 2));
        QCOMPARE(ui(w).grdFV->selectedColumn(), 5);
        QVERIFY(ui(w).StatusBar1->currentMessage().startsWith(
            QStringLiteral(" $125 a month at 6.25%: ")));
        QVERIFY(ui(w).StatusBar1->currentMessage().contains(
            QStringLiteral("; Total Invested: $16,000; ")));

        // The next calculation puts the selection back on the base cell.
        typeAndLeave(ui(w).edtInterest, QStringLiteral("7"));
        QCOMPARE(ui(w).grdFV->keyboardCell(), QPoint(4, 1));
    }

    void amountFieldsStoreWhatWasTyped_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("baseCell");
        QTest::newRow("leading minus") << "-1500" << -1500.0 << "($1,500.00)"
                                       << " ($1,500.00)";
        QTest::newRow("trailing minus") << "1500-" << -1500.0 << "($1,500.00)"
                                        << " ($1,500.00)";
        // Shown rounded half to even, calculated with the exact value.
        QTest::newRow("eighth") << "0.125" << 0.125 << "$0.12"
                                << " $0.13";
        QTest::newRow("three eighths") << "0.375" << 0.375 << "$0.38"
                                       << " $0.38";
        QTest::newRow("empty") << "" << 0.0 << "$0.00"
                               << " $0.00";
    }
    void amountFieldsStoreWhatWasTyped() {
        QFETCH(QString, typed);
        QFETCH(double, stored);
        QFETCH(QString, shown);
        QFETCH(QString, baseCell);
        typeAndLeave(ui(w).edtBalance, typed);
        QCOMPARE(static_cast<double>(ui(w).edtBalance->value()), stored);
        QCOMPARE(ui(w).edtBalance->text(), shown);
        // Savings and rate are 0, so every value of the rate-0 column is the balance.
        QCOMPARE(cell(w.get(), 4, 1), baseCell);
    }

    void focusFromTheProgramSelectsTheWholeText_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("start-up") << "start-up";
        QTest::newRow("reset") << "reset";
        QTest::newRow("tab") << "tab";
    }
    void focusFromTheProgramSelectsTheWholeText() {
        QFETCH(QString, how);
        typeAndLeave(ui(w).edtBalance, QStringLiteral("1000"));
        if (how == QLatin1String("start-up")) {
            QVERIFY(w->close());
            w.reset();
            w = openWindow(); // the 1000 comes back from the settings file
        } else if (how == QLatin1String("reset")) {
            typeAndLeave(ui(w).edtSavings, QStringLiteral("5"));
            QTest::mouseClick(control<QWidget>(w.get(), "btnReset"), Qt::LeftButton);
        } else {
            ui(w).edtSavings->setFocus(Qt::MouseFocusReason);
            QTest::keyClick(ui(w).edtSavings, Qt::Key_Backtab);
        }
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(ui(w).edtBalance));
        // Typing replaces the whole amount instead of appending to it.
        QTest::keyClicks(ui(w).edtBalance, QStringLiteral("2500"));
        QTest::keyClick(ui(w).edtBalance, Qt::Key_Tab);
        QCOMPARE(static_cast<double>(ui(w).edtBalance->value()), 2500.0);

        // A click places the cursor and keeps the text.
        ui(w).edtInterest->setFocus(Qt::MouseFocusReason);
        QVERIFY(!ui(w).edtInterest->hasSelectedText());
        ui(w).edtInterest->setFocus(Qt::TabFocusReason);
        ui(w).edtFirstYear->setFocus(Qt::TabFocusReason);
        QCOMPARE(ui(w).edtFirstYear->selectedText(), ui(w).edtFirstYear->text());
    }

    void yearsHoldFourDigitsAtMost() {
        ui(w).edtFirstYear->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(ui(w).edtFirstYear, QStringLiteral("123456"));
        QCOMPARE(ui(w).edtFirstYear->text(), QStringLiteral("1234"));
        // Pasted: cut to four digits; in exponent form: no number, the old year stays.
        ui(w).edtLastYear->setFocus(Qt::TabFocusReason);
        pasteOver(ui(w).edtLastYear, QStringLiteral("999999999999999"));
        QCOMPARE(ui(w).edtLastYear->text(), QStringLiteral("9999"));
        QTest::keyClick(ui(w).edtLastYear, Qt::Key_Tab);
        QCOMPARE(ui(w).edtTerm->text(), QString::number((9999 - 1234) * 12));
        ui(w).edtLastYear->setFocus(Qt::TabFocusReason);
        pasteOver(ui(w).edtLastYear, QStringLiteral("9e99"));
        QTest::keyClick(ui(w).edtLastYear, Qt::Key_Tab);
        QCOMPARE(ui(w).edtLastYear->text(), QStringLiteral("9999"));

        // A saved year the field cannot hold is refused for the default.
        QVERIFY(w->close());
        w.reset();
        QVERIFY(writeSettings("[LastValues]\nFirstYear=-5\nLastYear=999999999999999\n"));
        w = openWindow();
        QCOMPARE(ui(w).edtFirstYear->text(), QStringLiteral("2001"));
        QCOMPARE(ui(w).edtLastYear->text(), QStringLiteral("2031"));
        QCOMPARE(ui(w).edtTerm->text(), QStringLiteral("360"));
    }

    void monthsAreValidatedOnEveryChange() {
        for (EditableComboBox* combo : {ui(w).cbFirstMonth, ui(w).cbLastMonth}) {
            combo->setFocus(Qt::TabFocusReason);
            QTest::keyClick(combo, Qt::Key_Down); // picks "Feb"
            QCOMPARE(combo->currentText(), QStringLiteral("Feb"));
            QCOMPARE(ui(w).edtTerm->text(),
                     combo == ui(w).cbFirstMonth ? QStringLiteral("359") : QStringLiteral("361"));

            QTest::keyClick(combo->lineEdit(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(combo->lineEdit(), QStringLiteral("feb"));
            QCOMPARE(combo->currentText(), QStringLiteral("Jan"));
        }
        QCOMPARE(ui(w).edtTerm->text(), QStringLiteral("360"));
    }

    void frequencyChangeRecalculatesAtOnce() {
        enterExample();
        QCOMPARE(cell(w.get(), 4, 1), QStringLiteral(" $18,207.33"));
        ui(w).cbFrequency->setFocus(Qt::TabFocusReason);
        QTest::keyClick(ui(w).cbFrequency, Qt::Key_Down);
        QCOMPARE(ui(w).cbFrequency->currentText(), QStringLiteral("Quarterly"));
        QCOMPARE(cell(w.get(), 4, 1), QStringLiteral(" $18,094.39"));
        QTest::keyClick(ui(w).cbFrequency, Qt::Key_Down);
        QCOMPARE(cell(w.get(), 4, 1), QStringLiteral(" $17,928.34"));

        // Typed letter by letter: unknown names count as monthly on the way.
        QTest::keyClick(ui(w).cbFrequency->lineEdit(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(ui(w).cbFrequency->lineEdit(), QStringLiteral("Dai"));
        QCOMPARE(cell(w.get(), 4, 1), QStringLiteral(" $18,207.33"));
        QTest::keyClicks(ui(w).cbFrequency->lineEdit(), QStringLiteral("ly"));
        QCOMPARE(cell(w.get(), 4, 1), QStringLiteral(" $18,262.61"));
        QVERIFY(ui(w).cbFrequency->hasFocus());
    }

    void termEdges() {
        typeAndLeave(ui(w).edtBalance, QStringLiteral("1000"));
        typeAndLeave(ui(w).edtSavings, QStringLiteral("100"));
        typeAndLeave(ui(w).edtInterest, QStringLiteral("6"));
        typeAndLeave(ui(w).edtLastYear, QStringLiteral("2001"));
        QCOMPARE(ui(w).edtTerm->text(), QStringLiteral("0"));
        for (int c = 1; c <= 7; ++c)
            for (int r = 1; r <= 11; ++r)
                QCOMPARE(cell(w.get(), c, r), QStringLiteral(" $1,000.00"));

        // March 2001 to February 2001.
        ui(w).cbFirstMonth->setFocus(Qt::TabFocusReason);
        QTest::keyClick(ui(w).cbFirstMonth, Qt::Key_Down);
        QTest::keyClick(ui(w).cbFirstMonth, Qt::Key_Down);
        ui(w).cbLastMonth->setFocus(Qt::TabFocusReason);
        QTest::keyClick(ui(w).cbLastMonth, Qt::Key_Down);
        QCOMPARE(ui(w).edtTerm->text(), QStringLiteral("-1"));
        QVERIFY(!cell(w.get(), 4, 1).isEmpty());
    }

    void rateStepsFanOutAroundTheRate() {
        typeAndLeave(ui(w).edtInterest, QStringLiteral("5"));
        pickStep(ui(w).rgInterest, 4); // one third
        const QStringList expected{"4%", "4.3333%", "4.6667%", "5%", "5.3333%", "5.6667%", "6%"};
        for (int c = 1; c <= 7; ++c)
            QCOMPARE(cell(w.get(), c, 0), QStringLiteral("  ") + expected[c - 1]);
        QCOMPARE(w->snapshot().strRateIncrement, QStringLiteral("1/3%"));
    }
};

TLMR_GUI_TEST_MAIN(TestMainWindowGrid)
#include "test_mainwindow_grid.moc"
