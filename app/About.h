#pragma once

#include <QDialog>

class QLabel;
class HyperlinkLabel;
class FlatPictureButton;

// The About dialog: title picture, version, compile date, copyright, the maker's
// note and a link to the maker's web site. Created for each showing, modal,
// no close box; OK closes it.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
    ~TAboutBox() override; // FormDestroy: clears AboutBox when it points here

    QLabel* lblVersion;
    QLabel* lblCompileDate;
    QLabel* lblCopyright;
    HyperlinkLabel* UrlWeb;
    FlatPictureButton* btnClose;

protected:
    void showEvent(QShowEvent* event) override; // FormShow, then centre on the screen
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormShow();
    void BtnCloseClick();
};

// The dialog while it is shown, else nullptr.
extern TAboutBox* AboutBox;
