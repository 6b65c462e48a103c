#include "AppTestSupport.h"
#include "growth/GrowthWindow.h"
#include "tests/update/UpdateFixture.h"
#include "update/UpdateWizard.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QMenu>
#include <QPushButton>

using namespace AppTest;

namespace {

// Every control of `window` that can take the focus and that assistive
// technology announces without a name, as "objectName (class)". A widget whose
// focus goes to a proxy (an editable drop-down's line) is announced as its proxy.
QStringList unnamedControls(QWidget* window) {
    QStringList unnamed;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : widgets) {
        if (widget->focusPolicy() == Qt::NoFocus || !widget->isVisible() || widget->focusProxy())
            continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        if (!accessible || accessible->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << QStringLiteral("%1 (%2)").arg(widget->objectName(),
                                                     widget->metaObject()->className());
    }
    return unnamed;
}

// The program's showing top-level window of a class.
QWidget* shownWindowNamed(const char* className) {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->inherits(className) && window->isVisible())
            return window;
    return nullptr;
}

} // namespace

// Every window a user can open, walked as a screen reader would: each control
// that takes the focus must have a name to announce.
class TestAccessibility : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TfrmMain> w;

    // Runs `open`, which shows a modal window, walks that window and closes it.
    QStringList unnamedInModalOpenedBy(const std::function<void()>& open, QString& title) {
        auto result = std::make_shared<QStringList>();
        auto caption = std::make_shared<QString>();
        closeActiveModalLater(20, [result, caption](QWidget* modal) {
            *caption = modal->metaObject()->className();
            *result = unnamedControls(modal);
            modal->close();
        });
        open();
        title = *caption;
        return *result;
    }

private slots:
    void init() {
        QVERIFY(writeSettings("[LastValues]\r\nSavings=100\r\nBalance=1000\r\nInterest=6\r\n"
                              "FirstYear=2000\r\nLastYear=2010\r\n"));
        dialogs().clear();
        w = openWindow();
    }
    void cleanup() {
        w.reset();
        removeSettings();
    }

    void mainWindowControlsHaveNames() {
        QCOMPARE(unnamedControls(w.get()), QStringList());
        // The year fields share their month's label and carry names of their own;
        // radio items are named without their aligning blanks.
        QAccessibleInterface* year = QAccessible::queryAccessibleInterface(ui(w).edtFirstYear);
        QCOMPARE(year->text(QAccessible::Name), QStringLiteral("First Year"));
        QAccessibleInterface* balance = QAccessible::queryAccessibleInterface(ui(w).edtBalance);
        QCOMPARE(balance->text(QAccessible::Name), QStringLiteral("Initial Balance"));
        QAccessibleInterface* step =
            QAccessible::queryAccessibleInterface(ui(w).rgInterest->button(0));
        QCOMPARE(step->text(QAccessible::Name), QStringLiteral(".10"));
        // Tool buttons take no focus but are named and show their hint as a tip.
        QAccessibleInterface* disclaim = QAccessible::queryAccessibleInterface(ui(w).btnDisclaim);
        QCOMPARE(disclaim->text(QAccessible::Name), QStringLiteral("Disclaimer"));
        QCOMPARE(ui(w).btnDisclaim->toolTip(), QStringLiteral("Disclaimer ..."));
    }

    void gridReportsHeadersValuesAndSplits() {
        QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(ui(w).grdFV);
        QVERIFY(grid && grid->tableInterface());
        QVERIFY(!grid->text(QAccessible::Name).isEmpty());
        QAccessibleTableInterface* table = grid->tableInterface();
        QCOMPARE(table->rowCount(), 12);
        QCOMPARE(table->cellAt(0, 4)->text(QAccessible::Name), QStringLiteral("6%"));
        QCOMPARE(table->cellAt(1, 0)->text(QAccessible::Name), QStringLiteral("$100"));
        QAccessibleInterface* base = table->cellAt(1, 4);
        QCOMPARE(base->text(QAccessible::Name), QStringLiteral("$18,207.33"));
        QCOMPARE(base->text(QAccessible::Description),
                 QStringLiteral("$100\n6%\nTotal Invested: $13,000\nTotal Earned: $5,207"));
        QCOMPARE(table->cellAt(0, 4)->text(QAccessible::Description), QString());
    }

    void dialogsAndWindowsHaveNames() {
        QString title;
        const auto trigger = [this](const char* item) {
            return [this, item] { control<QAction>(w.get(), item)->trigger(); };
        };
        for (const char* item : {"mnuHelpAbout", "mnuHelpDisclaim", "mnuFilePrint"}) {
            const QStringList unnamed = unnamedInModalOpenedBy(trigger(item), title);
            QVERIFY2(!title.isEmpty(), item);
            QVERIFY2(unnamed.isEmpty(), qPrintable(title + ": " + unnamed.join(", ")));
        }

        // The growth window of the grid's cell, opened with Enter.
        ui(w).grdFV->setFocus(Qt::TabFocusReason);
        QStringList unnamed =
            unnamedInModalOpenedBy([this] { QTest::keyClick(ui(w).grdFV, Qt::Key_Return); }, title);
        QCOMPARE(title, QStringLiteral("GrowthWindow"));
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));

        control<QAction>(w.get(), "mnuFileGoal")->trigger();
        QTRY_VERIFY(shownWindowNamed("GoalWindow"));
        QCOMPARE(unnamedControls(shownWindowNamed("GoalWindow")), QStringList());
        shownWindowNamed("GoalWindow")->close();

        for (const char* item : {"mnuHelpContents", "mnuHelpSearch"}) {
            control<QAction>(w.get(), item)->trigger();
            QTRY_VERIFY(shownWindowNamed("HelpWindow"));
            QWidget* help = shownWindowNamed("HelpWindow");
            QVERIFY2(unnamedControls(help).isEmpty(), qPrintable(unnamedControls(help).join(", ")));
            help->close();
        }
    }

    // The update wizard once a newer version is known (its Retrieve button
    // showing), checked against a loopback server.
    void updateWizardHasNames() {
        LoopbackHttpServer server;
        server.setResponse("/tlmr.htm",
                           LoopbackHttpServer::Response::ok(UpdateFixture::page(server, "1.4")));
        auto info = UpdateFixture::component(server);
        TfrmUpdate wizard(*info);
        wizard.show();
        QTRY_VERIFY(
            wizard.findChild<QPushButton*>(QStringLiteral("btnRetrieveUpdate"))->isVisible());
        QCOMPARE(unnamedControls(&wizard), QStringList());
    }
};

TLMR_APP_TEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
