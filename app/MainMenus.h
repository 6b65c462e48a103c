#pragma once

#include "app/Links.h"

#include <QList>
#include <QString>
#include <array>
#include <utility>

class QAction;
class QMenu;
class QMenuBar;
class QPoint;
class QWidget;

// The main window's menu bar and its pop-up menu: captions, shortcuts and object
// names. Commands are connected by the window; this only builds the items.
// Menu items carry no status tip, so highlighting one blanks the status line.
class MainMenus {
public:
    // What the items do, for the window to connect.
    enum class Command {
        Reset,
        PrintSetup,
        Print,
        Exit,
        Update,
        HelpContents,
        HelpSearch,
        HelpHow,
        About,
        Disclaimer,
        Growth,
        Goal
    };

    MainMenus(QMenuBar* bar, QWidget* window);

    // Every item, in the menu bar and the pop-up menu, that runs `command`.
    QList<QAction*> items(Command command) const;
    // The items that open an address, each with its link.
    QList<std::pair<QAction*, Link>> linkItems() const;
    // Shows the pop-up menu at `globalPos`, its Growth item enabled or not.
    void popUp(const QPoint& globalPos, bool growthEnabled);

private:
    QMenu* mnuFile;
    QAction* mnuFileReset;
    QAction* mnuFileGoal;
    QAction* mnuFilePrintSetup;
    QAction* mnuFilePrint;
    QAction* mnuFileExit;

    QMenu* mnuInternet;
    QAction* mnuInternetCalcSite;
    QMenu* mnuInternetWeb;
    QAction* mnuInternetWebHome;
    QAction* mnuInternetWebFreeware;
    QAction* mnuInternetWebSuggest;
    QMenu* mnuInternetEmail;
    QAction* mnuInternetEmailSuggest;
    QAction* mnuInternetEmailSupport;
    QMenu* mnuInternetDownload;
    std::array<QAction*, 4> mnuInternetDownloadProduct;
    QAction* mnuInternetUpdate;

    QMenu* mnuHelp;
    QAction* mnuHelpContents;
    QAction* mnuHelpSearch;
    QAction* mnuHelpHow;
    QMenu* mnuHelpSupport;
    QAction* mnuHelpSupportAddress;
    QAction* mnuHelpDisclaim;
    QAction* mnuHelpAbout;

    QMenu* mnuPop;
    QAction* mnuPopReset;
    QAction* mnuPopPrintSetup;
    QAction* mnuPopPrint;
    QAction* mnuPopAbout;
    QAction* mnuPopExit;
    QAction* mnuPopGrowth;
    QAction* mnuPopGoal;
};
