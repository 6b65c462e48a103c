#pragma once

#include <QComboBox>

// Editable drop-down list: the text can be picked from the list or typed.
// changed() fires on every pick (mouse, keyboard or wheel) and every keystroke
// that edits the text, never for texts set by the program; exited() fires when
// the focus leaves it (not when its own list or a context menu opens). Typed
// texts are never added to the list, and nothing is completed automatically.
class EditableComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit EditableComboBox(QWidget* parent = nullptr);

signals:
    void changed();
    void exited();

protected:
    void focusOutEvent(QFocusEvent* event) override;
};
