#include "app/ToolBarPanel.h"

#include "widgets/FlatPictureButton.h"

#include <QIcon>

namespace {

FlatPictureButton* makeButton(QWidget* parent, const char* name, int x, const char* icon,
                              int iconSize, const QString& hint) {
    auto* button = new FlatPictureButton(QIcon(QLatin1String(icon)), QSize(iconSize, iconSize),
                                         QString(), parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(x, 3, 25, 25);
    button->setStatusTip(hint);
    button->setToolTip(QString());
    // Clicking a tool button must not take the focus out of the field being
    // edited; the keyboard reaches these commands through the menus.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

ToolBarPanel::ToolBarPanel(QWidget* parent)
    : QFrame(parent) {
    setObjectName(QStringLiteral("pnlToolBar"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);

    btnPrint =
        makeButton(this, "btnPrint", 5, ":/icons/print.svg", 20, QStringLiteral("Print ..."));
    btnPrinterSetup = makeButton(this, "btnPrinterSetup", 30, ":/icons/printer-setup.svg", 20,
                                 QStringLiteral(" Printer Setup ..."));
    btnReset = makeButton(this, "btnReset", 55, ":/icons/reset.svg", 18,
                          QStringLiteral("Reset Default Values ..."));
    btnDisclaim = makeButton(this, "btnDisclaim", 80, ":/icons/disclaimer.svg", 20,
                             QStringLiteral(" Disclaimer ..."));
    btnUpdate = makeButton(this, "btnUpdate", 105, ":/icons/update.svg", 16,
                           QStringLiteral(" Check for Updated Version ..."));
    btnHelp = makeButton(this, "btnHelp", 130, ":/icons/help.svg", 20, QStringLiteral(" Help ..."));
    btnExit = makeButton(this, "btnExit", 593, ":/icons/exit.svg", 17,
                         QStringLiteral("Close Tallowmere"));
}
