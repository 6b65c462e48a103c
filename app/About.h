#pragma once

#include "app/FixedDialog.h"

class QLabel;

// The About dialog: title picture, version, compile date, copyright, the maker's
// note and a link to the maker's web site. Created for each showing, modal,
// no close box; OK closes it. Its controls are found by objectName.
class TAboutBox : public FixedDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override; // FormShow, then centre on the screen

private:
    void FormShow();

    QLabel* lblVersion;
    QLabel* lblCompileDate;
    QLabel* lblCopyright;
};
