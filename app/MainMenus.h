#pragma once

#include "app/Links.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
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
    Q_DECLARE_TR_FUNCTIONS(MainMenus)

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
    // Adds the item `name` to `menu`; it runs `command`, or opens `link`.
    QAction* addItem(QMenu* menu, const char* name, const QString& caption, Command command);
    QAction* addItem(QMenu* menu, const char* name, const QString& caption, Link link);

    QList<std::pair<Command, QAction*>> m_commands;
    QList<std::pair<QAction*, Link>> m_links;
    QMenu* m_popup;
    QAction* m_popupGrowth;
};
