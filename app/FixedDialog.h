#pragma once

#include <QDialog>

class FlatPictureButton;

// The program's small fixed dialogs (About, disclaimer): a title bar without
// close box or system menu, the window font, a fixed client size, centred on
// the screen when shown, and closed by their OK button or by a plain Enter
// wherever the focus is (a control that takes Enter itself keeps it).
class FixedDialog : public QDialog {
    Q_OBJECT
public:
    // Opens an address through the desktop; beeps and returns false when
    // nothing could open it.
    static bool openAddress(const QString& address);

protected:
    FixedDialog(QWidget* parent, QSize clientSize);

    // The " &OK" picture button at `geometry`, focused, closing the dialog.
    FlatPictureButton* addCloseButton(const QRect& geometry, const QString& statusTip);

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BtnCloseClick();
};
