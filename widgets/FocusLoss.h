#pragma once

class QFocusEvent;
class QWidget;

// Whether losing the focus does not mean the user left the control, so it may
// keep its editing state: a pop-up (a drop-down list, a context menu) opening
// over it, or the whole window losing activation while the text is unedited.
// Such losses are followed by the focus coming back. An edited text is always
// left for good when the window loses activation, so nothing typed waits on
// the user's return; and the program moving the focus inside the active window
// is always a real exit, whatever reason it gives.
bool isTransientFocusLoss(const QWidget* control, const QFocusEvent* event, bool edited);

// Whether a field that gains the focus selects its whole text, so typing
// replaces it: always, except for a click (which places the cursor) and the
// return from a pop-up (which keeps the cursor where it was).
bool selectsAllOnFocusIn(const QFocusEvent* event);
