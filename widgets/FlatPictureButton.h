#pragma once

#include <QToolButton>

// A flat picture button: raises its frame only while the pointer is over it.
// Without a caption it is a tool bar button that never takes the focus (the
// field being edited keeps it); with a caption (which may carry an & mnemonic)
// it shows the picture left of the text and can be reached with Tab.
class FlatPictureButton : public QToolButton {
    Q_OBJECT
public:
    explicit FlatPictureButton(QWidget* parent = nullptr);
    FlatPictureButton(const QIcon& icon, const QSize& iconSize, const QString& caption = {},
                      QWidget* parent = nullptr);

    // Sets the caption and switches between picture-only and picture-and-text.
    void setCaption(const QString& caption);

protected:
    // A focused captioned button is also pressed with Enter.
    void keyPressEvent(QKeyEvent* event) override;
};
