#include "widgets/FlatPictureButton.h"

#include <QKeyEvent>

FlatPictureButton::FlatPictureButton(QWidget* parent)
    : FlatPictureButton(QIcon(), QSize(16, 16), QString(), parent) {}

FlatPictureButton::FlatPictureButton(const QIcon& icon, const QSize& iconSize,
                                     const QString& caption, QWidget* parent)
    : QToolButton(parent) {
    setAutoRaise(true);
    setIcon(icon);
    setIconSize(iconSize);
    setCaption(caption);
}

void FlatPictureButton::setCaption(const QString& caption) {
    setText(caption);
    if (caption.isEmpty()) {
        setToolButtonStyle(Qt::ToolButtonIconOnly);
        setFocusPolicy(Qt::NoFocus);
    } else {
        setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        setFocusPolicy(Qt::StrongFocus);
    }
}

void FlatPictureButton::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !text().isEmpty() && event->modifiers() == Qt::NoModifier) {
        animateClick();
        return;
    }
    QToolButton::keyPressEvent(event);
}
