// Process entry: splash, application title, main window, event loop. The
// program answers --help and --version on standard output before anything needs
// a display; every other argument is ignored.

#include "app/Main.h"
#include "app/SplashScreen.h"
#include "app/XJustOne.h"
#include "platform/Application.h"
#include "platform/ProductInfo.h"
#include "translations/Translations.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace {

constexpr int kOutputFailed = 3;

// The text --help or --version asks for, or an empty text when neither is given.
std::string informationAsked(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (std::strcmp(argument, "--version") == 0 || std::strcmp(argument, "-V") == 0)
            return std::string("tallowmere (") + ProductInfo::kTitle + ") " +
                   ProductInfo::kVersion + '\n';
        if (std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0)
            return QCoreApplication::translate(
                       "main",
                       "Usage: tallowmere [--help | --version]\n"
                       "\n"
                       "The savings calculator window: a what-if table of 11 savings amounts by 7\n"
                       "interest rates. Other arguments are ignored. tallowmere-cli calculates "
                       "the\n"
                       "same schedule without a window.\n"
                       "\n"
                       "  -h, --help     show this help and exit\n"
                       "  -V, --version  show the version and exit\n")
                .toStdString();
    }
    return {};
}

// A core application when --help or --version is asked, else none.
std::unique_ptr<QCoreApplication> informationApp(int& argc, char** argv) {
    if (informationAsked(argc, argv).empty())
        return nullptr;
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

int main(int argc, char** argv) {
    // Answered before the application object exists, which needs a display; a
    // core application needs none but can load the translation.
    if (std::unique_ptr<QCoreApplication> core = informationApp(argc, argv)) {
        Translations::install(*core);
        const std::string text = informationAsked(argc, argv);
        const bool written = std::fputs(text.c_str(), stdout) >= 0 && std::fflush(stdout) == 0;
        if (!written)
            std::fputs(QCoreApplication::translate("main", "tallowmere: cannot write the output\n")
                           .toLocal8Bit()
                           .constData(),
                       stderr);
        return written ? 0 : kOutputFailed;
    }
    Application app(argc, argv);
    Translations::install(app);

    // The splash's five seconds start counting before the main window exists,
    // and it is fully drawn before the main window's creation begins.
    // It frees itself when its timer closes it; the pointer then turns null.
    const QPointer<TSplashScreen> splash = new TSplashScreen;
    splash->showUntilTimerEnds();
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
