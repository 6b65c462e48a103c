#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The parsed help file: a title, topics of HTML text, and a keyword index.
//
// The file is UTF-8 XML: a <helpfile title="..."> root holding <topic id=".."
// title=".." keywords="a;b;c"> elements whose text (usually CDATA) is the
// topic's HTML; a link "#id" in that HTML leads to another topic.
class HelpFile {
public:
    struct Topic {
        QString id;
        QString title;
        QStringList keywords;
        QString html;
    };
    struct Keyword {
        QString text;
        QString topicId;
    };

    // Reads and parses the file; false with errorString() when it cannot, also
    // when it is no regular file or larger than SafeFile::kMaxSize.
    bool load(const QString& path);
    // Parses file contents; false with errorString() when they are malformed.
    bool parse(const QByteArray& data);

    const QString& errorString() const { return m_error; }
    const QString& title() const { return m_title; }
    const QList<Topic>& topics() const { return m_topics; }
    // nullptr when there is no topic with this id.
    const Topic* topic(const QString& id) const;
    // Every keyword of every topic, sorted ignoring case (topic order breaks ties).
    const QList<Keyword>& keywords() const { return m_keywords; }
    // Index into keywords() of the first keyword starting with `prefix`
    // (ignoring case), or -1.
    int findKeyword(const QString& prefix) const;

private:
    void clear();

    QString m_error;
    QString m_title;
    QList<Topic> m_topics;
    QList<Keyword> m_keywords;
};
