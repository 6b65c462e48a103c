#pragma once

#include <QFrame>

class FlatPictureButton;

// The strip of flat picture buttons along the top of the main window. Each
// button's hint is its status tip; none shows a pop-up tip.
class ToolBarPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int kHeight = 31;

    explicit ToolBarPanel(QWidget* parent = nullptr);

    FlatPictureButton* btnPrint;
    FlatPictureButton* btnPrinterSetup;
    FlatPictureButton* btnReset;
    FlatPictureButton* btnDisclaim;
    FlatPictureButton* btnUpdate;
    FlatPictureButton* btnHelp;
    FlatPictureButton* btnExit;
};
