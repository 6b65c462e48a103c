#pragma once

#include "calc/RegionalSettings.h"

#include <QLineEdit>

// Fixed-decimals edit: the text is a number in the pattern "0" or "0.000" (as
// many zeros as decimals). Only digits, backspace and (with decimals) one
// decimal separator can be typed; no minus sign. Navigation and clipboard keys
// pass. Leaving the field rewrites a numeric text in the pattern and then emits
// exited(). A text the user emptied (or pasted non-numbers into) is left as it
// is: hasNumber() is then false and value() 0, so that the owner can tell "not
// a number" from 0.
class TFnpNumericEdit : public QLineEdit {
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
    const RegionalSettings& regionalSettings() const { return m_regional; }

signals:
    void exited();

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool acceptsTyping(const QString& typed) const;
    void rewriteInPattern();

    int m_decimals;
    RegionalSettings m_regional;
};
