#include "AppTestSupport.h"
#include "calc/GrowthTexts.h"
#include "growth/GrowthChart.h"
#include "growth/GrowthWindow.h"
#include "platform/ProductInfo.h"
#include "tests/support/ModalWatchdog.h"

#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLegend>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <memory>

using namespace AppTest;

namespace {

const RegionalSettings kUs = RegionalSettings::unitedStates();

// Balance 1000, savings 100, 6 %, monthly, from January 2000.
Growth exampleGrowth(std::int32_t term = 120) {
    return computeGrowth({QStringLiteral("Monthly"), 1000, 100, 6, term, 1, 2000});
}

QStringList axisLabels(QWidget* window, Qt::Orientation orientation) {
    const auto axes = control<QChartView>(window, "chvGrowth")->chart()->axes(orientation);
    return static_cast<QCategoryAxis*>(axes.constFirst())->categoriesLabels();
}

QString readout(QWidget* window) {
    return control<QLabel>(window, "lblReadout")->text();
}

// Shown and active, so that its shortcuts and focus work as for the user.
void showActive(QWidget& window) {
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

} // namespace

// The growth window under United States settings, on its own and opened from
// the main window's grid.
class TestGrowthWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TfrmMain> w;
    TStringAlignGrid* grid = nullptr;
    QMenu* popup = nullptr;
    QAction* growthItem = nullptr;

    // The main window with balance 1000, savings 100 (step $25), Jan 2000 to Jan 2010, 6 %.
    void openExample() {
        QVERIFY(writeSettings("[LastValues]\r\nSavings=100\r\nBalance=1000\r\nInterest=6\r\n"
                              "FirstYear=2000\r\nLastYear=2010\r\n"));
        w = openWindow();
        grid = control<TStringAlignGrid>(w.get(), "grdFV");
        popup = control<QMenu>(w.get(), "mnuPop");
        growthItem = control<QAction>(w.get(), "mnuPopGrowth");
        pickStep(control<RadioGroup>(w.get(), "rgSavings"), 1);
    }
    // What a real double-click delivers: a click, then the double-click event.
    void doubleClick(int column, int row) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, column, row));
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, column, row));
    }
    void popupFrom(QWidget* target, QContextMenuEvent::Reason reason, QPoint at) {
        QContextMenuEvent event(reason, at, target->mapToGlobal(at));
        QApplication::sendEvent(target, &event);
        QTRY_VERIFY(popup->isVisible());
    }
    // Runs `open`, which should show the growth window modally, and returns its
    // last row's paid-in and balance texts (empty when no growth window came).
    static QStringList lastRowOfWindowOpenedBy(const std::function<void()>& open) {
        auto lastRow = std::make_shared<QStringList>();
        closeActiveModalLater(20, [lastRow](QWidget* modal) {
            if (auto* window = qobject_cast<GrowthWindow*>(modal)) {
                auto* table = control<QTableWidget>(window, "tblGrowth");
                *lastRow << table->item(table->rowCount() - 1, 2)->text()
                         << table->item(table->rowCount() - 1, 4)->text();
            }
            modal->close();
        });
        open();
        return *lastRow;
    }

private slots:
    void init() {
        QSettings(QLatin1String(ProductInfo::kSettingsOrganisation),
                  QLatin1String(ProductInfo::kSettingsApplication))
            .clear();
        dialogs().clear();
    }
    void cleanup() {
        w.reset();
        removeSettings();
    }

    // Under a dark theme the chart is dark too: background, texts, axes.
    void chartFollowsTheTheme() {
        const QPalette original = QApplication::palette();
        QPalette dark = original;
        dark.setColor(QPalette::Window, QColor(40, 40, 40));
        dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
        dark.setColor(QPalette::Mid, QColor(90, 90, 90));
        QApplication::setPalette(dark);
        GrowthWindow window(exampleGrowth(), kUs);
        QApplication::setPalette(original);
        QChart* chart = control<QChartView>(&window, "chvGrowth")->chart();
        QCOMPARE(chart->backgroundBrush().color(), QColor(40, 40, 40));
        QCOMPARE(chart->legend()->labelColor(), QColor(230, 230, 230));
        const auto axes = chart->axes();
        QCOMPARE(axes.size(), 2);
        for (const QAbstractAxis* axis : axes) {
            QCOMPARE(axis->labelsColor(), QColor(230, 230, 230));
            QCOMPARE(axis->linePenColor(), QColor(230, 230, 230));
        }
        QCOMPARE(axes.constLast()->gridLineColor(), QColor(90, 90, 90));
        // Drawn as set: a corner of the chart shows the dark background.
        window.resize(640, 480);
        const QImage image = control<QChartView>(&window, "chvGrowth")->grab().toImage();
        QCOMPARE(image.pixelColor(2, 2), QColor(40, 40, 40));
    }

    void showsTableChartAndReadout() {
        GrowthWindow window(exampleGrowth(), kUs);
        QCOMPARE(window.windowTitle(), QStringLiteral("Growth - Tallowmere"));
        auto* table = control<QTableWidget>(&window, "tblGrowth");
        QCOMPARE(table->rowCount(), 10);
        QCOMPARE(table->item(9, 4)->text(), QStringLiteral("$18,207.33"));
        // The last row, the cell itself, is current and read out.
        QCOMPARE(readout(&window), QStringLiteral("Jan 2010, after 120 months: paid in $13,000.00 "
                                                  "+ earned $5,207.33 = balance $18,207.33"));
        showActive(window);
        QTest::keyClick(table, Qt::Key_Home, Qt::ControlModifier);
        QVERIFY(readout(&window).startsWith(QStringLiteral("Jan 2001, after 12 months")));

        const auto sets =
            growthSeries(control<QChartView>(&window, "chvGrowth")->chart())->barSets();
        QCOMPARE(sets[0]->at(9), 13000.0);
        QCOMPARE(sets[1]->at(9), window.growth().rows[9].earned);
        QCOMPARE(axisLabels(&window, Qt::Vertical),
                 (QStringList{"$0", "$5,000", "$10,000", "$15,000", "$20,000"}));
        QCOMPARE(axisLabels(&window, Qt::Horizontal).size(), 10);

        // 100 years and 5 months: every tenth year, and the end of the term.
        GrowthWindow century(exampleGrowth(1205), kUs);
        const QStringList dates = axisLabels(&century, Qt::Horizontal);
        QCOMPARE(dates.size(), 10);
        QCOMPARE(dates[8], QStringLiteral("Jan 2090")); // 2100 would crowd the last
        QCOMPARE(dates.last(), QStringLiteral("Jun 2100"));
    }

    void niceTicks_data() {
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::addColumn<QList<double>>("ticks");
        QTest::newRow("negative") << -1300.0 << 900.0
                                  << QList<double>{-1500, -1000, -500, 0, 500, 1000};
        QTest::newRow("nothing") << 0.0 << 0.0 << QList<double>{0, 1};
        QTest::newRow("cents") << 0.0 << 0.3 << QList<double>{0, 1}; // labels show whole units
    }
    void niceTicks() {
        QFETCH(double, low);
        QFETCH(double, high);
        QFETCH(QList<double>, ticks);
        QCOMPARE(::niceTicks(low, high), ticks);
    }

    void keyboard() {
        GrowthWindow window(exampleGrowth(), kUs);
        showActive(window);
        QApplication::clipboard()->clear();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
        // A mnemonic clicks its button a moment later, as the user sees it pressed.
        QTRY_COMPARE(QApplication::clipboard()->text(), growthAsTabSeparated(window.growth(), kUs));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // Close is the default
        QVERIFY(!window.isVisible());
        window.show();
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
    }

    void savesCsv_data() {
        QTest::addColumn<QString>("name"); // in a fresh folder holding old.csv; empty: cancelled
        QTest::newRow("replaces a file") << "old.csv";
        QTest::newRow("cancelled") << "";
        QTest::newRow("folder missing") << "no/such/growth.csv";
    }
    void savesCsv() {
        QFETCH(QString, name);
        QTemporaryDir folder;
        QFile old(folder.filePath(QStringLiteral("old.csv")));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old content, longer than the new"));
        old.close();
        GrowthWindow window(exampleGrowth(), kUs);
        dialogs().setNextSaveFileName(name.isEmpty() ? name : folder.filePath(name));
        control<QPushButton>(&window, "btnSaveAs")->click();
        QVERIFY(dialogs().calls().first().text.endsWith(QStringLiteral("/growth.csv")));

        QVERIFY(old.open(QIODevice::ReadOnly));
        const bool saved = name == QLatin1String("old.csv");
        QCOMPARE(old.readAll() == growthAsCsv(window.growth(), kUs).toUtf8(), saved);
        const bool failed = name.contains(u'/');
        QCOMPARE(dialogs().count(), failed ? 2 : 1);
        if (failed)
            QVERIFY(dialogs().last().text.startsWith(
                QStringLiteral("The table could not be saved to %1:\r\n")
                    .arg(folder.filePath(name))));
    }

    void remembersItsSizeButNotForAnEmptyTerm() {
        {
            GrowthWindow window(exampleGrowth(), kUs);
            window.show();
            window.resize(640, 520);
            window.reject();
        }
        GrowthWindow empty(exampleGrowth(0), kUs);
        showActive(empty);
        QVERIFY(empty.height() < 300);
        QVERIFY(!control<QPushButton>(&empty, "btnCopy")->isEnabled());
        QVERIFY(!control<QPushButton>(&empty, "btnSaveAs")->isEnabled());
        QCOMPARE(readout(&empty), growthNoRowsText(0));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!empty.isVisible());
        QCOMPARE(GrowthWindow(exampleGrowth(), kUs).size(), QSize(640, 520));
    }
    void doubleClickOpensThatCell_data() {
        QTest::addColumn<QPoint>("cell");
        QTest::addColumn<QStringList>("paidInAndBalance");
        QTest::newRow("base cell") << QPoint(4, 1) << QStringList{"$13,000.00", "$18,207.33"};
        QTest::newRow("corner") << QPoint(7, 11) << QStringList{"$43,000.00", "$61,713.68"};
    }
    void doubleClickOpensThatCell() {
        QFETCH(QPoint, cell);
        QFETCH(QStringList, paidInAndBalance);
        openExample();
        QCOMPARE(lastRowOfWindowOpenedBy([&] { doubleClick(cell.x(), cell.y()); }),
                 paidInAndBalance);
        QCOMPARE(grid->selectedColumn(), kBaseColumn); // the click recalculated as ever
        QCOMPARE(dialogs().count(), 0);
    }

    // The growth window is modal: one that opened would run (and be closed by
    // the watchdog) inside the double click, and its feature would exist.
    void headerCellsOpenNothing() {
        openExample();
        ModalWatchdog watchdog(500);
        for (const QPoint cell : {QPoint(0, 0), QPoint(0, 5), QPoint(3, 0)})
            doubleClick(cell.x(), cell.y());
        QVERIFY(!watchdog.tripped());
        QVERIFY(!w->findChild<QObject*>(QStringLiteral("GrowthFeature")));
        popupFrom(grid->viewport(), QContextMenuEvent::Mouse, cellCentre(grid, 2, 0));
        QVERIFY(!growthItem->isEnabled());
        popup->hide();
    }

    void popupMenuOpensTheCellUnderThePointer() {
        openExample();
        popupFrom(grid->viewport(), QContextMenuEvent::Mouse, cellCentre(grid, 7, 11));
        // Growth is the item before Goal, the last one.
        QCOMPARE(popup->actions().value(popup->actions().size() - 2), growthItem);
        QCOMPARE(lastRowOfWindowOpenedBy([&] { growthItem->trigger(); }).value(1),
                 QStringLiteral("$61,713.68"));
    }

    // The Menu key in a step group opens the pop-up menu for the base cell; G
    // picks its Growth item.
    void keyboardMenuOpensTheBaseCell() {
        openExample();
        auto* step = control<RadioGroup>(w.get(), "rgInterest")->findChildren<QRadioButton*>()[3];
        step->setFocus(Qt::TabFocusReason);
        popupFrom(step, QContextMenuEvent::Keyboard, QPoint(2, 2));
        QCOMPARE(lastRowOfWindowOpenedBy([&] { QTest::keyClick(popup, Qt::Key_G); }),
                 (QStringList{"$13,000.00", "$18,207.33"}));
    }

    // In the grid, Enter and the Menu key's Growth item open the cell the
    // arrow keys moved to.
    void keyboardOpensTheGridsSelectedCell() {
        openExample();
        grid->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(grid, Qt::Key_Right);
        for (int i = 0; i < 10; ++i)
            QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(grid->keyboardCell(), QPoint(7, 11));
        QCOMPARE(lastRowOfWindowOpenedBy([&] { QTest::keyClick(grid, Qt::Key_Return); }).value(1),
                 QStringLiteral("$61,713.68"));

        grid->setFocus(Qt::TabFocusReason);
        QTest::keyClick(grid, Qt::Key_Home);
        popupFrom(grid, QContextMenuEvent::Keyboard, QPoint(2, 2));
        QVERIFY(growthItem->isEnabled());
        QCOMPARE(lastRowOfWindowOpenedBy([&] { QTest::keyClick(popup, Qt::Key_G); }).value(1),
                 grid->cellText(1, 11).trimmed());
    }
};

TLMR_GUI_TEST_MAIN(TestGrowthWindow)
#include "test_growth_window.moc"
