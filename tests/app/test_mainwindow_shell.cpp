#include "AppTestSupport.h"

#include "app/About.h"
#include "app/Disclaim.h"
#include "app/XJustOne.h"
#include "calc/ArithmeticError.h"
#include "platform/HelpViewer.h"
#include "platform/InstanceLock.h"
#include "platform/ProductInfo.h"
#include "platform/Shell.h"
#include "tests/support/ModalWatchdog.h"
#include "widgets/FlatPictureButton.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QUrl>

using namespace AppTest;
using Icon = DialogService::Icon;
using Buttons = DialogService::Buttons;
using Answer = DialogService::Answer;

namespace {

const QString kUnidentified =
    QStringLiteral("An unidentified error has occurred.\r\n\r\nPlease contact Brindlecrest "
                   "Software    \r\n\r\nat:  support@brindlecrest.example");
const QString kArithmetic = QStringLiteral("Valid results cannot be calculated using\n\rthe "
                                           "variables you have entered.\n\r\n\rPlease try again "
                                           "with reasonable values.");

// Balance 1000, savings 100, 6 %, January 2000 to January 2010.
const QByteArray kExample = "[LastValues]\nSavings=100\nBalance=1000\nTerm=5\nInterest=6\n"
                            "Frequency=Monthly\nFirstMonth=Jan\nFirstYear=2000\nLastMonth=Jan\n"
                            "LastYear=2010\n";

} // namespace

// The main window's frame, commands, saved inputs and error handling.
class TestMainWindowShell : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TfrmMain> w;
    int m_beeps = 0;
    QList<QUrl> m_opened;
    bool m_openResult = true;

    void verifyMessage(int index, const QString& text) {
        QVERIFY(dialogs().count() > index);
        const auto& call = dialogs().calls().at(index);
        QCOMPARE(call.kind, ScriptedDialogService::Kind::MessageBox);
        QCOMPARE(call.caption, QStringLiteral("Information"));
        QCOMPARE(call.text, text);
        QCOMPARE(call.icon, Icon::Information);
        QCOMPARE(call.buttons, Buttons::Ok);
    }
    QAction* action(const char* name) { return control<QAction>(w.get(), name); }

private slots:
    void init() {
        removeSettings();
        dialogs().clear();
        m_beeps = 0;
        m_opened.clear();
        m_openResult = true;
        Application::instance()->setBeepHandler([this] { ++m_beeps; });
        Shell::setUrlOpener([this](const QUrl& url) {
            m_opened << url;
            return m_openResult;
        });
    }
    void cleanup() {
        w.reset();
        removeSettings();
        Application::instance()->setBeepHandler({});
    }
    void cleanupTestCase() { Shell::setUrlOpener({}); }

    void frameHasTheDesignedShape() {
        w = openWindow();
        QCOMPARE(w->centralWidget()->width(), 621);
        // Twelve rows of 18 pixels in the grid's frame, then the status line at once.
        QCOMPARE(ui(w).grdFV->geometry().bottom() + 1, w->centralWidget()->height());
        QCOMPARE(ui(w).grdFV->geometry().top(), 31 + 131);
        QCOMPARE(ui(w).grdFV->height(), 12 * 18 + 2 * ui(w).grdFV->frameWidth());
        QCOMPARE(ui(w).StatusBar1->height(), 18);
        QCOMPARE(w->height(), w->menuBar()->height() + w->centralWidget()->height() +
                                  ui(w).StatusBar1->height());
        QCOMPARE(w->minimumSize(), w->maximumSize()); // not resizable
        const Qt::WindowFlags flags = w->windowFlags();
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QCOMPARE(w->font().pixelSize(), 11);
        QCOMPARE(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 500);
        const QPoint screenCentre = w->screen()->availableGeometry().center();
        QVERIFY((w->geometry().center() - screenCentre).manhattanLength() < 40);
        QVERIFY(!ui(w).StatusBar1->isSizeGripEnabled());
        QCOMPARE(ui(w).StatusBar1->currentMessage(),
                 QStringLiteral(" Welcome to Tallowmere by Brindlecrest Software, LLC!"));

        const QList<QPair<const char*, int>> buttons{
            {"btnPrint", 5},    {"btnPrinterSetup", 30}, {"btnReset", 55}, {"btnDisclaim", 80},
            {"btnUpdate", 105}, {"btnHelp", 130},        {"btnExit", 593}};
        for (const auto& [name, x] : buttons) {
            auto* button = control<FlatPictureButton>(w.get(), name);
            QVERIFY2(button, name);
            QCOMPARE(button->geometry(), QRect(x, 3, 25, 25));
            QVERIFY2(!button->icon().isNull(), name);
            // The hint, without its aligning blanks, is also the button's tip.
            QCOMPARE(button->toolTip(), button->statusTip().trimmed());
        }
        QCOMPARE(ui(w).btnPrinterSetup->statusTip(), QStringLiteral(" Printer Setup ..."));
        QCOMPARE(ui(w).btnExit->statusTip(), QStringLiteral("Close Tallowmere"));
        QVERIFY(control<QObject>(w.get(), "XJustOne1"));
        for (const char* link : {"UrlCalcSite", "UrlBrindlecrest", "UrlProduct4"}) {
            QWidget* label = control<QWidget>(w.get(), link);
            QVERIFY2(label && !label->isVisible(), link);
        }
    }

    void menusCarryTheirCaptions() {
        w = openWindow();
        const auto captions = [](QMenu* menu) {
            QStringList list;
            for (QAction* item : menu->actions())
                list << (item->isSeparator() ? QStringLiteral("-") : item->text());
            return list;
        };
        QCOMPARE(
            captions(control<QMenu>(w.get(), "mnuFile")),
            QStringList({"&Reset", "&Goal...", "-", "Prin&t Setup...", "&Print...", "-", "E&xit"}));
        QCOMPARE(
            captions(control<QMenu>(w.get(), "mnuInternet")),
            QStringList({"Brindlecrest Calculator Corner - Online Calculators ...", "-",
                         "&Brindlecrest on the Web", "Contact Brindlecrest by &Email",
                         "&Download Evaluation Software", "-", "Check for &Updated Version ..."}));
        QCOMPARE(captions(control<QMenu>(w.get(), "mnuInternetWeb")),
                 QStringList({"&Home Page", "Freeware Page", "-", "&Suggestion Box"}));
        QCOMPARE(captions(control<QMenu>(w.get(), "mnuInternetEmail")),
                 QStringList({"&Send Suggestions", "Contact &Tech Support"}));
        QCOMPARE(captions(control<QMenu>(w.get(), "mnuInternetDownload")).size(), 4);
        QCOMPARE(action("mnuInternetDownloadProduct2")->text(),
                 QLatin1String(ProductInfo::kOtherProducts[1].name));
        QCOMPARE(
            captions(control<QMenu>(w.get(), "mnuHelp")),
            QStringList({"&Contents", "-", "&Search for Help On...", "&How to Use Help", "-",
                         "Contact Tech Support by &Email", "-", "&Disclaimer...", "&About..."}));
        QCOMPARE(action("mnuHelpSupportAddress")->text(),
                 QStringLiteral("support@brindlecrest.example"));
        QCOMPARE(action("mnuHelpContents")->shortcut(), QKeySequence(Qt::Key_F1));
        QCOMPARE(captions(control<QMenu>(w.get(), "mnuPop")),
                 QStringList({"&Reset", "-", "Print &Setup ...", "&Print...", "-", "&About...", "-",
                              "E&xit", "-", "&Growth...", "G&oal..."}));
        for (QAction* item : w->findChildren<QAction*>())
            QVERIFY2(item->statusTip().isEmpty(), qPrintable(item->objectName()));
    }

    void savedInputsAreAppliedAtStart() {
        QVERIFY(writeSettings(QByteArray(kExample).replace("Monthly", "Weekly")));
        w = openWindow();
        QCOMPARE(dialogs().count(), 0);
        QCOMPARE(static_cast<double>(ui(w).edtSavings->value()), 100.0);
        QCOMPARE(ui(w).edtSavings->text(), QStringLiteral("$100.00"));
        QCOMPARE(static_cast<double>(ui(w).edtBalance->value()), 1000.0);
        QCOMPARE(ui(w).edtInterest->text(), QStringLiteral("6.000"));
        QCOMPARE(ui(w).cbFrequency->currentText(), QStringLiteral("Weekly")); // kept as stored
        QCOMPARE(ui(w).edtFirstYear->text(), QStringLiteral("2000"));
        QCOMPARE(ui(w).edtTerm->text(), QStringLiteral("120")); // derived again, not the stored 5
        QCOMPARE(cell(w.get(), 4, 1), QStringLiteral(" $18,207.33")); // counted as monthly
    }

    void yearThatIsNoIntegerFallsBackSilently() {
        QVERIFY(writeSettings("[LastValues]\nFirstYear=abc\nLastYear=0x7EF\n"));
        w = openWindow();
        QCOMPARE(dialogs().count(), 0);
        QCOMPARE(ui(w).edtFirstYear->text(), QStringLiteral("2001"));
        QCOMPARE(ui(w).edtLastYear->text(), QStringLiteral("2031"));
        QCOMPARE(ui(w).edtTerm->text(), QStringLiteral("360"));
    }

    void numberThatIsNoNumberStopsLoading_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("letters in Savings")
            << QByteArray("[LastValues]\nSavings=abc\nBalance=5\nFrequency=Annually\n"
                          "FirstMonth=Mar\nFirstYear=1990\n");
        QTest::newRow("decimal comma")
            << QByteArray("[LastValues]\nSavings=5\nBalance=5\nInterest=7,25\n"
                          "Frequency=Annually\nFirstYear=1990\n");
    }
    void numberThatIsNoNumberStopsLoading() {
        QFETCH(QByteArray, content);
        QVERIFY(writeSettings(content));
        w = openWindow();
        QCOMPARE(dialogs().count(), 1);
        verifyMessage(0, kUnidentified);
        // Nothing of the file applied, no calculation: the design values.
        QCOMPARE(static_cast<double>(ui(w).edtSavings->value()), 0.0);
        QCOMPARE(static_cast<double>(ui(w).edtBalance->value()), 0.0);
        QCOMPARE(ui(w).cbFrequency->currentText(), QStringLiteral("Monthly"));
        QCOMPARE(ui(w).cbFirstMonth->currentText(), QStringLiteral("Jan"));
        QCOMPARE(ui(w).edtFirstYear->text(), QStringLiteral("2000"));
        QCOMPARE(ui(w).edtLastYear->text(), QStringLiteral("2030"));
        QCOMPARE(cell(w.get(), 0, 0), QStringLiteral(" Savings/Rate"));
        QCOMPARE(cell(w.get(), 4, 1), QString());

        // The next close repairs the file.
        QVERIFY(w->close());
        const QByteArray repaired = readSettings();
        for (const char* line : {"\nSavings=0\n", "\nBalance=0\n", "\nInterest=0\n",
                                 "\nFrequency=Monthly\n", "\nFirstYear=2000\n"})
            QVERIFY2(repaired.contains(line), repaired.constData());
    }

    void arithmeticErrorFromSavedInputsResetsTheAmounts_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("negative rate, annually")
            << QByteArray("[LastValues]\nInterest=-1500\nFrequency=Annually\nBalance=7\n"
                          "FirstMonth=Mar\nFirstYear=1990\nLastYear=2000\n");
        QTest::newRow("huge savings")
            << QByteArray("[LastValues]\nSavings=1E308\nInterest=5\nFrequency=Annually\n"
                          "Balance=7\nFirstMonth=Mar\nFirstYear=1990\nLastYear=2000\n");
    }
    void arithmeticErrorFromSavedInputsResetsTheAmounts() {
        QFETCH(QByteArray, content);
        QVERIFY(writeSettings(content));
        w = openWindow();
        QCOMPARE(dialogs().count(), 1);
        verifyMessage(0, kArithmetic);
        QCOMPARE(static_cast<double>(ui(w).edtSavings->value()), 0.0);
        QCOMPARE(static_cast<double>(ui(w).edtBalance->value()), 0.0);
        QCOMPARE(ui(w).edtInterest->text(), QStringLiteral("0.000"));
        QCOMPARE(ui(w).cbFrequency->currentText(), QStringLiteral("Monthly"));
        // Months, years and steps stay; the term is derived again.
        QCOMPARE(ui(w).cbFirstMonth->currentText(), QStringLiteral("Mar"));
        QCOMPARE(ui(w).edtTerm->text(), QStringLiteral("118"));
        QCOMPARE(cell(w.get(), 4, 1), QStringLiteral(" $0.00"));
        QCOMPARE(cell(w.get(), 4, 0), QStringLiteral("  0%"));
        QCOMPARE(ui(w).grdFV->selectedColumn(), 4);
    }

    void arithmeticErrorWhileRunningMovesFocusToSavings() {
        QVERIFY(writeSettings(kExample));
        w = openWindow();
        pickStep(ui(w).rgInterest, 8);
        ui(w).edtSavings->setValue(1e308L); // beyond anything the arithmetic can carry
        QTest::mouseClick(ui(w).grdFV->viewport(), Qt::LeftButton, {},
                          ui(w).grdFV->visualRect(ui(w).grdFV->model()->index(5, 5)).center());
        QCOMPARE(dialogs().count(), 1);
        verifyMessage(0, kArithmetic);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(ui(w).edtSavings));
        QCOMPARE(static_cast<double>(ui(w).edtBalance->value()), 0.0);
        QCOMPARE(ui(w).rgInterest->itemIndex(), 8); // steps stay
        QCOMPARE(ui(w).edtTerm->text(), QStringLiteral("120"));
        QCOMPARE(cell(w.get(), 4, 1), QStringLiteral(" $0.00"));
        QCOMPARE(cell(w.get(), 7, 0), QStringLiteral("  3%"));
    }

    void otherErrorsOnlyShowTheGenericMessage() {
        QVERIFY(writeSettings(kExample));
        w = openWindow();
        Application::instance()->handleException(
            nullptr, std::make_exception_ptr(std::runtime_error("boom")));
        QCOMPARE(dialogs().count(), 1);
        verifyMessage(0, kUnidentified);
        QCOMPARE(static_cast<double>(ui(w).edtBalance->value()), 1000.0);
        QCOMPARE(cell(w.get(), 4, 1), QStringLiteral(" $18,207.33"));
        // The window's handler is the application's while the window lives.
        Application::instance()->handleException(
            nullptr, std::make_exception_ptr(ArithmeticError(ArithmeticError::Kind::Overflow)));
        QCOMPARE(dialogs().count(), 2);
        verifyMessage(1, kArithmetic);
        QCOMPARE(static_cast<double>(ui(w).edtBalance->value()), 0.0);
    }

    void closingWritesTheNineKeysInOrder() {
        w = openWindow();
        QVERIFY(w->close());
        QCOMPARE(readSettings(),
                 QByteArray("[LastValues]\nSavings=0\nBalance=0\nTerm=360\nInterest=0\n"
                            "Frequency=Monthly\nFirstMonth=Jan\nFirstYear=2001\nLastMonth=Jan\n"
                            "LastYear=2031\n"));
        QCOMPARE(dialogs().count(), 0);
    }

    void resetKeepsMonthsAndYearsAndIsSavedAtClose() {
        QVERIFY(writeSettings("[Other]\nKeep=1\n\n[LastValues]\nSavings=100\nBalance=1000\n"
                              "Interest=6\nFrequency=Quarterly\nFirstMonth=Mar\nFirstYear=1999\n"
                              "LastMonth=Jun\nLastYear=2009\n"));
        w = openWindow();
        pickStep(ui(w).rgSavings, 5);
        pickStep(ui(w).rgInterest, 0);
        ui(w).edtInterest->setFocus(Qt::TabFocusReason);

        QTest::mouseClick(ui(w).btnReset, Qt::LeftButton);
        QCOMPARE(static_cast<double>(ui(w).edtSavings->value()), 0.0);
        QCOMPARE(static_cast<double>(ui(w).edtBalance->value()), 0.0);
        QCOMPARE(ui(w).edtInterest->text(), QStringLiteral("0.000"));
        QCOMPARE(ui(w).cbFrequency->currentText(), QStringLiteral("Monthly"));
        QCOMPARE(ui(w).rgSavings->itemIndex(), 0);
        QCOMPARE(ui(w).rgInterest->itemIndex(), 3);
        QCOMPARE(ui(w).cbFirstMonth->currentText(), QStringLiteral("Mar"));
        QCOMPARE(ui(w).edtLastYear->text(), QStringLiteral("2009"));
        QCOMPARE(ui(w).edtTerm->text(), QStringLiteral("123"));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(ui(w).edtBalance));
        QCOMPARE(cell(w.get(), 4, 1), QStringLiteral(" $0.00"));
        QVERIFY(readSettings().contains("Savings=100")); // the file waits for the close

        // The File menu's and the pop-up menu's "Reset" do the same.
        for (const char* item : {"mnuFileReset", "mnuPopReset"}) {
            pickStep(ui(w).rgSavings, 2);
            action(item)->trigger();
            QCOMPARE(ui(w).rgSavings->itemIndex(), 0);
        }

        QVERIFY(w->close());
        QCOMPARE(readSettings(),
                 QByteArray("[Other]\nKeep=1\n\n[LastValues]\nSavings=0\nBalance=0\n"
                            "Interest=0\nFrequency=Monthly\nFirstMonth=Mar\nFirstYear=1999\n"
                            "LastMonth=Jun\nLastYear=2009\nTerm=123\n"));
    }

    void fieldLeftAtCloseStoresItsValue_data() {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("rate, no number")
            << QByteArray("edtInterest") << "abc" << QByteArray("\nInterest=6\n");
        QTest::newRow("rate, emptied")
            << QByteArray("edtInterest") << "" << QByteArray("\nInterest=0\n");
        QTest::newRow("first year, no number")
            << QByteArray("edtFirstYear") << "-x" << QByteArray("\nFirstYear=2000\n");
        QTest::newRow("last year, emptied")
            << QByteArray("edtLastYear") << "" << QByteArray("\nLastYear=0\n");
    }
    void fieldLeftAtCloseStoresItsValue() {
        QFETCH(QByteArray, field);
        QFETCH(QString, pasted);
        QFETCH(QByteArray, saved);
        QVERIFY(writeSettings(kExample));
        w = openWindow();
        auto* edit = control<QLineEdit>(w.get(), field.constData());
        edit->setFocus(Qt::TabFocusReason);
        pasteOver(edit, pasted);
        QCOMPARE(edit->text(), pasted);

        QTest::mouseClick(ui(w).btnExit, Qt::LeftButton); // takes no focus
        QVERIFY(!w->isVisible());
        QCOMPARE(dialogs().count(), 0);
        const QByteArray stored = readSettings();
        QVERIFY2(stored.contains(saved), stored.constData());
    }

    void typedValueSurvivesADialog_data() {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("savings") << QByteArray("edtSavings") << "250"
                                 << "$250.00" << QByteArray("\nSavings=250\n");
        QTest::newRow("rate") << QByteArray("edtInterest") << "7.5"
                              << "7.500" << QByteArray("\nInterest=7.5\n");
    }
    void typedValueSurvivesADialog() {
        QFETCH(QByteArray, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QByteArray, saved);
        QVERIFY(writeSettings(kExample));
        w = openWindow();
        const QString before = cell(w.get(), 4, 1);
        auto* edit = control<QLineEdit>(w.get(), field.constData());
        edit->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(edit, typed);

        // The dialog takes the activation; closing it hands the focus back.
        closeActiveModalLater(20, [](QWidget* modal) { modal->close(); });
        QTest::mouseClick(ui(w).btnDisclaim, Qt::LeftButton);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(ui(w).edtBalance));
        QCOMPARE(edit->text(), shown);
        QVERIFY(cell(w.get(), 4, 1) != before);

        QVERIFY(w->close());
        const QByteArray stored = readSettings();
        QVERIFY2(stored.contains(saved), stored.constData());
    }

    void creationErrorClosesTheSplashFirst() {
        QVERIFY(writeSettings("[LastValues]\nSavings=lots\n"));
        QWidget splash(nullptr, Qt::SplashScreen | Qt::WindowStaysOnTopHint);
        splash.show();
        Application::instance()->setSplashWindow(&splash);
        bool splashShown = true;
        dialogs().setOnCall([&](const auto&) { splashShown = splash.isVisible(); });
        w = openWindow();
        dialogs().setOnCall({});
        QCOMPARE(dialogs().count(), 1);
        verifyMessage(0, kUnidentified);
        QVERIFY(!splashShown);
    }

    void secondCopySaysNothing() {
        QVERIFY(writeSettings("[LastValues]\nSavings=lots\n"));
        InstanceLock first(QCoreApplication::applicationName());
        QVERIFY(first.tryLock());
        TfrmMain second(RegionalSettings::unitedStates());
        QVERIFY(control<TXJustOne>(&second, "XJustOne1")->anotherInstanceFound());
        QCOMPARE(dialogs().count(), 0);
    }

    void amountTypedButNotLeftIsSavedAtClose() {
        w = openWindow();
        ui(w).edtSavings->setFocus(Qt::TabFocusReason);
        QTest::keyClick(ui(w).edtSavings, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(ui(w).edtSavings, QStringLiteral("250.5"));

        QTest::mouseClick(ui(w).btnExit, Qt::LeftButton); // takes no focus
        QVERIFY(!w->isVisible());
        QVERIFY(readSettings().startsWith("[LastValues]\nSavings=250.5\nBalance=0\n"));
    }

    void unprotectedStartSaysSoInTheStatusLine() {
        // No runtime folder set, and the fallback one belongs to someone else:
        // the lock cannot be set up.
        if (::geteuid() != 0)
            QSKIP("only the superuser can give a folder away");
        QTemporaryDir temp;
        const QString fallback = temp.filePath(QStringLiteral("runtime-root"));
        QVERIFY(QDir().mkdir(fallback));
        QCOMPARE(::chown(QFile::encodeName(fallback).constData(), 65534, 65534), 0);
        const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR"), oldTemp = qgetenv("TMPDIR");
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", QFile::encodeName(temp.path()));
        const auto restore = qScopeGuard([&] {
            qputenv("XDG_RUNTIME_DIR", oldRuntime);
            qputenv("TMPDIR", oldTemp);
        });
        w = openWindow();
        const QString status = w->findChild<QStatusBar*>("StatusBar1")->currentMessage();
        QVERIFY2(status.startsWith(" A second copy of Tallowmere could start ("),
                 qPrintable(status));
    }

    void unwritableSettingsAskBeforeClosing() {
        QVERIFY(QDir().mkpath(settingsPath())); // a folder where the file belongs
        w = openWindow();
        // Said once at start, with the reason; the first-run values apply.
        QCOMPARE(dialogs().texts(),
                 QStringList{"Cannot read the settings file " + w->settingsFilePath() +
                             ": it is not a regular file"});
        dialogs().clear();

        dialogs().setNextAnswer(Answer::No);
        QVERIFY(!w->close());
        QVERIFY(w->isVisible());
        QCOMPARE(dialogs().count(), 1); // the question alone, no generic box before it
        const auto& question = dialogs().calls().at(0);
        QCOMPARE(question.caption, QStringLiteral("Tallowmere"));
        QCOMPARE(question.text, QStringLiteral("The settings could not be saved.\r\n\r\nFile: ") +
                                    w->settingsFilePath() +
                                    QStringLiteral("\r\nReason: it is not a regular file\r\n\r\n"
                                                   "Close Tallowmere without saving?"));
        QCOMPARE(question.icon, Icon::Question);
        QCOMPARE(question.buttons, Buttons::YesNo);

        dialogs().setNextAnswer(Answer::Yes);
        QVERIFY(w->close());
        QVERIFY(!w->isVisible());
        QCOMPARE(dialogs().count(), 2);
    }

    void linksOpenTheirAddressesAndBeepOnFailure_data() {
        QTest::addColumn<QByteArray>("item");
        QTest::addColumn<QString>("address");
        QTest::newRow("calc site")
            << QByteArray("mnuInternetCalcSite") << "http://calculators.brindlecrest.example/";
        QTest::newRow("home") << QByteArray("mnuInternetWebHome")
                              << "http://www.brindlecrest.example/";
        QTest::newRow("freeware") << QByteArray("mnuInternetWebFreeware")
                                  << "http://www.brindlecrest.example/freeware.htm";
        QTest::newRow("suggest") << QByteArray("mnuInternetWebSuggest")
                                 << "http://www.brindlecrest.example/suggest.htm";
        QTest::newRow("mail suggest")
            << QByteArray("mnuInternetEmailSuggest") << "mailto:suggestions@brindlecrest.example";
        QTest::newRow("mail support")
            << QByteArray("mnuInternetEmailSupport") << "mailto:support@brindlecrest.example";
        QTest::newRow("help support")
            << QByteArray("mnuHelpSupportAddress") << "mailto:support@brindlecrest.example";
        QTest::newRow("product 3") << QByteArray("mnuInternetDownloadProduct3")
                                   << QString::fromLatin1(ProductInfo::kOtherProducts[2].address);
    }
    void linksOpenTheirAddressesAndBeepOnFailure() {
        QFETCH(QByteArray, item);
        QFETCH(QString, address);
        w = openWindow();
        action(item.constData())->trigger();
        QCOMPARE(m_opened, QList<QUrl>{QUrl(address)});
        QCOMPARE(m_beeps, 0);

        m_openResult = false; // nothing registered for the address
        action(item.constData())->trigger();
        QCOMPARE(m_opened.size(), 2);
        QCOMPARE(m_beeps, 1);
        QCOMPARE(dialogs().count(), 0);
    }

    void dialogsReturnTheFocusToTheBalance() {
        w = openWindow();
        int shown = 0;
        const auto closeIt = [&shown](QWidget* modal) {
            if (qobject_cast<TAboutBox*>(modal) || qobject_cast<TfrmDisclaim*>(modal))
                ++shown;
            modal->close();
        };

        // While a dialog is up, its hints appear on the main window's status line.
        QString dialogHint;
        ui(w).edtInterest->setFocus(Qt::TabFocusReason);
        closeActiveModalLater(20, [&](QWidget* modal) {
            if (auto* about = qobject_cast<TAboutBox*>(modal)) {
                // What the pointer resting on its OK button sends.
                auto* ok = about->findChild<QWidget*>(QStringLiteral("btnClose"));
                QStatusTipEvent tip(ok->statusTip());
                QApplication::sendEvent(ok, &tip);
                dialogHint = ui(w).StatusBar1->currentMessage();
            }
            closeIt(modal);
        });
        action("mnuHelpAbout")->trigger();
        QCOMPARE(dialogHint, QStringLiteral("Close About Window"));
        QCOMPARE(shown, 1);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(ui(w).edtBalance));

        ui(w).edtInterest->setFocus(Qt::TabFocusReason);
        closeActiveModalLater(20, closeIt);
        QTest::mouseClick(ui(w).btnDisclaim, Qt::LeftButton);
        QCOMPARE(shown, 2);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(ui(w).edtBalance));

        closeActiveModalLater(20, closeIt);
        action("mnuPopAbout")->trigger();
        QCOMPARE(shown, 3);
        for (QWidget* top : QApplication::topLevelWidgets()) // every dialog was freed
            QVERIFY(!qobject_cast<TAboutBox*>(top) && !qobject_cast<TfrmDisclaim*>(top));
    }

    void printerSetupShowsThePrinterSetupDialog() {
        w = openWindow();
        QString shown;
        closeActiveModalLater(20, [&shown](QWidget* modal) {
            shown = modal->objectName();
            modal->close();
        });
        QTest::mouseClick(ui(w).btnPrinterSetup, Qt::LeftButton);
        QCOMPARE(shown, QStringLiteral("PrinterSetupDialog"));
    }

    void f1OpensHelpContentsAnywhere() {
        w = openWindow();
        QCOMPARE(Application::instance()->helpFile(),
                 QCoreApplication::applicationDirPath() + QStringLiteral("/tlmr.hlp"));
        QTest::keyClick(ui(w).edtInterest, Qt::Key_F1);
        QVERIFY((*control<HelpViewer>(w.get(), "HelpViewer1")).window());
        QTRY_VERIFY((*control<HelpViewer>(w.get(), "HelpViewer1")).window()->isVisible());
        QCOMPARE((*control<HelpViewer>(w.get(), "HelpViewer1")).helpFile(),
                 Application::instance()->helpFile());

        // Closing the main window closes the help as well.
        QVERIFY(w->close());
        QTRY_VERIFY(!(*control<HelpViewer>(w.get(), "HelpViewer1")).window() ||
                    !(*control<HelpViewer>(w.get(), "HelpViewer1")).window()->isVisible());
    }

    // Print and Quit keys of the desktop next to F1, each on one item only; the
    // disclaimer is reachable from the Help menu.
    void standardKeysReachTheirCommands() {
        w = openWindow();
        QHash<QKeySequence, QString> owners;
        for (const QAction* action : w->findChildren<QAction*>()) {
            for (const QKeySequence& key : action->shortcuts()) {
                QVERIFY2(!owners.contains(key), qPrintable(key.toString()));
                owners.insert(key, action->objectName());
            }
        }
        QCOMPARE(owners.value(QKeySequence(Qt::Key_F1)), QStringLiteral("mnuHelpContents"));
        QCOMPARE(owners.value(QKeySequence(QKeySequence::Print)), QStringLiteral("mnuFilePrint"));
        QCOMPARE(owners.value(QKeySequence(Qt::CTRL | Qt::Key_Q)), QStringLiteral("mnuFileExit"));

        QStringList shown;
        const auto recordModal = [&shown] {
            closeActiveModalLater(20, [&shown](QWidget* modal) {
                shown << modal->metaObject()->className();
                modal->close();
            });
        };
        recordModal();
        QTest::keySequence(ui(w).edtInterest, QKeySequence::Print);
        recordModal();
        control<QAction>(w.get(), "mnuHelpDisclaim")->trigger();
        QCOMPARE(shown, QStringList({"TfrPreviewForm", "TfrmDisclaim"}));
        QCOMPARE(control<QAction>(w.get(), "mnuHelpDisclaim")->text(),
                 QStringLiteral("&Disclaimer..."));

        QTRY_VERIFY(w->isActiveWindow());
        QTest::keySequence(ui(w).edtInterest, QKeySequence(Qt::CTRL | Qt::Key_Q));
        QTRY_VERIFY(!w->isVisible());
    }

    void statusLineShowsTheHintUnderThePointer() {
        w = openWindow();
        const QString welcome = ui(w).StatusBar1->currentMessage();
        QTest::mouseMove(control<QWidget>(w.get(), "pnlInput"), QPoint(300, 5));
        QCOMPARE(ui(w).StatusBar1->currentMessage(), welcome); // no hint there: unchanged

        QTest::mouseMove(ui(w).edtBalance, QPoint(5, 5));
        QTRY_COMPARE(ui(w).StatusBar1->currentMessage(),
                     QStringLiteral(" Enter the starting balance of your investment"));
        QTest::mouseMove(ui(w).btnPrint, QPoint(5, 5));
        QTRY_COMPARE(ui(w).StatusBar1->currentMessage(), QStringLiteral("Print ..."));
        QTest::mouseMove(ui(w).grdFV->viewport(), QPoint(100, 50));
        QTRY_COMPARE(ui(w).StatusBar1->currentMessage(), QString());
    }

    void popupMenuBelongsToPanelsGroupsAndGrid() {
        w = openWindow();
        auto* popup = control<QMenu>(w.get(), "mnuPop");
        for (QWidget* target : {ui(w).grdFV->viewport(), static_cast<QWidget*>(ui(w).rgSavings),
                                w->centralWidget()}) {
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                    target->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(target, &event);
            QTRY_VERIFY(popup->isVisible());
            popup->hide();
        }
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                ui(w).edtBalance->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(ui(w).edtBalance, &event);
        QVERIFY(!popup->isVisible()); // the field keeps its own edit menu
        if (QWidget* own = QApplication::activePopupWidget())
            own->close();
    }
};

TLMR_GUI_TEST_MAIN(TestMainWindowShell)
#include "test_mainwindow_shell.moc"
