#include "widgets/TFnpNumericEdit.h"

#include "calc/NumberFormat.h"
#include <algorithm>

TFnpNumericEdit::TFnpNumericEdit(int decimals, QWidget* parent)
    : NumericEdit(parent)
    , m_decimals(std::max(0, decimals)) {
    setValue(0);
}

void TFnpNumericEdit::setDecimals(int decimals) {
    m_decimals = std::max(0, decimals);
    rewriteInPattern();
}

double TFnpNumericEdit::value() const {
    return parseNumber(text(), m_regional).value_or(0.0);
}

bool TFnpNumericEdit::hasNumber() const {
    return parseNumber(text(), m_regional).has_value();
}

void TFnpNumericEdit::setValue(double value) {
    m_lastNumber = value;
    setText(formatFixed(value, m_decimals, m_regional));
}

void TFnpNumericEdit::setRegionalSettings(const RegionalSettings& regional) {
    const auto number = parseNumber(text(), m_regional);
    m_regional = regional;
    if (number)
        setValue(*number);
}

bool TFnpNumericEdit::leave() {
    rewriteInPattern();
    return true;
}

bool TFnpNumericEdit::acceptsTyping(const QString& typed) const {
    for (const QChar c : typed) {
        const bool digit = c >= u'0' && c <= u'9';
        const bool separator = m_decimals > 0 && c == m_regional.decimalSeparator;
        if (!digit && !separator)
            return false;
    }
    const QString after = textAfterTyping(typed);
    return after.count(m_regional.decimalSeparator) <= 1;
}

void TFnpNumericEdit::rewriteInPattern() {
    const QString current = text();
    // A number too long for the field in its pattern (pasted in exponent form)
    // counts as no number: cut to the length limit it would read as another.
    const auto number = parseNumber(current, m_regional);
    if (number && formatFixed(*number, m_decimals, m_regional).size() <= maxLength())
        m_lastNumber = *number;
    else if (current.trimmed().isEmpty())
        m_lastNumber = 0;
    const QString patterned = formatFixed(m_lastNumber, m_decimals, m_regional);
    // Only a real change rewrites, so the undo history survives a plain pass.
    if (patterned != current)
        setText(patterned);
    setModified(false);
}
