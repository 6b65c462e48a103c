#pragma once

#include "widgets/NumericEdit.h"

// Fixed-decimals edit: the text is a number in the pattern "0" or "0.000" (as
// many zeros as decimals). Only digits, backspace and (with decimals) one
// decimal separator can be typed; no minus sign. Navigation and clipboard keys
// pass. Leaving the field rewrites its text in the pattern and then emits
// exited(), so a left field always holds a number: an emptied text becomes 0,
// and a pasted text that is no number gives way to the number the field held
// before. While the field is being edited its text may be empty: hasNumber() is
// then false and value() 0, so that the owner can tell "not a number" from 0.
class TFnpNumericEdit : public NumericEdit {
    Q_OBJECT
public:
    explicit TFnpNumericEdit(int decimals = 0, QWidget* parent = nullptr);

    int decimals() const { return m_decimals; }
    void setDecimals(int decimals);

    // The text parsed as a number (0 for a text that is not one).
    double value() const;
    // Whether the text currently parses as a number.
    bool hasNumber() const;
    void setValue(double value); // rewrites the text in the pattern

    void setRegionalSettings(const RegionalSettings& regional);

protected:
    bool acceptsTyping(const QString& typed) const override;
    bool leave() override;

private:
    void rewriteInPattern();

    int m_decimals;
    // The number the text last held when it was set or left.
    double m_lastNumber = 0;
};
