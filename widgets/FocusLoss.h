#pragma once

class QFocusEvent;

// Whether losing the focus does not mean the user left the control: a pop-up
// (a drop-down list, a context menu) opening over it, or the whole window
// losing activation. Such losses are followed by the focus coming back.
bool isTransientFocusLoss(const QFocusEvent* event);
