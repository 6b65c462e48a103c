#include "widgets/TNumEdit.h"

#include "calc/NumberFormat.h"
#include <charconv>
#include <cmath>
#include <string>

namespace {

constexpr QChar MinusSign = u'-';

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

TNumEdit::TNumEdit(QWidget* parent)
    : NumericEdit(parent) {
    showDisplay();
}

void TNumEdit::setValue(long double value) {
    // No negative zero: it would show as a negative amount.
    m_value = value == 0 ? 0 : value;
    if (m_editing)
        showEditText();
    else
        showDisplay();
}

void TNumEdit::setRegionalSettings(const RegionalSettings& regional) {
    m_regional = regional;
    if (m_editing)
        showEditText();
    else
        showDisplay();
}

int TNumEdit::lengthLimitFor(const QString& text) const {
    int limit = BaseLengthLimit;
    if (text.contains(m_regional.decimalSeparator))
        ++limit;
    if (text.contains(MinusSign))
        ++limit;
    return limit;
}

void TNumEdit::enter() {
    // Coming back from a context menu or another window keeps what is typed.
    if (!m_editing)
        showEditText();
}

bool TNumEdit::leave() {
    if (!m_editing)
        return false;
    storeTypedText();
    showDisplay();
    return true;
}

bool TNumEdit::acceptsTyping(const QString& typed) const {
    for (const QChar c : typed) {
        if (!isAsciiDigit(c) && c != m_regional.thousandsSeparator &&
            c != m_regional.decimalSeparator && c != MinusSign)
            return false;
    }
    const QString after = textAfterTyping(typed);
    if (after.count(m_regional.decimalSeparator) > 1 || after.count(MinusSign) > 1)
        return false;
    // Deleting by overtyping a selection is always fine; growing past the limit is not.
    return after.size() <= text().size() || after.size() <= lengthLimitFor(after);
}

void TNumEdit::showDisplay() {
    m_editing = false;
    m_editText.clear();
    setText(formatAmountDisplay(m_value, m_regional));
}

void TNumEdit::showEditText() {
    m_editing = true;
    m_editText = editTextForValue();
    setText(m_editText);
}

QString TNumEdit::editTextForValue() const {
    QString shown = formatAmountDisplay(m_value, m_regional);
    // Only the figure counts: a symbol such as "kr." or "S/." holds separators
    // (and letters) of its own.
    if (!m_regional.currencySymbol.isEmpty())
        shown.remove(m_regional.currencySymbol);
    // An amount too large for the currency form is shown in exponent form;
    // editing starts from all its digits instead (the stored value, beyond
    // what a double holds, rounded to cents as shown), so retyping them
    // changes nothing.
    if (shown.contains(u'E', Qt::CaseInsensitive))
        shown = formatAmountPlain(m_value, m_regional);

    QString plain;
    bool nonZero = false;
    for (const QChar c : shown) {
        if (isAsciiDigit(c) || c == m_regional.thousandsSeparator ||
            c == m_regional.decimalSeparator)
            plain.append(c);
        if (isAsciiDigit(c) && c != u'0')
            nonZero = true;
    }
    if (m_value < 0 && nonZero)
        plain.prepend(MinusSign);
    return plain;
}

bool TNumEdit::isEdited() const {
    return m_editing && (isModified() || text() != m_editText);
}

void TNumEdit::storeTypedText() {
    const QString typed = text();
    // Focus passed through without an edit: the exact value stays.
    if (!isEdited())
        return;

    const QString trimmed = typed.trimmed();
    const bool negative = trimmed.startsWith(MinusSign) || trimmed.endsWith(MinusSign);

    std::string number;
    int separators = 0;
    bool anyDigit = false;
    for (const QChar c : typed) {
        if (isAsciiDigit(c)) {
            number.push_back(static_cast<char>(c.unicode()));
            anyDigit = true;
        } else if (c == m_regional.decimalSeparator) {
            number.push_back('.');
            ++separators;
        }
    }
    if (!anyDigit) {
        m_value = 0;
        return;
    }
    if (separators > 1)
        return; // not a number: the previous value stays

    long double parsed = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), parsed,
                                              std::chars_format::fixed);
    if (error != std::errc() || end != number.data() + number.size() || !std::isfinite(parsed))
        return;
    m_value = negative && parsed != 0 ? -parsed : parsed;
}
