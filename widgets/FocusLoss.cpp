#include "widgets/FocusLoss.h"

#include <QApplication>
#include <QFocusEvent>

bool isTransientFocusLoss(const QFocusEvent* event) {
    return event->reason() == Qt::PopupFocusReason ||
           event->reason() == Qt::ActiveWindowFocusReason ||
           QApplication::activePopupWidget() != nullptr;
}
