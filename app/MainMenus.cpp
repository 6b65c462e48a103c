#include "app/MainMenus.h"

#include "platform/ProductInfo.h"

#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPoint>

namespace {

QAction* item(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

QMenu* submenu(QWidget* parent, const char* name, const QString& caption) {
    auto* menu = new QMenu(caption, parent);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

// A caption shown literally: an ampersand in a name must not become a mnemonic.
QString literal(const char* text) {
    return QString::fromUtf8(text).replace(u'&', QStringLiteral("&&"));
}

} // namespace

MainMenus::MainMenus(QMenuBar* bar, QWidget* window) {
    using namespace ProductInfo;

    mnuFile = submenu(bar, "mnuFile", QCoreApplication::translate("MainMenus", "&File"));
    mnuFileReset =
        item(mnuFile, "mnuFileReset", QCoreApplication::translate("MainMenus", "&Reset"));
    mnuFileGoal =
        item(mnuFile, "mnuFileGoal", QCoreApplication::translate("MainMenus", "&Goal..."));
    mnuFile->addSeparator();
    mnuFilePrintSetup = item(mnuFile, "mnuFilePrintSetup",
                             QCoreApplication::translate("MainMenus", "Prin&t Setup..."));
    mnuFilePrint =
        item(mnuFile, "mnuFilePrint", QCoreApplication::translate("MainMenus", "&Print..."));
    mnuFilePrint->setShortcut(QKeySequence::Print);
    mnuFile->addSeparator();
    mnuFileExit = item(mnuFile, "mnuFileExit", QCoreApplication::translate("MainMenus", "E&xit"));
    // The desktop's Quit key; where the platform has none (it closes windows
    // with Alt+F4 alone), Ctrl+Q as on Linux desktops.
    QList<QKeySequence> quitKeys = QKeySequence::keyBindings(QKeySequence::Quit);
    if (quitKeys.isEmpty())
        quitKeys << QKeySequence(Qt::CTRL | Qt::Key_Q);
    mnuFileExit->setShortcuts(quitKeys);
    bar->addMenu(mnuFile);

    mnuInternet = submenu(bar, "mnuInternet",
                          QCoreApplication::translate("MainMenus", "&Brindlecrest Online"));
    mnuInternetCalcSite =
        item(mnuInternet, "mnuInternetCalcSite",
             literal(kCalcSiteName) +
                 QCoreApplication::translate("MainMenus", " - Online Calculators ..."));
    mnuInternet->addSeparator();
    mnuInternetWeb = submenu(mnuInternet, "mnuInternetWeb",
                             QCoreApplication::translate("MainMenus", "&Brindlecrest on the Web"));
    mnuInternetWebHome = item(mnuInternetWeb, "mnuInternetWebHome",
                              QCoreApplication::translate("MainMenus", "&Home Page"));
    mnuInternetWebFreeware = item(mnuInternetWeb, "mnuInternetWebFreeware",
                                  QCoreApplication::translate("MainMenus", "Freeware Page"));
    mnuInternetWeb->addSeparator();
    mnuInternetWebSuggest = item(mnuInternetWeb, "mnuInternetWebSuggest",
                                 QCoreApplication::translate("MainMenus", "&Suggestion Box"));
    mnuInternet->addMenu(mnuInternetWeb);
    mnuInternetEmail =
        submenu(mnuInternet, "mnuInternetEmail",
                QCoreApplication::translate("MainMenus", "Contact Brindlecrest by &Email"));
    mnuInternetEmailSuggest = item(mnuInternetEmail, "mnuInternetEmailSuggest",
                                   QCoreApplication::translate("MainMenus", "&Send Suggestions"));
    mnuInternetEmailSupport =
        item(mnuInternetEmail, "mnuInternetEmailSupport",
             QCoreApplication::translate("MainMenus", "Contact &Tech Support"));
    mnuInternet->addMenu(mnuInternetEmail);
    mnuInternetDownload =
        submenu(mnuInternet, "mnuInternetDownload",
                QCoreApplication::translate("MainMenus", "&Download Evaluation Software"));
    for (int i = 0; i < 4; ++i) {
        const QByteArray name = "mnuInternetDownloadProduct" + QByteArray::number(i + 1);
        mnuInternetDownloadProduct[i] =
            item(mnuInternetDownload, name.constData(), literal(kOtherProducts[i].name));
    }
    mnuInternet->addMenu(mnuInternetDownload);
    mnuInternet->addSeparator();
    mnuInternetUpdate =
        item(mnuInternet, "mnuInternetUpdate",
             QCoreApplication::translate("MainMenus", "Check for &Updated Version ..."));
    bar->addMenu(mnuInternet);

    mnuHelp = submenu(bar, "mnuHelp", QCoreApplication::translate("MainMenus", "&Help"));
    mnuHelpContents =
        item(mnuHelp, "mnuHelpContents", QCoreApplication::translate("MainMenus", "&Contents"));
    mnuHelpContents->setShortcut(QKeySequence(Qt::Key_F1));
    mnuHelpContents->setShortcutContext(Qt::WindowShortcut);
    mnuHelp->addSeparator();
    mnuHelpSearch = item(mnuHelp, "mnuHelpSearch",
                         QCoreApplication::translate("MainMenus", "&Search for Help On..."));
    mnuHelpHow =
        item(mnuHelp, "mnuHelpHow", QCoreApplication::translate("MainMenus", "&How to Use Help"));
    mnuHelp->addSeparator();
    mnuHelpSupport =
        submenu(mnuHelp, "mnuHelpSupport",
                QCoreApplication::translate("MainMenus", "Contact Tech Support by &Email"));
    mnuHelpSupportAddress = item(mnuHelpSupport, "mnuHelpSupportAddress", literal(kSupportAddress));
    mnuHelp->addMenu(mnuHelpSupport);
    mnuHelp->addSeparator();
    // The disclaimer's tool button takes no focus; the keyboard reaches it here.
    mnuHelpDisclaim = item(mnuHelp, "mnuHelpDisclaim",
                           QCoreApplication::translate("MainMenus", "&Disclaimer..."));
    mnuHelpAbout =
        item(mnuHelp, "mnuHelpAbout", QCoreApplication::translate("MainMenus", "&About..."));
    bar->addMenu(mnuHelp);

    mnuPop = submenu(window, "mnuPop", QString());
    mnuPopReset = item(mnuPop, "mnuPopReset", QCoreApplication::translate("MainMenus", "&Reset"));
    mnuPop->addSeparator();
    mnuPopPrintSetup = item(mnuPop, "mnuPopPrintSetup",
                            QCoreApplication::translate("MainMenus", "Print &Setup ..."));
    mnuPopPrint =
        item(mnuPop, "mnuPopPrint", QCoreApplication::translate("MainMenus", "&Print..."));
    mnuPop->addSeparator();
    mnuPopAbout =
        item(mnuPop, "mnuPopAbout", QCoreApplication::translate("MainMenus", "&About..."));
    mnuPop->addSeparator();
    mnuPopExit = item(mnuPop, "mnuPopExit", QCoreApplication::translate("MainMenus", "E&xit"));
    mnuPop->addSeparator();
    mnuPopGrowth =
        item(mnuPop, "mnuPopGrowth", QCoreApplication::translate("MainMenus", "&Growth..."));
    mnuPopGoal = item(mnuPop, "mnuPopGoal", QCoreApplication::translate("MainMenus", "G&oal..."));
}

QList<QAction*> MainMenus::items(Command command) const {
    switch (command) {
    case Command::Reset:
        return {mnuFileReset, mnuPopReset};
    case Command::PrintSetup:
        return {mnuFilePrintSetup, mnuPopPrintSetup};
    case Command::Print:
        return {mnuFilePrint, mnuPopPrint};
    case Command::Exit:
        return {mnuFileExit, mnuPopExit};
    case Command::Update:
        return {mnuInternetUpdate};
    case Command::HelpContents:
        return {mnuHelpContents};
    case Command::HelpSearch:
        return {mnuHelpSearch};
    case Command::HelpHow:
        return {mnuHelpHow};
    case Command::About:
        return {mnuHelpAbout, mnuPopAbout};
    case Command::Disclaimer:
        return {mnuHelpDisclaim};
    case Command::Growth:
        return {mnuPopGrowth};
    case Command::Goal:
        return {mnuFileGoal, mnuPopGoal};
    }
    return {};
}

QList<std::pair<QAction*, Link>> MainMenus::linkItems() const {
    QList<std::pair<QAction*, Link>> links = {
        {mnuInternetCalcSite, Link::CalcSite},
        {mnuInternetWebHome, Link::WebHome},
        {mnuInternetWebFreeware, Link::Freeware},
        {mnuInternetWebSuggest, Link::Suggest},
        {mnuInternetEmailSuggest, Link::EmailSuggest},
        {mnuInternetEmailSupport, Link::EmailSupport},
        {mnuHelpSupportAddress, Link::EmailSupport},
    };
    for (int i = 0; i < 4; ++i)
        links.append({mnuInternetDownloadProduct[i], productLink(i)});
    return links;
}

void MainMenus::popUp(const QPoint& globalPos, bool growthEnabled) {
    mnuPopGrowth->setEnabled(growthEnabled);
    mnuPop->popup(globalPos);
}
