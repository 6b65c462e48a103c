#include "HelpFilePath.h"
#include "platform/HelpFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <QtTest>

// Checks the help file on its own terms: it is well-formed, its links lead
// somewhere, and every topic can be found from the contents and the index.
class HelpFileTest : public QObject {
    Q_OBJECT

    struct Topic {
        QString title;
        QStringList keywords;
        QString html;
    };

    QStringList m_order;
    QHash<QString, Topic> m_topics;
    QString m_fileTitle;

    static QStringList linkTargets(const QString& html) {
        static const QRegularExpression link(QStringLiteral("<a\\s+href\\s*=\\s*\"([^\"]*)\""),
                                             QRegularExpression::CaseInsensitiveOption);
        QStringList targets;
        for (auto it = link.globalMatch(html); it.hasNext();)
            targets << it.next().captured(1);
        return targets;
    }

private slots:
    void initTestCase() {
        QFile file(QStringLiteral(TLMR_HELP_FILE_SOURCE));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.errorString()));
        QXmlStreamReader xml(&file);
        QVERIFY(xml.readNextStartElement());
        QCOMPARE(xml.name(), QStringLiteral("helpfile"));
        m_fileTitle = xml.attributes().value(QStringLiteral("title")).toString();
        while (xml.readNextStartElement()) {
            QCOMPARE(xml.name(), QStringLiteral("topic"));
            const auto attributes = xml.attributes();
            const QString id = attributes.value(QStringLiteral("id")).toString();
            QVERIFY2(!id.isEmpty(), "a topic without an id");
            QVERIFY2(!m_topics.contains(id), qPrintable(QStringLiteral("duplicate id ") + id));
            Topic topic;
            topic.title = attributes.value(QStringLiteral("title")).toString();
            for (const QString& keyword :
                 attributes.value(QStringLiteral("keywords")).toString().split(QLatin1Char(';')))
                if (!keyword.trimmed().isEmpty())
                    topic.keywords << keyword.trimmed();
            topic.html = xml.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
            m_order << id;
            m_topics.insert(id, topic);
        }
        QVERIFY2(
            !xml.hasError(),
            qPrintable(QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString())));
    }

    void fileHasTheRequiredTopics() {
        QCOMPARE(m_fileTitle, QStringLiteral("Tallowmere Help"));
        QVERIFY(m_topics.contains(QStringLiteral("contents")));
        QVERIFY(m_topics.contains(QStringLiteral("helponhelp")));
        QCOMPARE(m_topics.value(QStringLiteral("helponhelp")).title,
                 QStringLiteral("How to Use Help"));
        QVERIFY2(m_topics.size() >= 20, "every input and command has its own topic");
    }

    void everyTopicHasTitleBodyAndKeywords() {
        for (const QString& id : std::as_const(m_order)) {
            const Topic& topic = m_topics[id];
            QVERIFY2(!topic.title.isEmpty(), qPrintable(id));
            QVERIFY2(topic.html.contains(QStringLiteral("<h1>")), qPrintable(id));
            QVERIFY2(topic.keywords.size() >= 2, qPrintable(id + QStringLiteral(": few keywords")));
        }
    }

    void everyLinkTargetsAnExistingTopic() {
        for (const QString& id : std::as_const(m_order)) {
            for (const QString& target : linkTargets(m_topics[id].html)) {
                QVERIFY2(target.startsWith(QLatin1Char('#')),
                         qPrintable(id + QStringLiteral(" links outside the file: ") + target));
                QVERIFY2(m_topics.contains(target.mid(1)),
                         qPrintable(id + QStringLiteral(" links to a missing topic: ") + target));
            }
        }
    }

    void everyTopicIsReachableFromTheContents() {
        // The contents page lists every topic directly.
        const QStringList fromContents = linkTargets(m_topics[QStringLiteral("contents")].html);
        for (const QString& id : std::as_const(m_order)) {
            if (id != QLatin1String("contents"))
                QVERIFY2(fromContents.contains(QLatin1Char('#') + id),
                         qPrintable(id + QStringLiteral(" is missing from the contents")));
        }
    }

    void theViewerReadsTheFileAsWritten() {
        HelpFile help;
        QVERIFY2(help.load(QStringLiteral(TLMR_HELP_FILE_SOURCE)), qPrintable(help.errorString()));
        QCOMPARE(help.title(), m_fileTitle);
        QCOMPARE(help.topics().size(), m_order.size());
        for (const HelpFile::Keyword& keyword : help.keywords())
            QVERIFY(help.topic(keyword.topicId) != nullptr);
        // Type-ahead in the index finds the inputs by their first letters.
        for (const char* prefix : {"initial", "monthly sav", "interest", "print", "update"})
            QVERIFY2(help.findKeyword(QString::fromLatin1(prefix)) >= 0, prefix);
    }

    void theBuildPutsTheFileBesideTheProgram() {
        QFile source(QStringLiteral(TLMR_HELP_FILE_SOURCE));
        QFile copy(QCoreApplication::applicationDirPath() + QStringLiteral("/tlmr.hlp"));
        QVERIFY(source.open(QIODevice::ReadOnly));
        QVERIFY2(copy.open(QIODevice::ReadOnly), qPrintable(copy.fileName()));
        QCOMPARE(copy.readAll(), source.readAll());
    }
};

QTEST_GUILESS_MAIN(HelpFileTest)
#include "test_helpfile.moc"
