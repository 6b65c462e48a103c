#pragma once

#include <QString>

class QKeyEvent;

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

} // namespace KeyFilter
