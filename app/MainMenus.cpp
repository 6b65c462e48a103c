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

    mnuFile = submenu(bar, "mnuFile", QStringLiteral("&File"));
    mnuFileReset = item(mnuFile, "mnuFileReset", QStringLiteral("&Reset"));
    mnuFileGoal = item(mnuFile, "mnuFileGoal", QStringLiteral("&Goal..."));
    mnuFile->addSeparator();
    mnuFilePrintSetup = item(mnuFile, "mnuFilePrintSetup", QStringLiteral("Prin&t Setup..."));
    mnuFilePrint = item(mnuFile, "mnuFilePrint", QStringLiteral("&Print..."));
    mnuFilePrint->setShortcut(QKeySequence::Print);
    mnuFile->addSeparator();
    mnuFileExit = item(mnuFile, "mnuFileExit", QStringLiteral("E&xit"));
    // The desktop's Quit key; where the platform has none (it closes windows
    // with Alt+F4 alone), Ctrl+Q as on Linux desktops.
    QList<QKeySequence> quitKeys = QKeySequence::keyBindings(QKeySequence::Quit);
    if (quitKeys.isEmpty())
        quitKeys << QKeySequence(Qt::CTRL | Qt::Key_Q);
    mnuFileExit->setShortcuts(quitKeys);
    bar->addMenu(mnuFile);

    mnuInternet = submenu(bar, "mnuInternet", QStringLiteral("&Brindlecrest Online"));
    mnuInternetCalcSite =
        item(mnuInternet, "mnuInternetCalcSite",
             literal(kCalcSiteName) + QStringLiteral(" - Online Calculators ..."));
    mnuInternet->addSeparator();
    mnuInternetWeb =
        submenu(mnuInternet, "mnuInternetWeb", QStringLiteral("&Brindlecrest on the Web"));
    mnuInternetWebHome = item(mnuInternetWeb, "mnuInternetWebHome", QStringLiteral("&Home Page"));
    mnuInternetWebFreeware =
        item(mnuInternetWeb, "mnuInternetWebFreeware", QStringLiteral("Freeware Page"));
    mnuInternetWeb->addSeparator();
    mnuInternetWebSuggest =
        item(mnuInternetWeb, "mnuInternetWebSuggest", QStringLiteral("&Suggestion Box"));
    mnuInternet->addMenu(mnuInternetWeb);
    mnuInternetEmail =
        submenu(mnuInternet, "mnuInternetEmail", QStringLiteral("Contact Brindlecrest by &Email"));
    mnuInternetEmailSuggest =
        item(mnuInternetEmail, "mnuInternetEmailSuggest", QStringLiteral("&Send Suggestions"));
    mnuInternetEmailSupport =
        item(mnuInternetEmail, "mnuInternetEmailSupport", QStringLiteral("Contact &Tech Support"));
    mnuInternet->addMenu(mnuInternetEmail);
    mnuInternetDownload = submenu(mnuInternet, "mnuInternetDownload",
                                  QStringLiteral("&Download Evaluation Software"));
    for (int i = 0; i < 4; ++i) {
        const QByteArray name = "mnuInternetDownloadProduct" + QByteArray::number(i + 1);
        mnuInternetDownloadProduct[i] =
            item(mnuInternetDownload, name.constData(), literal(kOtherProducts[i].name));
    }
    mnuInternet->addMenu(mnuInternetDownload);
    mnuInternet->addSeparator();
    mnuInternetUpdate =
        item(mnuInternet, "mnuInternetUpdate", QStringLiteral("Check for &Updated Version ..."));
    bar->addMenu(mnuInternet);

    mnuHelp = submenu(bar, "mnuHelp", QStringLiteral("&Help"));
    mnuHelpContents = item(mnuHelp, "mnuHelpContents", QStringLiteral("&Contents"));
    mnuHelpContents->setShortcut(QKeySequence(Qt::Key_F1));
    mnuHelpContents->setShortcutContext(Qt::WindowShortcut);
    mnuHelp->addSeparator();
    mnuHelpSearch = item(mnuHelp, "mnuHelpSearch", QStringLiteral("&Search for Help On..."));
    mnuHelpHow = item(mnuHelp, "mnuHelpHow", QStringLiteral("&How to Use Help"));
    mnuHelp->addSeparator();
    mnuHelpSupport =
        submenu(mnuHelp, "mnuHelpSupport", QStringLiteral("Contact Tech Support by &Email"));
    mnuHelpSupportAddress = item(mnuHelpSupport, "mnuHelpSupportAddress", literal(kSupportAddress));
    mnuHelp->addMenu(mnuHelpSupport);
    mnuHelp->addSeparator();
    // The disclaimer's tool button takes no focus; the keyboard reaches it here.
    mnuHelpDisclaim = item(mnuHelp, "mnuHelpDisclaim",
                           QCoreApplication::translate("MainMenus", "&Disclaimer..."));
    mnuHelpAbout = item(mnuHelp, "mnuHelpAbout", QStringLiteral("&About..."));
    bar->addMenu(mnuHelp);

    mnuPop = submenu(window, "mnuPop", QString());
    mnuPopReset = item(mnuPop, "mnuPopReset", QStringLiteral("&Reset"));
    mnuPop->addSeparator();
    mnuPopPrintSetup = item(mnuPop, "mnuPopPrintSetup", QStringLiteral("Print &Setup ..."));
    mnuPopPrint = item(mnuPop, "mnuPopPrint", QStringLiteral("&Print..."));
    mnuPop->addSeparator();
    mnuPopAbout = item(mnuPop, "mnuPopAbout", QStringLiteral("&About..."));
    mnuPop->addSeparator();
    mnuPopExit = item(mnuPop, "mnuPopExit", QStringLiteral("E&xit"));
    mnuPop->addSeparator();
    mnuPopGrowth = item(mnuPop, "mnuPopGrowth", QStringLiteral("&Growth..."));
    mnuPopGoal = item(mnuPop, "mnuPopGoal", QStringLiteral("G&oal..."));
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
