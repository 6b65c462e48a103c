#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// The bytes of a settings file as lines, for reading and changing values while
// every other line (other sections, keys, comments, blank and unknown lines)
// stays exactly as it was, line ending and encoding included.
//
// Lines: "[name]" starts a section; "key=value" is a key of the section above
// it (key and value trimmed of blanks); a line starting with ';' is a comment.
// Section and key names match case-insensitively; the first match wins. Each
// line is read as UTF-8, or as Latin-1 when it is not valid UTF-8; a line the
// document writes is UTF-8. A leading UTF-8 byte-order mark is kept.
class ProfileDocument {
public:
    ProfileDocument() = default;
    explicit ProfileDocument(const QByteArray& bytes);

    // As the profile calls read it: at most 2047 characters.
    std::optional<QString> value(const QString& section, const QString& key) const;
    // Replaces the key's line, or appends the key to the end of its section
    // (before the section's trailing blank lines), or appends a new section. A
    // line break inside `value` is stored as a blank, so a value never starts a
    // line of its own. False, and nothing changes, for a name no line can hold.
    bool setValue(const QString& section, const QString& key, const QString& value);

    QByteArray toBytes() const;

private:
    struct Line {
        QString text;
        QByteArray bytes;  // as read, or the UTF-8 of `text` for a line written here
        QByteArray ending; // "\n", "\r\n", "\r" or empty for a last line without one
    };

    qsizetype findSection(const QString& section) const;
    qsizetype sectionEnd(qsizetype headerIndex) const;
    qsizetype findKey(qsizetype headerIndex, const QString& key, QString* name) const;
    void setLine(qsizetype index, const QString& text);
    void insertLine(qsizetype index, const QString& text);

    QList<Line> m_lines;
    QByteArray m_ending = "\n"; // for lines we add
    bool m_bom = false;
};
