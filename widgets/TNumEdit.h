#pragma once

#include "calc/RegionalSettings.h"

#include <QLineEdit>

// Amount edit: holds an extended-precision value. Without focus it shows the
// value as currency (2 decimals, 12 significant digits, rounded half to even
// first); with focus the same figure as plain digits, separators and a leading
// minus. Typing is filtered (digits, backspace, Enter, thousands separator, one
// decimal separator, one minus). Leaving the field parses the text (a minus at
// either end makes it negative, empty is 0), stores the value exactly, rebuilds
// the display and then emits exited().
class TNumEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TNumEdit(QWidget* parent = nullptr);

    long double value() const { return m_value; }
    void setValue(long double value); // rewrites the display

    void setRegionalSettings(const RegionalSettings& regional);
    const RegionalSettings& regionalSettings() const { return m_regional; }

signals:
    // The field lost focus; value() already holds the parsed number.
    void exited();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showDisplay();
    void showEditText();
    void storeTypedText();

    long double m_value = 0;
    RegionalSettings m_regional;
};
