#include "platform/ProfileDocument.h"

#include <QStringDecoder>

namespace {

constexpr qsizetype kMaxValueLength = 2047;
const QByteArray kUtf8Bom("\xEF\xBB\xBF");

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

QString decodeLine(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

bool hasLineBreak(const QString& s) {
    return s.contains(u'\n') || s.contains(u'\r');
}

bool validNames(const QString& section, const QString& key) {
    if (section.trimmed().isEmpty() || hasLineBreak(section) || section.contains(u']'))
        return false;
    // A key starts its line, and a byte-order mark there is read as none.
    const QString k = key.trimmed();
    return !k.isEmpty() && !hasLineBreak(key) && !key.contains(u'=') && !k.startsWith(u';') &&
           !k.startsWith(u'[') && !k.startsWith(QChar(0xFEFF));
}

} // namespace

ProfileDocument::ProfileDocument(const QByteArray& bytes) {
    qsizetype start = 0;
    if (bytes.startsWith(kUtf8Bom)) {
        m_bom = true;
        start = kUtf8Bom.size();
    }
    // '\n' and '\r' never occur inside a UTF-8 sequence, so the lines can be
    // cut before they are decoded.
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes.at(end) != '\n' && bytes.at(end) != '\r')
            ++end;
        Line line{QString(), bytes.mid(start, end - start), QByteArray()};
        if (end < bytes.size()) {
            const bool crlf =
                bytes.at(end) == '\r' && end + 1 < bytes.size() && bytes.at(end + 1) == '\n';
            line.ending = bytes.mid(end, crlf ? 2 : 1);
            end += line.ending.size();
        }
        line.text = decodeLine(line.bytes);
        m_lines.append(line);
        start = end;
    }
    // Only a last line can lack an ending, so the first line's is the file's.
    if (!m_lines.isEmpty() && !m_lines.constFirst().ending.isEmpty())
        m_ending = m_lines.constFirst().ending;
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

qsizetype ProfileDocument::findKey(qsizetype headerIndex, const QString& key, QString* name) const {
    const qsizetype end = sectionEnd(headerIndex);
    QString value;
    for (qsizetype i = headerIndex + 1; i < end; ++i) {
        if (splitKeyLine(m_lines.at(i).text, name, &value) && sameName(*name, key))
            return i;
    }
    return -1;
}

std::optional<QString> ProfileDocument::value(const QString& section, const QString& key) const {
    const qsizetype header = findSection(section);
    if (header < 0)
        return std::nullopt;
    QString name;
    const qsizetype at = findKey(header, key, &name);
    if (at < 0)
        return std::nullopt;
    QString value;
    splitKeyLine(m_lines.at(at).text, &name, &value);
    value.truncate(kMaxValueLength);
    return value;
}

void ProfileDocument::setLine(qsizetype index, const QString& text) {
    m_lines[index].text = text;
    m_lines[index].bytes = text.toUtf8();
}

void ProfileDocument::insertLine(qsizetype index, const QString& text) {
    // The line before the new one may be a last line without an ending.
    if (index > 0 && m_lines.at(index - 1).ending.isEmpty())
        m_lines[index - 1].ending = m_ending;
    m_lines.insert(index, Line{text, text.toUtf8(), m_ending});
}

bool ProfileDocument::setValue(const QString& section, const QString& key, const QString& text) {
    if (!validNames(section, key))
        return false;
    // A line break inside a value would start a new line of the file (and could
    // forge keys or sections); it is stored as a blank instead.
    QString value = text;
    value.replace(QLatin1String("\r\n"), QLatin1String(" "));
    value.replace(u'\r', u' ');
    value.replace(u'\n', u' ');

    const qsizetype header = findSection(section);
    if (header < 0) {
        // A new section goes to the end, set off from the text above by a blank line.
        if (!m_lines.isEmpty() && !m_lines.constLast().text.trimmed().isEmpty())
            insertLine(m_lines.size(), QString());
        insertLine(m_lines.size(), u'[' + section + u']');
        insertLine(m_lines.size(), key + u'=' + value);
        return true;
    }
    QString name;
    const qsizetype at = findKey(header, key, &name);
    if (at >= 0) {
        // Keep the key's spelling as the file has it.
        setLine(at, name + u'=' + value);
        return true;
    }
    qsizetype insertAt = sectionEnd(header);
    while (insertAt > header + 1 && m_lines.at(insertAt - 1).text.trimmed().isEmpty())
        --insertAt;
    insertLine(insertAt, key + u'=' + value);
    return true;
}

QByteArray ProfileDocument::toBytes() const {
    QByteArray out = m_bom ? kUtf8Bom : QByteArray();
    for (const Line& line : m_lines)
        out += line.bytes + line.ending;
    return out;
}
