#include "widgets/KeyFilter.h"

#include <QKeyEvent>

namespace KeyFilter {

QString typedText(const QKeyEvent* event) {
    // Keys held with Ctrl, Alt or Meta never insert text into a line edit.
    const auto commandModifiers = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (event->modifiers() & commandModifiers)
        return {};
    const QString text = event->text();
    for (const QChar c : text) {
        if (!c.isPrint())
            return {};
    }
    return text;
}

bool isKeypadDecimal(const QKeyEvent* event) {
    return (event->modifiers() & Qt::KeypadModifier) &&
           (event->key() == Qt::Key_Period || event->key() == Qt::Key_Comma);
}

QString textAfterTyping(const QString& text, int selectionStart, int selectionLength, int cursor,
                        const QString& typed) {
    QString result = text;
    if (selectionStart >= 0 && selectionLength > 0)
        return result.replace(selectionStart, selectionLength, typed);
    return result.insert(cursor, typed);
}

} // namespace KeyFilter
