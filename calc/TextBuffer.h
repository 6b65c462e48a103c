#pragma once

// Internal to calc: the formatters build a text in one stack buffer and turn it
// into a QString once, instead of growing several temporary strings.

#include <QString>
#include <QStringView>
#include <QVarLengthArray>

class TextBuffer {
public:
    void append(char16_t c) { m_data.append(c); }
    void append(const char16_t* text) {
        while (*text)
            m_data.append(*text++);
    }
    void append(QStringView text) {
        m_data.append(reinterpret_cast<const char16_t*>(text.data()), text.size());
    }
    void appendDigit(int digit) { m_data.append(char16_t(u'0' + digit)); }

    QString toString() const {
        return QString(reinterpret_cast<const QChar*>(m_data.constData()), m_data.size());
    }
    // Reuses the target's storage when it is not shared.
    void assignTo(QString& target) const {
        target.setUnicode(reinterpret_cast<const QChar*>(m_data.constData()), m_data.size());
    }

private:
    QVarLengthArray<char16_t, 96> m_data;
};
