#pragma once

#include <QToolButton>

// A flat picture button: raises its frame only while the pointer is over it.
class FlatPictureButton : public QToolButton {
    Q_OBJECT
public:
    explicit FlatPictureButton(QWidget* parent = nullptr);
    FlatPictureButton(const QIcon& icon, const QSize& iconSize, const QString& caption = {},
                      QWidget* parent = nullptr);
};
