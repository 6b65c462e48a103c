#pragma once

#include <QDialog>

class FlatPictureButton;

// The disclaimer dialog: a fixed no-warranty notice and an OK button. Created for
// each showing, modal, no close box or system menu.
class TfrmDisclaim : public QDialog {
    Q_OBJECT
public:
    explicit TfrmDisclaim(QWidget* parent = nullptr);
    ~TfrmDisclaim() override; // FormDestroy: clears frmDisclaim when it points here

    FlatPictureButton* btnClose;

protected:
    void showEvent(QShowEvent* event) override; // centre on the screen
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BtnCloseClick();
};

// The dialog while it is shown, else nullptr.
extern TfrmDisclaim* frmDisclaim;
