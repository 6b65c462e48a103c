#pragma once

#include <QList>
#include <QString>
#include <optional>

// The text of a settings file as lines, for reading and changing one value at a
// time while every other line (other sections, keys, comments, blank and
// unknown lines) stays exactly as it was, line ending included.
//
// Lines: "[name]" starts a section; "key=value" is a key of the section above
// it (key and value trimmed of blanks); a line starting with ';' is a comment.
// Section and key names match case-insensitively; the first match wins.
class ProfileDocument {
public:
    ProfileDocument() = default;
    explicit ProfileDocument(const QString& text);

    std::optional<QString> value(const QString& section, const QString& key) const;
    // Replaces the key's line, or appends the key to the end of its section
    // (before the section's trailing blank lines), or appends a new section.
    void setValue(const QString& section, const QString& key, const QString& value);

    QString toString() const;

private:
    struct Line {
        QString text;
        QString ending; // "\n", "\r\n", "\r" or empty for a last line without one
    };

    qsizetype findSection(const QString& section) const;
    qsizetype sectionEnd(qsizetype headerIndex) const;
    qsizetype findKey(qsizetype headerIndex, const QString& key, QString* name,
                      QString* value) const;
    void insertLine(qsizetype index, const QString& text);

    QList<Line> m_lines;
    QString m_ending = QStringLiteral("\n"); // for lines we add
};
