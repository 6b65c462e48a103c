#pragma once

#include <array>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// The main window's menu bar and its pop-up menu: captions, shortcuts and object
// names. Commands are connected by the window; this only builds the items.
// Menu items carry no status tip, so highlighting one blanks the status line.
struct MainMenus {
    MainMenus(QMenuBar* bar, QWidget* window);

    QMenu* mnuFile;
    QAction* mnuFileReset;
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
    QAction* mnuHelpAbout;

    QMenu* mnuPop;
    QAction* mnuPopReset;
    QAction* mnuPopPrintSetup;
    QAction* mnuPopPrint;
    QAction* mnuPopAbout;
    QAction* mnuPopExit;
    QAction* mnuPopGrowth;
};
