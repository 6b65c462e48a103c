#include "platform/ProfileDocument.h"

namespace {

// The section name of a header line, or nullopt when the line is no header.
std::optional<QString> sectionName(const QString& line) {
    const QString t = line.trimmed();
    if (!t.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = t.indexOf(u']');
    return (close < 0 ? t.mid(1) : t.mid(1, close - 1)).trimmed();
}

// Splits "key=value" into its trimmed parts; false for comments and lines
// without an equals sign.
bool splitKeyLine(const QString& line, QString* key, QString* value) {
    const QString t = line.trimmed();
    if (t.isEmpty() || t.startsWith(u';') || t.startsWith(u'['))
        return false;
    const qsizetype eq = t.indexOf(u'=');
    if (eq < 0)
        return false;
    *key = t.left(eq).trimmed();
    *value = t.mid(eq + 1).trimmed();
    return true;
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

ProfileDocument::ProfileDocument(const QString& text) {
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text.at(end) != u'\n' && text.at(end) != u'\r')
            ++end;
        Line line{text.mid(start, end - start), QString()};
        if (end < text.size()) {
            const bool crlf =
                text.at(end) == u'\r' && end + 1 < text.size() && text.at(end + 1) == u'\n';
            line.ending = text.mid(end, crlf ? 2 : 1);
            end += line.ending.size();
        }
        m_lines.append(line);
        start = end;
    }
    for (const Line& line : std::as_const(m_lines)) {
        if (!line.ending.isEmpty()) {
            m_ending = line.ending;
            break;
        }
    }
}

qsizetype ProfileDocument::findSection(const QString& section) const {
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const auto name = sectionName(m_lines.at(i).text);
        if (name && sameName(*name, section))
            return i;
    }
    return -1;
}

qsizetype ProfileDocument::sectionEnd(qsizetype headerIndex) const {
    qsizetype i = headerIndex + 1;
    while (i < m_lines.size() && !sectionName(m_lines.at(i).text))
        ++i;
    return i;
}

qsizetype ProfileDocument::findKey(qsizetype headerIndex, const QString& key, QString* name,
                                   QString* value) const {
    const qsizetype end = sectionEnd(headerIndex);
    for (qsizetype i = headerIndex + 1; i < end; ++i) {
        if (splitKeyLine(m_lines.at(i).text, name, value) && sameName(*name, key))
            return i;
    }
    return -1;
}

std::optional<QString> ProfileDocument::value(const QString& section, const QString& key) const {
    const qsizetype header = findSection(section);
    if (header < 0)
        return std::nullopt;
    QString name, value;
    if (findKey(header, key, &name, &value) < 0)
        return std::nullopt;
    return value;
}

void ProfileDocument::insertLine(qsizetype index, const QString& text) {
    // The line before the new one may be a last line without an ending.
    if (index > 0 && m_lines.at(index - 1).ending.isEmpty())
        m_lines[index - 1].ending = m_ending;
    m_lines.insert(index, Line{text, m_ending});
}

void ProfileDocument::setValue(const QString& section, const QString& key, const QString& value) {
    const qsizetype header = findSection(section);
    if (header < 0) {
        // A new section goes to the end, set off from the text above by a blank line.
        if (!m_lines.isEmpty() && !m_lines.constLast().text.trimmed().isEmpty())
            insertLine(m_lines.size(), QString());
        insertLine(m_lines.size(), u'[' + section + u']');
        insertLine(m_lines.size(), key + u'=' + value);
        return;
    }
    QString name, oldValue;
    const qsizetype at = findKey(header, key, &name, &oldValue);
    if (at >= 0) {
        // Keep the key's spelling as the file has it.
        m_lines[at].text = name + u'=' + value;
        return;
    }
    qsizetype insertAt = sectionEnd(header);
    while (insertAt > header + 1 && m_lines.at(insertAt - 1).text.trimmed().isEmpty())
        --insertAt;
    insertLine(insertAt, key + u'=' + value);
}

QString ProfileDocument::toString() const {
    QString out;
    for (const Line& line : m_lines)
        out += line.text + line.ending;
    return out;
}
