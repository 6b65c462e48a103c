#pragma once

#include <QComboBox>

// Editable drop-down list: changed() fires on every pick and every keystroke,
// exited() when focus leaves it.
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
