// Process entry: splash, application title, main window, event loop. The
// program takes no arguments; whatever is passed is ignored.

#include "app/Main.h"
#include "app/XJustOne.h"
#include "app/splash.h"
#include "platform/Application.h"
#include "platform/ProductInfo.h"

#include <QPointer>
#include <QTimer>
#include <memory>

int main(int argc, char** argv) {
    Application app(argc, argv);

    // The splash's five seconds start counting before the main window exists,
    // and it is fully drawn before the main window's creation begins.
    // It frees itself when its timer closes it; the pointer then turns null.
    const QPointer<TSplashScreen> splash = new TSplashScreen;
    splash->Timer1->start();
    splash->show();
    splash->paintNow();
    app.setSplashWindow(splash);

    QCoreApplication::setApplicationName(QString::fromUtf8(ProductInfo::kTitle));

    // The main window runs the single-instance check while it is built. Closing
    // it ends the event loop; it is freed once the loop has returned.
    const auto mainWindow = std::make_unique<TfrmMain>();
    // When another copy runs, this one quits without showing its window and
    // without ever closing it, so nothing of its state is saved.
    int result = 0;
    const auto* instances = mainWindow->findChild<TXJustOne*>(QStringLiteral("XJustOne1"));
    if (!instances || !instances->anotherInstanceFound()) {
        mainWindow->show();
        // Stay above the main window even where nothing enforces stay-on-top.
        if (splash)
            splash->raise();
        result = app.exec();
    }
    delete splash.data();
    return result;
}
