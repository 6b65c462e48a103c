#include "AppTestSupport.h"
#include "app/GrowthWindow.h"
#include "tests/support/ModalWatchdog.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QTableWidget>
#include <memory>

using namespace AppTest;

// Opening the growth window from the main window's grid: by double-click and
// from the pop-up menu, with the mouse and from the keyboard.
class TestGrowthOpen : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TfrmMain> w;
    TStringAlignGrid* grid = nullptr;
    QMenu* popup = nullptr;
    QAction* growthItem = nullptr;

    QPoint cellCentre(int column, int row) const {
        return grid->visualRect(grid->model()->index(row, column)).center();
    }

    // Runs `open`, which should show the growth window modally, and returns
    // the window's last table row (empty when no growth window came).
    QStringList lastRowOfWindowOpenedBy(const std::function<void()>& open) {
        auto lastRow = std::make_shared<QStringList>();
        closeActiveModalLater(20, [lastRow](QWidget* modal) {
            if (auto* window = qobject_cast<GrowthWindow*>(modal)) {
                auto* table = control<QTableWidget>(window, "tblGrowth");
                for (int column = 0; column < table->columnCount(); ++column)
                    *lastRow << table->item(table->rowCount() - 1, column)->text();
            }
            modal->close();
        });
        open();
        return *lastRow;
    }

    // What a real double-click delivers: a click, then the double-click event.
    void doubleClick(int column, int row) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(column, row));
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(column, row));
    }

    void popupFrom(QWidget* target, QContextMenuEvent::Reason reason, QPoint at) {
        QContextMenuEvent event(reason, at, target->mapToGlobal(at));
        QApplication::sendEvent(target, &event);
        QTRY_VERIFY(popup->isVisible());
    }

private slots:
    void init() {
        // Balance 1000, savings 100, Jan 2000 to Jan 2010, 6 %, savings step $25.
        QVERIFY(writeSettings("[LastValues]\r\nSavings=100\r\nBalance=1000\r\nInterest=6\r\n"
                              "FirstYear=2000\r\nLastYear=2010\r\n"));
        dialogs().clear();
        w = openWindow();
        grid = control<TStringAlignGrid>(w.get(), "grdFV");
        popup = control<QMenu>(w.get(), "mnuPop");
        growthItem = control<QAction>(w.get(), "mnuPopGrowth");
        pickStep(control<RadioGroup>(w.get(), "rgSavings"), 1);
    }
    void cleanup() {
        w.reset();
        removeSettings();
        QCOMPARE(dialogs().count(), 0);
    }

    void doubleClickOpensThatCell_data() {
        QTest::addColumn<QPoint>("cell");
        QTest::addColumn<QString>("balance");
        QTest::addColumn<QString>("paidIn");
        QTest::newRow("base cell") << QPoint(4, 1) << "$18,207.33"
                                   << "$13,000.00";
        QTest::newRow("corner") << QPoint(7, 11) << "$61,713.68"
                                << "$43,000.00";
        QTest::newRow("lowest rate") << QPoint(1, 1) << "$17,426.22"
                                     << "$13,000.00";
    }
    void doubleClickOpensThatCell() {
        QFETCH(QPoint, cell);
        QFETCH(QString, balance);
        QFETCH(QString, paidIn);
        const QStringList last = lastRowOfWindowOpenedBy([&] { doubleClick(cell.x(), cell.y()); });
        QCOMPARE(last.value(2), paidIn);
        QCOMPARE(last.value(4), balance);
        QCOMPARE(last.value(4), grid->item(cell.y(), cell.x())->text().trimmed());
        QCOMPARE(grid->selectedColumn(), kBaseColumn); // the click recalculated as ever
    }

    void headerCellsOpenNothing() {
        ModalWatchdog watchdog(500);
        for (const QPoint cell : {QPoint(0, 0), QPoint(0, 5), QPoint(3, 0)})
            doubleClick(cell.x(), cell.y());
        QTest::qWait(700);
        QVERIFY(!watchdog.tripped());

        popupFrom(grid->viewport(), QContextMenuEvent::Mouse, cellCentre(2, 0));
        QVERIFY(!growthItem->isEnabled());
        popup->hide();
    }

    void popupMenuOpensTheCellUnderThePointer() {
        popupFrom(grid->viewport(), QContextMenuEvent::Mouse, cellCentre(7, 11));
        QCOMPARE(popup->actions().constLast(), growthItem);
        QVERIFY(growthItem->isEnabled());
        QCOMPARE(lastRowOfWindowOpenedBy([&] { growthItem->trigger(); }).value(4),
                 QStringLiteral("$61,713.68"));
    }

    // The Menu key in a step group opens the pop-up menu for the base cell;
    // G picks its Growth item.
    void keyboardMenuOpensTheBaseCell() {
        auto* step = control<RadioGroup>(w.get(), "rgInterest")->findChildren<QRadioButton*>()[3];
        step->setFocus(Qt::TabFocusReason);
        popupFrom(step, QContextMenuEvent::Keyboard, QPoint(2, 2));
        QVERIFY(growthItem->isEnabled());
        const QStringList last =
            lastRowOfWindowOpenedBy([&] { QTest::keyClick(popup, Qt::Key_G); });
        QCOMPARE(last, (QStringList{"120", "Jan 2010", "$13,000.00", "$5,207.33", "$18,207.33"}));
    }
};

TLMR_APP_TEST_MAIN(TestGrowthOpen)
#include "test_growth_open.moc"
