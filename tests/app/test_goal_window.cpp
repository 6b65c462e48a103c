#include "AppTestSupport.h"

#include "app/GoalLink.h"
#include "app/GoalWindow.h"
#include "calc/GoalSolver.h"
#include "calc/GoalTexts.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

using namespace AppTest;

Q_DECLARE_METATYPE(GoalUnknown)

// The Goal window over the real main window: its answers against the solver,
// its Apply buttons, and the goal marks on the grid.
class TestGoalWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TfrmMain> w;

    GoalWindow* goal() const { return w->findChild<GoalWindow*>(QStringLiteral("frmGoal")); }
    template <typename T>
    T* goalControl(const char* name) const {
        return control<T>(goal(), name);
    }
    void setTarget(const QString& text) { typeAndLeave(goalControl<TNumEdit>("edtTarget"), text); }
    ScheduleInputs mainInputs() const { return w->snapshot().inputs; }

private slots:
    void init() {
        removeSettings();
        dialogs().clear();
        w = openWindow();
        // Balance 1000, savings 100, Jan 2000 to Jan 2010, monthly, 6 %, steps $25 and 1/4 %.
        typeAndLeave(ui(w).edtBalance, QStringLiteral("1000"));
        typeAndLeave(ui(w).edtSavings, QStringLiteral("100"));
        typeAndLeave(ui(w).edtFirstYear, QStringLiteral("2000"));
        typeAndLeave(ui(w).edtLastYear, QStringLiteral("2010"));
        typeAndLeave(ui(w).edtInterest, QStringLiteral("6"));
        pickStep(ui(w).rgSavings, 1);
        QCOMPARE(cell(w.get(), 4, 1), QStringLiteral(" $18,207.33"));
    }
    void cleanup() {
        w.reset();
        removeSettings();
        QCOMPARE(dialogs().count(), 0);
    }

    void opensFromBothMenus() {
        QVERIFY(!goal());
        control<QMenu>(w.get(), "mnuPop")->actions().last()->trigger();
        QVERIFY(goal());
        QTRY_VERIFY(goal()->isVisible());
        QCOMPARE(goal()->windowTitle(), QStringLiteral("Goal - Tallowmere"));
        QVERIFY(!goal()->isModal());
        QTRY_COMPARE(QApplication::focusWidget(),
                     static_cast<QWidget*>(goalControl<TNumEdit>("edtTarget")));
        QTest::keyClick(goal(), Qt::Key_Escape);
        QTRY_VERIFY(!goal()->isVisible());
        control<QAction>(w.get(), "mnuFileGoal")->trigger();
        QTRY_VERIFY(goal()->isVisible());
    }

    void answersFollowTheMainWindowAndApply_data() {
        QTest::addColumn<GoalUnknown>("unknown");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("shown");
        QTest::newRow("savings") << GoalUnknown::Savings << "lblGoalSavings"
                                 << "btnApplySavings"
                                 << "$110.94";
        QTest::newRow("balance") << GoalUnknown::Balance << "lblGoalBalance"
                                 << "btnApplyBalance"
                                 << "$1,985.31";
        QTest::newRow("term") << GoalUnknown::Term << "lblGoalTerm"
                              << "btnApplyTerm"
                              << "Nov 2010 (130 months)";
        QTest::newRow("rate") << GoalUnknown::Rate << "lblGoalRate"
                              << "btnApplyRate"
                              << "7.580%";
    }

    void answersFollowTheMainWindowAndApply() {
        QFETCH(GoalUnknown, unknown);
        QFETCH(QString, label);
        QFETCH(QString, button);
        QFETCH(QString, shown);
        control<QAction>(w.get(), "mnuFileGoal")->trigger();
        QTRY_VERIFY(goal() && goal()->isActiveWindow());
        QVERIFY(!goalControl<QPushButton>(qPrintable(button))->isEnabled());
        setTarget(QStringLiteral("20000"));
        QCOMPARE(goal()->target(), std::optional<double>(20000));

        const GoalAnswer expected = solveGoal(mainInputs(), 20000, unknown);
        QCOMPARE(goalControl<QLabel>(qPrintable(label))->text(), shown);
        QVERIFY(shown.startsWith(goalAnswerText(expected, RegionalSettings::unitedStates())));

        // The main window changes: the answers follow.
        w->activateWindow();
        QTRY_VERIFY(w->isActiveWindow());
        typeAndLeave(ui(w).edtInterest, QStringLiteral("5"));
        QCOMPARE(mainInputs().rate, 5.0);
        const GoalAnswer atFive = solveGoal(mainInputs(), 20000, unknown);
        QVERIFY(atFive.solved());
        QCOMPARE(goal()->answer(unknown).value, atFive.value);
        QVERIFY(goalControl<QLabel>(qPrintable(label))
                    ->text()
                    .startsWith(goalAnswerText(atFive, RegionalSettings::unitedStates())));

        // Apply puts the value into the main window, which recalculates: the
        // base cell now reaches the goal.
        auto* apply = goalControl<QPushButton>(qPrintable(button));
        QVERIFY(apply->isEnabled());
        QTest::mouseClick(apply, Qt::LeftButton);
        QCOMPARE(w->snapshot().values[kBaseRow][kBaseColumn], atFive.futureValue);
        QVERIFY(w->snapshot().values[kBaseRow][kBaseColumn] >= 20000);
        switch (unknown) {
        case GoalUnknown::Savings:
            QCOMPARE(static_cast<double>(ui(w).edtSavings->value()), atFive.value);
            break;
        case GoalUnknown::Balance:
            QCOMPARE(static_cast<double>(ui(w).edtBalance->value()), atFive.value);
            break;
        case GoalUnknown::Term:
            QCOMPARE(ui(w).cbLastMonth->currentText(), atFive.lastMonth);
            QCOMPARE(ui(w).edtLastYear->text(), QString::number(atFive.lastYear));
            QCOMPARE(ui(w).edtTerm->text(), QString::number(atFive.value));
            break;
        case GoalUnknown::Rate:
            QCOMPARE(ui(w).edtInterest->text(), QString::number(atFive.value, 'f', 3));
            break;
        }
    }

    void keyboardOnly() {
        QTest::keyClick(w.get(), Qt::Key_F, Qt::AltModifier);
        auto* file = control<QMenu>(w.get(), "mnuFile");
        QTRY_VERIFY(file->isVisible());
        QTest::keyClick(file, Qt::Key_G);
        QTRY_VERIFY(goal() && goal()->isActiveWindow());
        auto* target = goalControl<TNumEdit>("edtTarget");
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(target));
        QTest::keyClicks(target, QStringLiteral("20000"));
        QTest::keyClick(target, Qt::Key_Return); // confirms, as leaving would
        QCOMPARE(goal()->target(), std::optional<double>(20000));
        QVERIFY(goal()->isVisible());
        // Tab reaches the first Apply button; Space presses it.
        QTest::keyClick(target, Qt::Key_Tab);
        auto* apply = goalControl<QPushButton>("btnApplySavings");
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(apply));
        QVERIFY(apply->text().contains(QStringLiteral("&S")));
        QTest::keyClick(apply, Qt::Key_Space);
        QCOMPARE(static_cast<double>(ui(w).edtSavings->value()), 110.94);
        QCOMPARE(cell(w.get(), 4, 1), QStringLiteral(" $20,000.17"));
    }

    void unreachableGoalsSaySoAndCannotBeApplied() {
        control<QAction>(w.get(), "mnuFileGoal")->trigger();
        QTRY_VERIFY(goal() && goal()->isActiveWindow());
        setTarget(QStringLiteral("1500"));
        QCOMPARE(goalControl<QLabel>("lblGoalSavings")->text(),
                 QStringLiteral(
                     "The initial balance alone reaches the goal; no monthly saving is needed."));
        QVERIFY(!goalControl<QPushButton>("btnApplySavings")->isEnabled());
        QVERIFY(!goalControl<QPushButton>("btnApplyRate")->isEnabled());
        QVERIFY(goalControl<QPushButton>("btnApplyBalance")->isEnabled() == false);
    }

    void gridMarksTheCellsThatReachTheGoal() {
        TStringAlignGrid* grid = ui(w).grdFV;
        const QColor plain = grid->effectiveBackground(2, 3);
        control<QAction>(w.get(), "mnuFileGoal")->trigger();
        QTRY_VERIFY(goal() && goal()->isActiveWindow());
        setTarget(QStringLiteral("20000"));
        // Row 1 ($100, at most $19,032.71) stays as it was, every later row is marked.
        for (int column = 1; column < kGridColumns; ++column) {
            QCOMPARE(grid->effectiveBackground(column, 1), QColor(Qt::yellow));
            QCOMPARE(grid->effectiveBackground(column, 2),
                     column == kBaseColumn ? GoalLink::markOnCross() : GoalLink::mark());
        }
        QVERIFY(GoalLink::mark() != plain);
        const QString hint = grid->hintFor(2, 3);
        QVERIFY2(hint.startsWith(QStringLiteral("Total Invested: $19,000\r\nTotal Earned: ")) &&
                     hint.endsWith(QStringLiteral("\r\nreaches the goal of $20,000.00")) &&
                     hint.count(u'\n') == 2,
                 qPrintable(hint));
        QVERIFY(!grid->hintFor(2, 1).contains(QStringLiteral("goal")));

        // The marks follow the schedule.
        w->activateWindow();
        QTRY_VERIFY(w->isActiveWindow());
        typeAndLeave(ui(w).edtBalance, QStringLiteral("5000"));
        QCOMPARE(grid->effectiveBackground(2, 1), GoalLink::markOnCross());

        // A cleared target removes them; the grid texts are untouched.
        const QString base = cell(w.get(), 4, 1);
        goal()->activateWindow();
        QTRY_VERIFY(goal()->isActiveWindow());
        setTarget(QString());
        QCOMPARE(goal()->target(), std::nullopt);
        QCOMPARE(grid->effectiveBackground(2, 3), plain);
        QCOMPARE(grid->effectiveBackground(2, 1), QColor(Qt::yellow));
        QVERIFY(!grid->hintFor(2, 3).contains(QStringLiteral("goal")));
        QCOMPARE(cell(w.get(), 4, 1), base);
    }
};

TLMR_APP_TEST_MAIN(TestGoalWindow)
#include "test_goal_window.moc"
