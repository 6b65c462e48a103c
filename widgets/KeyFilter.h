#pragma once

#include <QString>
#include <functional>

class QKeyEvent;
class QLineEdit;

// Helpers for the numeric edits' key filters.
namespace KeyFilter {

// The printable text a key would type into a line edit, or an empty text for
// keys that type nothing (Backspace, Delete, Enter, Tab, arrows, Home/End,
// Escape, shortcuts such as Ctrl+C/V/X/Z/A). Those are always let through.
QString typedText(const QKeyEvent* event);

// Whether a key comes from the numeric keypad's decimal key, which then types
// the regional decimal separator whatever the key is labelled.
bool isKeypadDecimal(const QKeyEvent* event);

// `text` with its current selection (or, without one, the cursor position)
// replaced by `typed`: the text a key press would leave behind.
QString textAfterTyping(const QString& text, int selectionStart, int selectionLength, int cursor,
                        const QString& typed);

// A numeric edit's key press: keys that type nothing go to `passOn`; the
// keypad's decimal key inserts `decimalSeparator` when `accepts` allows it; any
// other text goes to `passOn` when allowed and is swallowed otherwise.
void handleKeyPress(QLineEdit* edit, QKeyEvent* event, QChar decimalSeparator,
                    const std::function<bool(const QString&)>& accepts,
                    const std::function<void(QKeyEvent*)>& passOn);

} // namespace KeyFilter
