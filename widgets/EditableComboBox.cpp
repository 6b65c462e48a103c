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
    if (isTransientFocusLoss(event))
        return;
    emit exited();
}
