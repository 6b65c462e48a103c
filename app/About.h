#pragma once

#include "app/FixedDialog.h"

class QLabel;
class HyperlinkLabel;
class FlatPictureButton;

// The About dialog: title picture, version, compile date, copyright, the maker's
// note and a link to the maker's web site. Created for each showing, modal,
// no close box; OK closes it.
class TAboutBox : public FixedDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QLabel* lblVersion;
    QLabel* lblCompileDate;
    QLabel* lblCopyright;
    HyperlinkLabel* UrlWeb;
    FlatPictureButton* btnClose;

protected:
    void showEvent(QShowEvent* event) override; // FormShow, then centre on the screen

private:
    void FormShow();
};
