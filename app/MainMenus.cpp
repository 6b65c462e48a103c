#include "app/MainMenus.h"

#include "platform/ProductInfo.h"

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

    QMenu* file = submenu(bar, "mnuFile", tr("&File"));
    addItem(file, "mnuFileReset", tr("&Reset"), Command::Reset);
    addItem(file, "mnuFileGoal", tr("&Goal..."), Command::Goal);
    file->addSeparator();
    addItem(file, "mnuFilePrintSetup", tr("Prin&t Setup..."), Command::PrintSetup);
    addItem(file, "mnuFilePrint", tr("&Print..."), Command::Print)
        ->setShortcut(QKeySequence::Print);
    file->addSeparator();
    // The desktop's Quit key; where the platform has none (it closes windows
    // with Alt+F4 alone), Ctrl+Q as on Linux desktops.
    QList<QKeySequence> quitKeys = QKeySequence::keyBindings(QKeySequence::Quit);
    if (quitKeys.isEmpty())
        quitKeys << QKeySequence(Qt::CTRL | Qt::Key_Q);
    addItem(file, "mnuFileExit", tr("E&xit"), Command::Exit)->setShortcuts(quitKeys);
    bar->addMenu(file);

    QMenu* online = submenu(bar, "mnuInternet", tr("&Brindlecrest Online"));
    addItem(online, "mnuInternetCalcSite", literal(kCalcSiteName) + tr(" - Online Calculators ..."),
            Link::CalcSite);
    online->addSeparator();
    QMenu* web = submenu(online, "mnuInternetWeb", tr("&Brindlecrest on the Web"));
    addItem(web, "mnuInternetWebHome", tr("&Home Page"), Link::WebHome);
    addItem(web, "mnuInternetWebFreeware", tr("Freeware Page"), Link::Freeware);
    web->addSeparator();
    addItem(web, "mnuInternetWebSuggest", tr("&Suggestion Box"), Link::Suggest);
    online->addMenu(web);
    QMenu* email = submenu(online, "mnuInternetEmail", tr("Contact Brindlecrest by &Email"));
    addItem(email, "mnuInternetEmailSuggest", tr("&Send Suggestions"), Link::EmailSuggest);
    addItem(email, "mnuInternetEmailSupport", tr("Contact &Tech Support"), Link::EmailSupport);
    online->addMenu(email);
    QMenu* download = submenu(online, "mnuInternetDownload", tr("&Download Evaluation Software"));
    for (int i = 0; i < 4; ++i) {
        const QByteArray name = "mnuInternetDownloadProduct" + QByteArray::number(i + 1);
        addItem(download, name.constData(), literal(kOtherProducts[i].name), productLink(i));
    }
    online->addMenu(download);
    online->addSeparator();
    addItem(online, "mnuInternetUpdate", tr("Check for &Updated Version ..."), Command::Update);
    bar->addMenu(online);

    QMenu* help = submenu(bar, "mnuHelp", tr("&Help"));
    QAction* contents = addItem(help, "mnuHelpContents", tr("&Contents"), Command::HelpContents);
    contents->setShortcut(QKeySequence(Qt::Key_F1));
    contents->setShortcutContext(Qt::WindowShortcut);
    help->addSeparator();
    addItem(help, "mnuHelpSearch", tr("&Search for Help On..."), Command::HelpSearch);
    addItem(help, "mnuHelpHow", tr("&How to Use Help"), Command::HelpHow);
    help->addSeparator();
    QMenu* support = submenu(help, "mnuHelpSupport", tr("Contact Tech Support by &Email"));
    addItem(support, "mnuHelpSupportAddress", literal(kSupportAddress), Link::EmailSupport);
    help->addMenu(support);
    help->addSeparator();
    // The disclaimer's tool button takes no focus; the keyboard reaches it here.
    addItem(help, "mnuHelpDisclaim", tr("&Disclaimer..."), Command::Disclaimer);
    addItem(help, "mnuHelpAbout", tr("&About..."), Command::About);
    bar->addMenu(help);

    m_popup = submenu(window, "mnuPop", QString());
    addItem(m_popup, "mnuPopReset", tr("&Reset"), Command::Reset);
    m_popup->addSeparator();
    addItem(m_popup, "mnuPopPrintSetup", tr("Print &Setup ..."), Command::PrintSetup);
    addItem(m_popup, "mnuPopPrint", tr("&Print..."), Command::Print);
    m_popup->addSeparator();
    addItem(m_popup, "mnuPopAbout", tr("&About..."), Command::About);
    m_popup->addSeparator();
    addItem(m_popup, "mnuPopExit", tr("E&xit"), Command::Exit);
    m_popup->addSeparator();
    m_popupGrowth = addItem(m_popup, "mnuPopGrowth", tr("&Growth..."), Command::Growth);
    addItem(m_popup, "mnuPopGoal", tr("G&oal..."), Command::Goal);
}

QAction* MainMenus::addItem(QMenu* menu, const char* name, const QString& caption,
                            Command command) {
    QAction* action = item(menu, name, caption);
    m_commands.append({command, action});
    return action;
}

QAction* MainMenus::addItem(QMenu* menu, const char* name, const QString& caption, Link link) {
    QAction* action = item(menu, name, caption);
    m_links.append({action, link});
    return action;
}

QList<QAction*> MainMenus::items(Command command) const {
    QList<QAction*> items;
    for (const auto& [itemCommand, action] : m_commands)
        if (itemCommand == command)
            items << action;
    return items;
}

QList<std::pair<QAction*, Link>> MainMenus::linkItems() const {
    return m_links;
}

void MainMenus::popUp(const QPoint& globalPos, bool growthEnabled) {
    m_popupGrowth->setEnabled(growthEnabled);
    m_popup->popup(globalPos);
}
