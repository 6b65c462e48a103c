#include "app/SplashScreen.h"
#include "tests/support/TestMain.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

class TestSplash : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void designValues();
    void pictureAndCopyright();
    void timerTickClosesAndFrees();
    void centredAndLeavesFocusAlone();

private:
    QPointer<TSplashScreen> m_splash;
};

void TestSplash::cleanup() {
    delete m_splash.data();
}

void TestSplash::designValues() {
    TSplashScreen splash;
    const Qt::WindowFlags flags = splash.windowFlags();
    QCOMPARE(splash.windowType(), Qt::SplashScreen);
    QVERIFY(flags.testFlag(Qt::FramelessWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
    // Clicks pass through and focus stays where it is.
    QVERIFY(flags.testFlag(Qt::WindowTransparentForInput));
    QVERIFY(flags.testFlag(Qt::WindowDoesNotAcceptFocus));
    QVERIFY(splash.testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(splash.testAttribute(Qt::WA_ShowWithoutActivating));
    QVERIFY(!splash.testAttribute(Qt::WA_QuitOnClose));

    QCOMPARE(splash.size(), QSize(313, 175));
    QCOMPARE(splash.minimumSize(), splash.maximumSize());
    QCOMPARE(splash.windowTitle(), QStringLiteral("Tallowmere"));
    QCOMPARE(splash.font().family(), QStringLiteral("Arial"));
    QCOMPARE(splash.font().pixelSize(), 11);

    auto* timer = splash.findChild<QTimer*>(QStringLiteral("Timer1"));
    QVERIFY(timer);
    QCOMPARE(timer->interval(), 5000);
    QVERIFY(!timer->isActive()); // started by the program, not by the window
}

void TestSplash::pictureAndCopyright() {
    TSplashScreen splash;
    auto* picture = splash.findChild<QLabel*>(QStringLiteral("imgTitle"));
    QVERIFY(picture);
    QCOMPARE(picture->geometry(), QRect(1, 1, 300, 162));
    // The picture sits in the white inner panel, inside the bevelled frame.
    auto* inner = splash.findChild<QWidget*>(QStringLiteral("Panel2"));
    QVERIFY(inner);
    QCOMPARE(picture->parentWidget(), inner);
    QVERIFY(splash.rect().contains(inner->mapTo(&splash, inner->rect().bottomRight())));
    QVERIFY(inner->geometry().top() > 0);

    // The title picture is drawn, not left blank (a missing resource would be).
    const QImage image = picture->pixmap().toImage();
    QVERIFY(!image.isNull());
    bool drawn = false;
    for (int y = 0; y < image.height() && !drawn; y += 2)
        for (int x = 0; x < image.width() && !drawn; x += 2)
            drawn = image.pixelColor(x, y) != QColor(Qt::white);
    QVERIFY2(drawn, "title picture is blank");

    auto* copyright = splash.findChild<QLabel*>(QStringLiteral("lblCopyright"));
    QVERIFY(copyright);
    QVERIFY(copyright->text().startsWith(QStringLiteral("Copyright \u00a9")));
    // Over the lower part of the picture, and the whole text fits there.
    QVERIFY(picture->geometry().contains(copyright->geometry()));
    QVERIFY(copyright->geometry().top() > picture->geometry().center().y());
    const QRect needed = copyright->fontMetrics().boundingRect(
        copyright->rect(), int(copyright->alignment()), copyright->text());
    QVERIFY2(copyright->rect().contains(needed), qPrintable(QDebug::toString(needed)));
}

void TestSplash::timerTickClosesAndFrees() {
    QPointer<TSplashScreen> splash = new TSplashScreen;
    auto* timer = splash->findChild<QTimer*>(QStringLiteral("Timer1"));
    QSignalSpy ticks(timer, &QTimer::timeout);
    timer->setInterval(20);
    splash->showUntilTimerEnds();

    QTRY_VERIFY(splash.isNull());
    QCOMPARE(ticks.count(), 1);
}

void TestSplash::centredAndLeavesFocusAlone() {
    m_splash = new TSplashScreen;
    TSplashScreen* SplashScreen = m_splash;
    SplashScreen->show();
    SplashScreen->paintNow();
    QVERIFY(SplashScreen->windowHandle()->isExposed());
    QCOMPARE(SplashScreen->geometry().center(), SplashScreen->screen()->geometry().center());

    // The main window comes up after the splash and keeps the focus while the
    // splash stays above it and paints.
    QWidget mainWindow;
    mainWindow.resize(500, 400);
    mainWindow.show();
    QVERIFY(QTest::qWaitForWindowActive(&mainWindow));
    SplashScreen->repaint();
    QCoreApplication::processEvents();
    QCOMPARE(QApplication::activeWindow(), &mainWindow);
    QVERIFY(SplashScreen->isVisible());
}

TLMR_GUI_TEST_MAIN(TestSplash)
#include "test_splash.moc"
