#include "platform/HelpFile.h"
#include "tests/support/TestMain.h"

#include <QFile>
#include <QSet>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

namespace {

// The link targets of a topic, as the help window's text browser sees them.
QStringList linkTargets(const QString& html) {
    QTextDocument document;
    document.setHtml(html);
    QStringList targets;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isAnchor())
                targets << it.fragment().charFormat().anchorHref();
    targets.removeDuplicates();
    return targets;
}

} // namespace

// The help file that ships beside the program, read by the program's own reader:
// every topic can be found from the contents and the index, and its links lead
// somewhere.
class TestHelpFile : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void requiredTopics();
    void everyTopicHasTitleHeadingAndKeywords();
    void everyLinkLeadsToATopic();
    void contentsListsEveryTopic();
    void indexFindsTheInputsAndCommands();
    void theBuildPutsTheFileBesideTheProgram();

private:
    HelpFile m_help;
};

void TestHelpFile::initTestCase() {
    QVERIFY2(m_help.load(QStringLiteral(TLMR_HELP_FILE_SOURCE)), qPrintable(m_help.errorString()));
}

void TestHelpFile::requiredTopics() {
    QCOMPARE(m_help.title(), QStringLiteral("Tallowmere Help"));
    QVERIFY(m_help.topic(QStringLiteral("contents")));
    QVERIFY(m_help.topic(QStringLiteral("helponhelp")));
    QCOMPARE(m_help.topic(QStringLiteral("helponhelp"))->title, QStringLiteral("How to Use Help"));
    QVERIFY2(m_help.topics().size() >= 20, "every input and command has its own topic");
}

void TestHelpFile::everyTopicHasTitleHeadingAndKeywords() {
    QSet<QString> ids;
    for (const HelpFile::Topic& topic : m_help.topics()) {
        QVERIFY2(!ids.contains(topic.id), qPrintable("duplicate id " + topic.id));
        ids.insert(topic.id);
        QVERIFY2(!topic.title.isEmpty(), qPrintable(topic.id));
        QVERIFY2(topic.html.contains(QStringLiteral("<h1>")), qPrintable(topic.id));
        QVERIFY2(topic.keywords.size() >= 2, qPrintable(topic.id + ": few keywords"));
    }
}

void TestHelpFile::everyLinkLeadsToATopic() {
    for (const HelpFile::Topic& topic : m_help.topics()) {
        for (const QString& target : linkTargets(topic.html)) {
            QVERIFY2(target.startsWith(u'#'),
                     qPrintable(topic.id + " links outside the file: " + target));
            QVERIFY2(m_help.topic(target.mid(1)),
                     qPrintable(topic.id + " links to a missing topic: " + target));
        }
    }
}

void TestHelpFile::contentsListsEveryTopic() {
    const QStringList listed = linkTargets(m_help.topic(QStringLiteral("contents"))->html);
    for (const HelpFile::Topic& topic : m_help.topics())
        if (topic.id != QLatin1String("contents"))
            QVERIFY2(listed.contains(u'#' + topic.id),
                     qPrintable(topic.id + " is missing from the contents"));
}

void TestHelpFile::indexFindsTheInputsAndCommands() {
    for (const HelpFile::Keyword& keyword : m_help.keywords())
        QVERIFY(m_help.topic(keyword.topicId));
    // Type-ahead in the index finds them by their first letters.
    for (const char* prefix : {"initial", "monthly sav", "interest", "print", "update"})
        QVERIFY2(m_help.findKeyword(QString::fromLatin1(prefix)) >= 0, prefix);
}

void TestHelpFile::theBuildPutsTheFileBesideTheProgram() {
    QFile source(QStringLiteral(TLMR_HELP_FILE_SOURCE));
    QFile copy(QCoreApplication::applicationDirPath() + QStringLiteral("/tlmr.hlp"));
    QVERIFY(source.open(QIODevice::ReadOnly));
    QVERIFY2(copy.open(QIODevice::ReadOnly), qPrintable(copy.fileName()));
    QCOMPARE(copy.readAll(), source.readAll());
}

TLMR_GUI_TEST_MAIN(TestHelpFile)
#include "test_help_file.moc"
