#include "widgets/NumericEdit.h"

#include "widgets/FocusLoss.h"
#include "widgets/KeyFilter.h"

#include <QFocusEvent>
#include <QKeyEvent>

NumericEdit::NumericEdit(QWidget* parent)
    : QLineEdit(parent)
    , m_regional(RegionalSettings::unitedStates()) {}

QString NumericEdit::textAfterTyping(const QString& typed) const {
    return KeyFilter::textAfterTyping(text(), selectionStart(), int(selectedText().size()),
                                      cursorPosition(), typed);
}

void NumericEdit::focusInEvent(QFocusEvent* event) {
    enter();
    QLineEdit::focusInEvent(event);
    if (selectsAllOnFocusIn(event))
        selectAll();
}

void NumericEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (isTransientFocusLoss(this, event, isEdited()))
        return;
    if (leave())
        emit exited();
}

void NumericEdit::keyPressEvent(QKeyEvent* event) {
    const QString typed = KeyFilter::typedText(event);
    if (typed.isEmpty()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (KeyFilter::isKeypadDecimal(event)) {
        const QString separator(m_regional.decimalSeparator);
        if (!isReadOnly() && acceptsTyping(separator))
            insert(separator);
        event->accept();
        return;
    }
    if (acceptsTyping(typed))
        QLineEdit::keyPressEvent(event);
    else
        event->accept(); // refused: swallowed without a trace
}
