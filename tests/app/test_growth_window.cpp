#include "AppTestSupport.h"
#include "app/GrowthChart.h"
#include "app/GrowthWindow.h"
#include "calc/GrowthTexts.h"
#include "platform/ProductInfo.h"

#include <QApplication>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QStackedBarSeries>
#include <QTableWidget>

using namespace AppTest;

namespace {

const RegionalSettings kUs = RegionalSettings::unitedStates();

// Balance 1000, savings 100, 6 %, monthly, from January 2000.
Growth exampleGrowth(std::int32_t term = 120) {
    GrowthInputs in;
    in.balance = 1000;
    in.savings = 100;
    in.rate = 6;
    in.term = term;
    in.firstMonth = 1;
    in.firstYear = 2000;
    return computeGrowth(in);
}

QStringList rowTexts(const QTableWidget* table, int row) {
    QStringList texts;
    for (int column = 0; column < table->columnCount(); ++column)
        texts << table->item(row, column)->text();
    return texts;
}

QStringList axisLabels(QChart* chart, Qt::Orientation orientation) {
    const auto axes = chart->axes(orientation);
    return axes.isEmpty() ? QStringList()
                          : static_cast<QCategoryAxis*>(axes.constFirst())->categoriesLabels();
}

// Shown and active, so that its shortcuts and focus work as for the user.
void showActive(QWidget& window) {
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

} // namespace

// The growth window on its own, under United States settings.
class TestGrowthWindow : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QSettings(QLatin1String(ProductInfo::kSettingsOrganisation),
                  QLatin1String(ProductInfo::kSettingsApplication))
            .clear();
        dialogs().clear();
    }

    void showsTableChartAndReadout();
    void longTermsKeepTheChartReadable();
    void niceTicks_data();
    void niceTicks();
    void copiesFromTheKeyboard();
    void savesCsv_data();
    void savesCsv();
    void remembersItsSize();
    void termWithoutRows();
};

void TestGrowthWindow::showsTableChartAndReadout() {
    GrowthWindow window(exampleGrowth(), kUs);
    window.show();
    QCOMPARE(window.windowTitle(), QStringLiteral("Growth - Tallowmere"));
    QCOMPARE(control<QLabel>(&window, "lblHeading")->text(),
             growthHeading(window.growth().inputs, kUs));
    auto* table = control<QTableWidget>(&window, "tblGrowth");
    QCOMPARE(table->rowCount(), 10);
    QCOMPARE(rowTexts(table, 9),
             (QStringList{"120", "Jan 2010", "$13,000.00", "$5,207.33", "$18,207.33"}));
    // The last row, the cell itself, is current and read out.
    QCOMPARE(table->currentRow(), 9);
    auto* readout = control<QLabel>(&window, "lblReadout");
    QCOMPARE(readout->text(), QStringLiteral("Jan 2010, after 120 months: paid in $13,000.00 + "
                                             "earned $5,207.33 = balance $18,207.33"));
    QTest::keyClick(table, Qt::Key_Home, Qt::ControlModifier);
    QVERIFY(readout->text().startsWith(QStringLiteral("Jan 2001, after 12 months")));

    QChart* chart = control<QChartView>(&window, "chvGrowth")->chart();
    const auto sets = growthSeries(chart)->barSets();
    QCOMPARE(sets.size(), 2);
    QCOMPARE(sets[0]->label(), QStringLiteral("Paid In"));
    QCOMPARE(sets[0]->at(9), 13000.0);
    QCOMPARE(sets[1]->at(9), window.growth().rows[9].earned);
    QCOMPARE(axisLabels(chart, Qt::Vertical),
             (QStringList{"$0", "$5,000", "$10,000", "$15,000", "$20,000"}));
    QCOMPARE(axisLabels(chart, Qt::Horizontal).size(), 10);
}

void TestGrowthWindow::longTermsKeepTheChartReadable() {
    // 100 years and 5 months: every tenth year and the end of the term.
    GrowthWindow window(exampleGrowth(1205), kUs);
    const QStringList dates =
        axisLabels(control<QChartView>(&window, "chvGrowth")->chart(), Qt::Horizontal);
    QCOMPARE(dates.size(), 10);
    QCOMPARE(dates.first(), QStringLiteral("Jan 2010"));
    QCOMPARE(dates[8], QStringLiteral("Jan 2090")); // 2100 would crowd the last
    QCOMPARE(dates.last(), QStringLiteral("Jun 2100"));
}

void TestGrowthWindow::niceTicks_data() {
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<QList<double>>("ticks");
    QTest::newRow("example") << 0.0 << 18207.33 << QList<double>{0, 5000, 10000, 15000, 20000};
    QTest::newRow("below zero") << -1300.0 << 900.0
                                << QList<double>{-1500, -1000, -500, 0, 500, 1000};
    QTest::newRow("nothing at all") << 0.0 << 0.0 << QList<double>{0, 1};
    QTest::newRow("cents only") << 0.0 << 0.3 << QList<double>{0, 1};
}

void TestGrowthWindow::niceTicks() {
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(QList<double>, ticks);
    QCOMPARE(::niceTicks(low, high), ticks);
}

void TestGrowthWindow::copiesFromTheKeyboard() {
    GrowthWindow window(exampleGrowth(), kUs);
    showActive(window);
    QApplication::clipboard()->clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
    // A mnemonic clicks the button a moment later, as the user sees it pressed.
    QTRY_COMPARE(QApplication::clipboard()->text(), growthAsTabSeparated(window.growth(), kUs));
    QVERIFY(window.isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // Close is the default
    QVERIFY(!window.isVisible());

    window.show();
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(!window.isVisible());
}

void TestGrowthWindow::savesCsv_data() {
    QTest::addColumn<QString>("name"); // relative to a fresh folder; empty: cancelled
    QTest::addColumn<bool>("saved");
    QTest::newRow("saved") << "growth.csv" << true;
    QTest::newRow("existing file replaced") << "old.csv" << true;
    QTest::newRow("cancelled") << "" << false;
    QTest::newRow("folder missing") << "no/such/folder/growth.csv" << false;
}

void TestGrowthWindow::savesCsv() {
    QFETCH(QString, name);
    QFETCH(bool, saved);
    QTemporaryDir folder;
    const QString path = name.isEmpty() ? QString() : folder.filePath(name);
    QFile old(folder.filePath(QStringLiteral("old.csv")));
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old content, longer than it should be"));
    old.close();

    GrowthWindow window(exampleGrowth(), kUs);
    dialogs().setNextSaveFileName(path);
    control<QPushButton>(&window, "btnSaveAs")->click();
    QCOMPARE(dialogs().calls().first().kind, ScriptedDialogService::Kind::SaveFileName);
    QVERIFY(dialogs().calls().first().text.endsWith(QStringLiteral("growth.csv")));

    QFile file(path);
    QCOMPARE(!path.isEmpty() && file.open(QIODevice::ReadOnly), saved);
    if (saved)
        QCOMPARE(file.readAll(), growthAsCsv(window.growth(), kUs).toUtf8());
    const bool failed = !saved && !name.isEmpty();
    QCOMPARE(dialogs().count(), failed ? 2 : 1);
    if (failed) {
        QCOMPARE(dialogs().last().icon, DialogService::Icon::Warning);
        QVERIFY(dialogs().last().text.startsWith(
            QStringLiteral("The table could not be saved to %1:\r\n").arg(path)));
    }
}

void TestGrowthWindow::remembersItsSize() {
    {
        GrowthWindow window(exampleGrowth(), kUs);
        window.show();
        window.resize(640, 520);
        QTest::keyClick(&window, Qt::Key_Escape);
    }
    {
        GrowthWindow empty(exampleGrowth(0), kUs);
        empty.show();
        QVERIFY(empty.height() < 300);
        empty.reject();
    }
    GrowthWindow again(exampleGrowth(), kUs);
    QCOMPARE(again.size(), QSize(640, 520));
}

void TestGrowthWindow::termWithoutRows() {
    GrowthWindow window(exampleGrowth(0), kUs);
    showActive(window);
    QVERIFY(!control<QPushButton>(&window, "btnCopy")->isEnabled());
    QVERIFY(!control<QPushButton>(&window, "btnSaveAs")->isEnabled());
    QVERIFY(!control<QTableWidget>(&window, "tblGrowth")->isVisible());
    QCOMPARE(control<QLabel>(&window, "lblReadout")->text(), growthNoRowsText(0));
    // Enter closes, as its one useful button does.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(!window.isVisible());
}

TLMR_APP_TEST_MAIN(TestGrowthWindow)
#include "test_growth_window.moc"
