#include "app/DialogPanel.h"

#include "app/WindowLook.h"

#include <QPainter>

DialogPanel::DialogPanel(QWidget* parent)
    : QWidget(parent) {
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    setPalette(white);
}

void DialogPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QBrush face(Qt::white);
    WindowLook::drawDoubleBevel(&painter, rect(), palette(), true, 1, &face);
}
