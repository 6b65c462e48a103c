#include "app/About.h"
#include "app/Disclaim.h"
#include "app/Main.h"
#include "calc/RegionalSettings.h"
#include "platform/Application.h"
#include "platform/ProductInfo.h"
#include "platform/Shell.h"
#include "tests/support/ModalWatchdog.h"
#include "tests/support/TestMain.h"
#include "widgets/FlatPictureButton.h"
#include "widgets/HyperlinkLabel.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>
#include <QUrl>
#include <QtTest>

namespace {

QLabel* label(QWidget* dialog, const char* name) {
    auto* found = dialog->findChild<QLabel*>(QString::fromLatin1(name));
    if (!found)
        qWarning("no label %s", name);
    return found;
}

// Word-wrapped text must fit the box it was given, or its last line is cut.
bool textFits(const QLabel* label) {
    return label->heightForWidth(label->width()) <= label->height();
}

HyperlinkLabel* webLink(QWidget* dialog) {
    return dialog->findChild<HyperlinkLabel*>(QStringLiteral("UrlWeb"));
}

FlatPictureButton* okButton(QWidget* dialog) {
    return dialog->findChild<FlatPictureButton*>(QStringLiteral("btnClose"));
}

void checkFixedDialogWithoutCloseBox(QDialog* dialog, QSize clientSize) {
    QCOMPARE(dialog->size(), clientSize);
    QCOMPARE(dialog->minimumSize(), clientSize);
    QCOMPARE(dialog->maximumSize(), clientSize);
    const Qt::WindowFlags flags = dialog->windowFlags();
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));
    QCOMPARE(dialog->font().pixelSize(), 11);

    // Centred on the screen.
    const QPoint screenCentre = dialog->screen()->availableGeometry().center();
    const QPoint offset = dialog->frameGeometry().center() - screenCentre;
    QVERIFY2(offset.manhattanLength() <= 2,
             qPrintable(QStringLiteral("off centre by %1,%2").arg(offset.x()).arg(offset.y())));

    // Hints go to the status line only: nothing on the dialog has a pop-up tip.
    QVERIFY(dialog->toolTip().isEmpty());
    for (const QWidget* child : dialog->findChildren<QWidget*>())
        QVERIFY2(child->toolTip().isEmpty(), qPrintable(child->objectName()));
}

void checkOkButton(FlatPictureButton* button, QRect geometry, const QString& statusTip) {
    QVERIFY(button);
    QCOMPARE(button->geometry(), geometry);
    QCOMPARE(button->text(), QStringLiteral(" &OK"));
    QCOMPARE(button->statusTip(), statusTip);
    QVERIFY(!button->icon().isNull());
    QCOMPARE(button->iconSize(), QSize(18, 18));
    QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
}

} // namespace

// The About and disclaimer dialogs: layout and texts, closing by mouse and
// keyboard, the web link, and the dialogs' shared base.
class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        Shell::setUrlOpener({});
        Application::instance()->setBeepHandler({});
        for (QWidget* top : QApplication::topLevelWidgets()) // every dialog was freed
            QVERIFY(!qobject_cast<FixedDialog*>(top));
    }

    void aboutShowsItsTextsInPlace() {
        TAboutBox box;
        QCOMPARE(box.windowTitle(), QStringLiteral("About ..."));
        QCOMPARE(label(&box, "lblVersion")->text(), QStringLiteral("1.0.01"));
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));

        checkFixedDialogWithoutCloseBox(&box, QSize(332, 324));
        QCOMPARE(box.windowTitle(), QStringLiteral(" About Tallowmere, 1.3.00"));
        QCOMPARE(label(&box, "lblVersion")->text(), QStringLiteral("1.3.00"));
        QCOMPARE(label(&box, "lblCompileDate")->text(), QStringLiteral("October 31, 2001"));
        QCOMPARE(label(&box, "lblCopyright")->text(), QString::fromUtf8(ProductInfo::kCopyright));

        QWidget* panel = box.findChild<QWidget*>(QStringLiteral("pnlAbout"));
        QVERIFY(panel);
        QCOMPARE(panel->geometry(), QRect(5, 5, 323, 290));
        QLabel* picture = label(&box, "imgTitle");
        QVERIFY(picture);
        QCOMPARE(picture->geometry(), QRect(11, 8, 300, 162));
        QVERIFY(!picture->pixmap().isNull());

        struct Expected {
            const char* name;
            QPoint at;
            QString text;
        };
        const Expected labels[] = {
            {"lblVersionCaption", {22, 131}, QStringLiteral("Version:")},
            {"lblVersion", {72, 131}, QStringLiteral("1.3.00")},
            {"lblCompileDateCaption", {22, 145}, QStringLiteral("Compile Date:")},
            {"lblCompileDate", {94, 145}, QStringLiteral("October 31, 2001")},
            {"lblCopyright", {22, 159}, QString::fromUtf8(ProductInfo::kCopyright)},
        };
        for (const Expected& expected : labels) {
            QLabel* found = label(&box, expected.name);
            QVERIFY(found);
            QCOMPARE(found->parentWidget(), panel);
            QCOMPARE(found->pos(), expected.at);
            QCOMPARE(found->text(), expected.text);
            // Sized to its text, and drawn over the picture, not under it.
            QVERIFY2(found->width() >= found->sizeHint().width(), expected.name);
            QVERIFY(!found->autoFillBackground());
        }
        // The captions must not run into the values beside them.
        QVERIFY(label(&box, "lblVersionCaption")->geometry().right() < 72);
        QVERIFY(label(&box, "lblCompileDateCaption")->geometry().right() < 94);

        QLabel* note = label(&box, "lblComments");
        QVERIFY(note);
        QCOMPARE(note->geometry(), QRect(22, 197, 266, 56));
        QVERIFY(note->wordWrap());
        QCOMPARE(note->text(),
                 QStringLiteral("Brindlecrest Software, LLC creates award-winning financial "
                                "calculators for consumers, professionals and companies in the "
                                "banking, real estate, investment, mortgage and financial "
                                "services industries."));
        QVERIFY(textFits(note));

        const HyperlinkLabel* web = webLink(&box);
        QVERIFY(web);
        // At least the designed box (102, 262, 118 x 14), wide enough for the
        // whole address, and centred where the box is.
        const QRect link = web->geometry();
        QCOMPARE(link.top(), 262);
        QCOMPARE(link.height(), 14);
        QVERIFY(link.width() >= 118);
        QVERIFY(qAbs(link.center().x() - QRect(102, 262, 118, 14).center().x()) <= 1);
        QCOMPARE(web->text(), QString::fromUtf8(ProductInfo::kWebHomeCaption));
        QCOMPARE(web->address(), QString::fromUtf8(ProductInfo::kWebHome));
        QCOMPARE(web->statusTip(), QStringLiteral(" Click to visit Brindlecrest' website ..."));
        QVERIFY(web->sizeHint().width() <= web->width());

        checkOkButton(okButton(&box), QRect(108, 298, 115, 25),
                      QStringLiteral("Close About Window"));
    }

    void aboutLabelsLieOnThePicturesWhitePart() {
        // The labels from y 131 of the panel cover the picture from its row 123 on,
        // so that part of the picture must be plain white.
        TAboutBox box;
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const QImage picture =
            label(&box, "imgTitle")->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
        const qreal ratio = picture.devicePixelRatio();
        const int firstCoveredRow = qRound((131 - 8 - 4) * ratio);
        for (int y = firstCoveredRow; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                QVERIFY2(picture.pixel(x, y) == qRgb(255, 255, 255),
                         qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
        // ... while the upper part carries the banner.
        QVERIFY(picture.pixel(picture.width() / 2, picture.height() / 4) != qRgb(255, 255, 255));
    }

    void aboutRefillsItsTextsOnEveryShow() {
        TAboutBox box;
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        label(&box, "lblVersion")->setText(QStringLiteral("stale"));
        label(&box, "lblCopyright")->clear();
        box.setWindowTitle(QStringLiteral("stale"));
        box.hide();
        box.show();
        QCOMPARE(box.windowTitle(), QStringLiteral(" About Tallowmere, 1.3.00"));
        QCOMPARE(label(&box, "lblVersion")->text(), QStringLiteral("1.3.00"));
        QCOMPARE(label(&box, "lblCopyright")->text(), QString::fromUtf8(ProductInfo::kCopyright));
    }

    void okEnterAndEscapeClose_data() {
        QTest::addColumn<bool>("disclaimer");
        QTest::addColumn<QString>("how");
        for (bool disclaimer : {false, true}) {
            const char* which = disclaimer ? "disclaimer" : "about";
            for (const char* how : {"click", "space", "enter", "escape", "alt+o"})
                QTest::addRow("%s %s", which, how) << disclaimer << QString::fromLatin1(how);
        }
    }

    void okEnterAndEscapeClose() {
        QFETCH(bool, disclaimer);
        QFETCH(QString, how);
        std::unique_ptr<QDialog> dialog;
        FlatPictureButton* ok = nullptr;
        if (disclaimer) {
            auto* d = new TfrmDisclaim;
            ok = okButton(d);
            dialog.reset(d);
        } else {
            auto* d = new TAboutBox;
            ok = okButton(d);
            dialog.reset(d);
        }
        QSignalSpy finished(dialog.get(), &QDialog::finished);
        dialog->show();
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        QCOMPARE(dialog->focusWidget(), ok);

        if (how == QLatin1String("click"))
            QTest::mouseClick(ok, Qt::LeftButton);
        else if (how == QLatin1String("space"))
            QTest::keyClick(ok, Qt::Key_Space);
        else if (how == QLatin1String("enter"))
            QTest::keyClick(dialog.get(), Qt::Key_Return);
        else if (how == QLatin1String("escape"))
            QTest::keyClick(dialog.get(), Qt::Key_Escape);
        else
            QTest::keyClick(dialog.get(), Qt::Key_O, Qt::AltModifier);

        QTRY_COMPARE(finished.count(), 1);
        QVERIFY(!dialog->isVisible());
    }

    void webLinkOpensTheMakersSite() {
        QList<QUrl> opened;
        int beeps = 0;
        Shell::setUrlOpener([&](const QUrl& url) {
            opened << url;
            return true;
        });
        Application::instance()->setBeepHandler([&] { ++beeps; });

        TAboutBox box;
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QTest::mouseClick(webLink(&box), Qt::LeftButton);
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened.first(), QUrl(QString::fromUtf8(ProductInfo::kWebHome)));
        QCOMPARE(beeps, 0);
        QVERIFY(webLink(&box)->isVisited());
        QVERIFY(box.isVisible());

        // A fresh dialog starts unvisited again.
        TAboutBox next;
        QVERIFY(!webLink(&next)->isVisited());
    }

    void webLinkBeepsWhenNothingOpensIt() {
        int beeps = 0;
        Shell::setUrlOpener([](const QUrl&) { return false; });
        Application::instance()->setBeepHandler([&] { ++beeps; });

        TAboutBox box;
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QSignalSpy failed(webLink(&box), &HyperlinkLabel::openFailed);
        QTest::mouseClick(webLink(&box), Qt::LeftButton);
        QCOMPARE(beeps, 1);
        QCOMPARE(failed.count(), 1);
        // Only a beep: no message box, and the dialog stays open.
        QVERIFY(box.isVisible());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void disclaimerShowsItsWarningInPlace() {
        TfrmDisclaim dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        checkFixedDialogWithoutCloseBox(&dialog, QSize(281, 159));
        QCOMPARE(dialog.objectName(), QStringLiteral("frmDisclaim"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Disclaimer"));
        QWidget* panel = dialog.findChild<QWidget*>(QStringLiteral("pnlDisclaim"));
        QVERIFY(panel);
        QCOMPARE(panel->geometry(), QRect(0, 0, 281, 131));

        struct Expected {
            const char* name;
            QRect geometry; // an empty size: sized to its text
            bool warning;
            QString text;
        };
        const Expected labels[] = {
            {"lblIntro",
             {51, 8, 190, 28},
             false,
             QStringLiteral(
                 "Though effort was made to ensure the accuracy of these calculations,")},
            {"lblNote", {11, 38, 0, 0}, true, QStringLiteral("NOTE:")},
            {"lblWarning",
             {51, 38, 200, 56},
             true,
             QStringLiteral("there is  NO WARRANTY,  expressed or implied, for the accuracy or "
                            "applicability of this information to your particular financial "
                            "question.")},
            {"lblAdvice",
             {51, 96, 205, 28},
             false,
             QStringLiteral("Please consult your own financial advisor before making any "
                            "financial decision.")},
        };
        for (const Expected& expected : labels) {
            QLabel* found = label(&dialog, expected.name);
            QVERIFY(found);
            QCOMPARE(found->parentWidget(), panel);
            QCOMPARE(found->text(), expected.text);
            QCOMPARE(found->textFormat(), Qt::PlainText); // keeps the doubled blanks
            if (expected.geometry.size().isEmpty()) {
                QCOMPARE(found->pos(), expected.geometry.topLeft());
                QVERIFY(found->width() >= found->sizeHint().width());
            } else {
                QCOMPARE(found->geometry(), expected.geometry);
                QVERIFY(found->wordWrap());
                QVERIFY2(textFits(found), expected.name);
            }
            QCOMPARE(found->font().bold(), expected.warning);
            QCOMPARE(found->palette().color(QPalette::WindowText),
                     expected.warning ? QColor(Qt::red) : QColor(Qt::black));
            QVERIFY(!found->autoFillBackground());
        }
        QVERIFY(label(&dialog, "lblNote")->geometry().right() < 51);

        checkOkButton(okButton(&dialog), QRect(83, 133, 115, 25),
                      QStringLiteral("Close Disclaimer window."));
    }

    // The main window's own controls open each dialog modal, a fresh one every
    // time, showing its texts; closed, it is freed (see cleanup) and the main
    // window is active again.
    void mainWindowOpensAndFreesTheDialogs_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("caption");
        const QString about = QStringLiteral(" About Tallowmere, 1.3.00");
        QTest::newRow("Help menu About") << QStringLiteral("mnuHelpAbout") << about;
        QTest::newRow("pop-up menu About") << QStringLiteral("mnuPopAbout") << about;
        QTest::newRow("disclaimer button")
            << QStringLiteral("btnDisclaim") << QStringLiteral("Disclaimer");
    }

    void mainWindowOpensAndFreesTheDialogs() {
        QFETCH(QString, control);
        QFETCH(QString, caption);
        TfrmMain window(RegionalSettings::unitedStates());
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* button = window.findChild<QAbstractButton*>(control);
        auto* item = window.findChild<QAction*>(control);
        QVERIFY(button || item);

        for (int round = 0; round < 2; ++round) {
            QString shownCaption;
            QPointer<QWidget> shown;
            closeActiveModalLater(0, [&](QWidget* modal) {
                shown = modal;
                shownCaption = modal->windowTitle();
                QTest::keyClick(modal, Qt::Key_Return);
            });
            if (button)
                QTest::mouseClick(button, Qt::LeftButton);
            else
                item->trigger();
            QCOMPARE(shownCaption, caption);
            QVERIFY(shown.isNull());
            QTRY_VERIFY(window.isActiveWindow());
        }
    }
};

TLMR_GUI_TEST_MAIN(DialogsTest)
#include "test_dialogs.moc"
