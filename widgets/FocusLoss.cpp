#include "widgets/FocusLoss.h"

#include <QApplication>
#include <QFocusEvent>
#include <QWidget>

bool isTransientFocusLoss(const QWidget* control, const QFocusEvent* event, bool edited) {
    if (event->reason() == Qt::PopupFocusReason || QApplication::activePopupWidget() != nullptr)
        return true;
    return event->reason() == Qt::ActiveWindowFocusReason && !edited && !control->isActiveWindow();
}

bool selectsAllOnFocusIn(const QFocusEvent* event) {
    return event->reason() != Qt::MouseFocusReason && event->reason() != Qt::PopupFocusReason;
}
