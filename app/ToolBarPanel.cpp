#include "app/ToolBarPanel.h"

#include "platform/PngPicture.h"
#include "platform/ProductInfo.h"
#include "widgets/FlatPictureButton.h"

namespace {

FlatPictureButton* makeButton(QWidget* parent, const char* name, int x, const char* icon,
                              int iconSize, const QString& hint) {
    auto* button = new FlatPictureButton(pngIcon(QLatin1String(icon)), QSize(iconSize, iconSize),
                                         QString(), parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(x, 3, 25, 25);
    button->setStatusTip(hint);
    // The hint without its aligning blanks is the pop-up tip; without the dots
    // as well, the button's name for assistive technology.
    const QString tip = hint.trimmed();
    button->setToolTip(tip);
    button->setAccessibleName(tip.chopped(tip.endsWith(QLatin1String("...")) ? 3 : 0).trimmed());
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

    const auto add = [this](const char* name, int x, const char* icon, int iconSize,
                            const QString& hint, void (ToolBarPanel::*clicked)()) {
        connect(makeButton(this, name, x, icon, iconSize, hint), &QAbstractButton::clicked, this,
                clicked);
    };
    add("btnPrint", 5, ":/icons/print.png", 20, tr("Print ..."), &ToolBarPanel::printClicked);
    add("btnPrinterSetup", 30, ":/icons/printer-setup.png", 20, tr(" Printer Setup ..."),
        &ToolBarPanel::printerSetupClicked);
    add("btnReset", 55, ":/icons/reset.png", 18, tr("Reset Default Values ..."),
        &ToolBarPanel::resetClicked);
    add("btnDisclaim", 80, ":/icons/disclaimer.png", 20, tr(" Disclaimer ..."),
        &ToolBarPanel::disclaimClicked);
    add("btnUpdate", 105, ":/icons/update.png", 16, tr(" Check for Updated Version ..."),
        &ToolBarPanel::updateClicked);
    add("btnHelp", 130, ":/icons/help.png", 20, tr(" Help ..."), &ToolBarPanel::helpClicked);
    add("btnExit", 593, ":/icons/exit.png", 17,
        tr("Close %1").arg(QLatin1String(ProductInfo::kTitle)), &ToolBarPanel::exitClicked);
}
