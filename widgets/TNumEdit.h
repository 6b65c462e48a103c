#pragma once

#include "widgets/NumericEdit.h"

// Amount edit: holds an extended-precision value. Without focus it shows the
// value as currency (2 decimals, 12 significant digits, rounded half to even
// first); with focus the same figure as plain digits, separators and a leading
// minus. Typing is filtered (digits, backspace, Enter, thousands separator, one
// decimal separator, one minus; navigation and clipboard keys pass) and limited
// to 12 characters, one more for each of a decimal separator and a minus sign.
// Leaving the field parses the text (a minus at either end makes it negative,
// empty is 0), stores the value exactly, rebuilds the display and then emits
// exited(). Leaving it untouched keeps the stored value as it was; a text with
// two decimal separators (only possible by pasting) keeps it as well.
class TNumEdit : public NumericEdit {
    Q_OBJECT
public:
    // Characters the focused text may hold before a decimal separator or minus sign.
    static constexpr int BaseLengthLimit = 12;

    explicit TNumEdit(QWidget* parent = nullptr);

    long double value() const { return m_value; }
    void setValue(long double value); // rewrites the display

    void setRegionalSettings(const RegionalSettings& regional);

    // The typing limit for a focused text: 12, plus one for a decimal separator
    // and one for a minus sign in it.
    int lengthLimitFor(const QString& text) const;

protected:
    bool acceptsTyping(const QString& typed) const override;
    bool isEdited() const override;
    void enter() override;
    bool leave() override;

private:
    void showDisplay();
    void showEditText();
    void storeTypedText();
    QString editTextForValue() const;

    long double m_value = 0;
    // Whether the field shows its editing text (it has focus).
    bool m_editing = false;
    // The editing text as the field wrote it on focus in.
    QString m_editText;
};
