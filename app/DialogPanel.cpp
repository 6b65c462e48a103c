#include "app/DialogPanel.h"

#include "platform/Application.h"
#include "platform/Shell.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <qdrawutil.h>

DialogPanel::DialogPanel(QWidget* parent)
    : QWidget(parent) {
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    setPalette(white);
}

Qt::WindowFlags DialogPanel::fixedDialogFlags() {
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
}

QFont DialogPanel::dialogFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setPixelSize(11);
    return font;
}

void DialogPanel::centreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

bool DialogPanel::openAddress(const QString& address) {
    if (Shell::open(address))
        return true;
    if (Application* app = Application::instance())
        app->beepNow();
    else
        QApplication::beep();
    return false;
}

void DialogPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QBrush face(Qt::white);
    qDrawShadePanel(&painter, rect(), palette(), true, 1, &face);
    qDrawShadePanel(&painter, rect().adjusted(1, 1, -1, -1), palette(), false, 1);
}

bool DialogPanel::isPlainEnter(const QKeyEvent* event) {
    return (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
           event->modifiers() == Qt::NoModifier;
}
