#pragma once

#include <QFrame>

// The strip of flat picture buttons along the top of the main window. Each
// button's hint is its status tip and, without its aligning blanks, its pop-up
// tip; the buttons take no focus (the menus carry their commands).
class ToolBarPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int kHeight = 31;

    explicit ToolBarPanel(QWidget* parent = nullptr);

signals:
    // A button was clicked; the buttons themselves stay inside the panel.
    void printClicked();
    void printerSetupClicked();
    void resetClicked();
    void disclaimClicked();
    void updateClicked();
    void helpClicked();
    void exitClicked();
};
