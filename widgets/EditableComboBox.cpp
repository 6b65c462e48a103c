#include "widgets/EditableComboBox.h"

#include "widgets/FocusLoss.h"

#include <QFocusEvent>
#include <QLineEdit>

EditableComboBox::EditableComboBox(QWidget* parent)
    : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // Completion would turn a typed letter into a whole item behind the
    // owner's back; what is typed is what the owner sees.
    setCompleter(nullptr);
    connect(this, &QComboBox::activated, this, &EditableComboBox::changed);
    connect(lineEdit(), &QLineEdit::textEdited, this, &EditableComboBox::changed);
}

void EditableComboBox::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    // Every keystroke is passed on at once: nothing waits for the exit.
    if (isTransientFocusLoss(this, event, false))
        return;
    emit exited();
}
