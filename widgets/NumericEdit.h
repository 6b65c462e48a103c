#pragma once

#include "calc/RegionalSettings.h"

#include <QLineEdit>

// The rules every numeric edit of the program shares. Typing is filtered: keys
// that type nothing (navigation, clipboard, Enter, Backspace) pass, the
// keypad's decimal key types the regional decimal separator, and any other
// text passes only when acceptsTyping() allows it. A field that gains the
// focus from the program or by Tab selects its whole text. Leaving the field
// for good (not for a pop-up, not the window losing activation while nothing
// was edited) runs leave() and then emits exited().
class NumericEdit : public QLineEdit {
    Q_OBJECT
public:
    const RegionalSettings& regionalSettings() const { return m_regional; }

signals:
    // The field was left; its value is already stored.
    void exited();

protected:
    explicit NumericEdit(QWidget* parent = nullptr);

    // Whether typing `typed` over the current selection (or at the cursor) is allowed.
    virtual bool acceptsTyping(const QString& typed) const = 0;
    // Whether the text differs from what the field last stored or showed.
    virtual bool isEdited() const { return isModified(); }
    // Runs when the focus arrives, before the line edit's own handling.
    virtual void enter() {}
    // Stores or rewrites the text when the field is left; false when there
    // was nothing to leave (no exited() then).
    virtual bool leave() = 0;

    // `text()` as it would read after typing `typed`.
    QString textAfterTyping(const QString& typed) const;

    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    RegionalSettings m_regional;
};
