#include "app/FixedDialog.h"

#include "app/WindowLook.h"
#include "platform/Application.h"
#include "platform/PngPicture.h"
#include "platform/Shell.h"
#include "widgets/FlatPictureButton.h"

#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QScreen>

FixedDialog::FixedDialog(QWidget* parent, QSize clientSize)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setFont(WindowLook::windowFont());
    setFixedSize(clientSize);
    setSizeGripEnabled(false);
}

bool FixedDialog::openAddress(const QString& address) {
    if (Shell::open(address))
        return true;
    if (Application* app = Application::instance())
        app->beepNow();
    else
        QApplication::beep();
    return false;
}

FlatPictureButton* FixedDialog::addCloseButton(const QRect& geometry, const QString& statusTip) {
    auto* button = new FlatPictureButton(pngIcon(QStringLiteral(":/icons/ok.png")), QSize(18, 18),
                                         tr(" &OK"), this);
    button->setObjectName(QStringLiteral("btnClose"));
    button->setGeometry(geometry);
    button->setStatusTip(statusTip);
    connect(button, &FlatPictureButton::clicked, this, &FixedDialog::BtnCloseClick);
    button->setFocus();
    return button;
}

void FixedDialog::showEvent(QShowEvent* event) {
    const QScreen* where = screen() ? screen() : QGuiApplication::primaryScreen();
    if (where) {
        QRect frame = frameGeometry();
        frame.moveCenter(where->availableGeometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
}

void FixedDialog::keyPressEvent(QKeyEvent* event) {
    // These dialogs' only button is OK, so Enter closes them from anywhere.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        BtnCloseClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

void FixedDialog::BtnCloseClick() {
    accept();
}
