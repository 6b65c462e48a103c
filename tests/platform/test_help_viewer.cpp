#include "platform/HelpFile.h"
#include "platform/HelpViewer.h"
#include "platform/Shell.h"
#include "tests/support/TestMain.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QUrl>
#include <QtTest>

namespace {

// A help file with a shared keyword, links between topics and a web link.
const QByteArray kHelp =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<helpfile title=\"Tallowmere Help\">\n"
    "  <topic id=\"contents\" title=\"Contents\" keywords=\"contents;overview\">\n"
    "    <![CDATA[<h1>Tallowmere Help</h1><p><a href=\"#interest\">Interest</a> and\n"
    "    <a href=\"#helponhelp\">How to Use Help</a></p>]]>\n"
    "  </topic>\n"
    "  <topic id=\"helponhelp\" title=\"How to Use Help\" keywords=\"help;using help\">\n"
    "    <![CDATA[<h1>Using the viewer</h1>]]>\n"
    "  </topic>\n"
    "  <topic id=\"interest\" title=\"Interest rate\" keywords=\"Interest rate; compounding "
    ";interest\">\n"
    "    <![CDATA[<h1>Interest & rates</h1><p>See <a href=\"http://www.brindlecrest.example/\">the "
    "web</a>.</p>]]>\n"
    "  </topic>\n"
    "  <topic id=\"savings\" title=\"Monthly savings\" keywords=\"savings;Interest\">\n"
    "    <![CDATA[<h1>Savings</h1>]]>\n"
    "  </topic>\n"
    "</helpfile>\n";

QStringList keywordTexts(const HelpFile& file) {
    QStringList out;
    for (const auto& k : file.keywords())
        out << k.text + '>' + k.topicId;
    return out;
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void parsesTopicsAndSortedKeywords();
    void keywordPrefixSearch();
    void malformedFilesAreRefused_data();
    void malformedFilesAreRefused();
    void contentsAndLinks();
    void keywordSearchTypeAhead();
    void helpOnHelpAndF1();
    void missingFileShowsTheViewersMessage();
    void quitClosesAndAChangedFileIsReadAgain();

private:
    QString writeHelp(const QByteArray& data);
    static QTextBrowser* text(HelpViewer& v) {
        return v.window()->findChild<QTextBrowser*>("helpText");
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QList<QUrl> m_opened;
};

void TestHelp::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_opened.clear();
    Shell::setUrlOpener([this](const QUrl& url) {
        m_opened << url;
        return true;
    });
}

void TestHelp::cleanup() {
    Shell::setUrlOpener({});
}

QString TestHelp::writeHelp(const QByteArray& data) {
    const QString path = m_dir->filePath("tlmr.hlp");
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void TestHelp::parsesTopicsAndSortedKeywords() {
    HelpFile file;
    QVERIFY2(file.parse(kHelp), qPrintable(file.errorString()));
    QCOMPARE(file.title(), QStringLiteral("Tallowmere Help"));
    QCOMPARE(file.topics().size(), 4);
    QVERIFY(file.topic("interest"));
    QCOMPARE(file.topic("interest")->title, QStringLiteral("Interest rate"));
    QVERIFY(file.topic("interest")->html.startsWith("<h1>Interest & rates</h1>"));
    QVERIFY(!file.topic("Interest")); // ids are exact
    QCOMPARE(keywordTexts(file),
             QStringList({"compounding>interest", "contents>contents", "help>helponhelp",
                          "interest>interest", "Interest>savings", "Interest rate>interest",
                          "overview>contents", "savings>savings", "using help>helponhelp"}));
}

void TestHelp::keywordPrefixSearch() {
    HelpFile file;
    QVERIFY(file.parse(kHelp));
    const auto found = [&](const QString& prefix) {
        const int i = file.findKeyword(prefix);
        return i < 0 ? QString() : file.keywords().at(i).text;
    };
    QCOMPARE(found("co"), QStringLiteral("compounding"));
    QCOMPARE(found("CON"), QStringLiteral("contents"));
    QCOMPARE(found("interest r"), QStringLiteral("Interest rate"));
    QCOMPARE(found("u"), QStringLiteral("using help"));
    QCOMPARE(found("zz"), QString());
    QCOMPARE(found(""), QStringLiteral("compounding"));
}

void TestHelp::malformedFilesAreRefused_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("reason");
    QTest::newRow("empty") << QByteArray() << "empty";
    QTest::newRow("not xml") << QByteArray("{\"title\": 1}") << "Line 1";
    QTest::newRow("wrong root") << QByteArray("<html><body/></html>") << "not a help file";
    QTest::newRow("unclosed") << QByteArray(
                                     "<helpfile>\n<topic id=\"a\"><![CDATA[x]]>\n</helpfile>")
                              << "Line 3";
    QTest::newRow("no id") << QByteArray("<helpfile><topic title=\"t\">x</topic></helpfile>")
                           << "no id";
    QTest::newRow("twice")
        << QByteArray("<helpfile><topic id=\"a\">x</topic><topic id=\"a\">y</topic></helpfile>")
        << "used twice";
    QTest::newRow("no topics") << QByteArray("<helpfile title=\"t\"/>") << "no topics";
}

void TestHelp::malformedFilesAreRefused() {
    QFETCH(QByteArray, data);
    QFETCH(QString, reason);
    HelpFile file;
    QVERIFY(!file.parse(data));
    QVERIFY2(file.errorString().contains(reason), qPrintable(file.errorString()));
    QVERIFY(file.topics().isEmpty());
    QVERIFY(file.keywords().isEmpty());
}

void TestHelp::contentsAndLinks() {
    HelpViewer viewer;
    viewer.setHelpFile(writeHelp(kHelp));
    QVERIFY(!viewer.window());
    viewer.showContents();
    QVERIFY(viewer.window());
    QCOMPARE(viewer.window()->objectName(), QStringLiteral("HelpWindow"));
    QCOMPARE(viewer.window()->windowTitle(), QStringLiteral("Tallowmere Help"));
    QVERIFY(!viewer.window()->isModal());
    QTextBrowser* browser = text(viewer);
    QVERIFY(browser->toPlainText().startsWith("Tallowmere Help"));

    auto* back = viewer.window()->findChild<QPushButton*>("btnBack");
    auto* forward = viewer.window()->findChild<QPushButton*>("btnForward");
    QVERIFY(!back->isEnabled());

    // An internal link switches topics; Back and Forward walk the way taken.
    emit browser->anchorClicked(QUrl("#interest"));
    QVERIFY(browser->toPlainText().startsWith("Interest & rates"));
    QVERIFY(back->isEnabled());
    back->click();
    QVERIFY(browser->toPlainText().startsWith("Tallowmere Help"));
    QVERIFY(forward->isEnabled());
    forward->click();
    QVERIFY(browser->toPlainText().startsWith("Interest & rates"));
    QVERIFY(!forward->isEnabled());
    // A new way from an earlier topic drops the topics ahead of it.
    back->click();
    emit browser->anchorClicked(QUrl("#helponhelp"));
    QVERIFY(!forward->isEnabled());
    back->click();
    QVERIFY(browser->toPlainText().startsWith("Tallowmere Help"));
    QVERIFY(!back->isEnabled());
    forward->click();
    QVERIFY(browser->toPlainText().startsWith("Using the viewer"));

    // A web link goes to the desktop and leaves the topic as it is.
    emit browser->anchorClicked(QUrl("http://www.brindlecrest.example/"));
    QCOMPARE(m_opened, QList<QUrl>{QUrl("http://www.brindlecrest.example/")});
    QVERIFY(browser->toPlainText().startsWith("Using the viewer"));

    viewer.window()->findChild<QPushButton*>("btnContents")->click();
    QVERIFY(browser->toPlainText().startsWith("Tallowmere Help"));
}

void TestHelp::keywordSearchTypeAhead() {
    HelpViewer viewer;
    viewer.setHelpFile(writeHelp(kHelp));
    viewer.showKeywordSearch();
    QWidget* window = viewer.window();
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto* edit = window->findChild<QLineEdit*>("keywordEdit");
    auto* list = window->findChild<QListWidget*>("keywordList");
    QVERIFY(edit->isVisible());
    QCOMPARE(QApplication::focusWidget(), edit);
    QCOMPARE(list->count(), 9);
    // A keyword shared by two topics names each topic.
    QCOMPARE(list->item(3)->text(), QStringLiteral("interest (Interest rate)"));
    QCOMPARE(list->item(4)->text(), QStringLiteral("Interest (Monthly savings)"));

    // The topic pane starts at the contents.
    QVERIFY(text(viewer)->toPlainText().startsWith("Tallowmere Help"));

    QTest::keyClicks(edit, "s");
    QCOMPARE(list->currentItem()->text(), QStringLiteral("savings"));
    // Arrow keys in the field walk the list and copy the entry.
    QTest::keyClick(edit, Qt::Key_Down);
    QCOMPARE(list->currentItem()->text(), QStringLiteral("using help"));
    QCOMPARE(edit->text(), QStringLiteral("using help"));
    QTest::keyClick(edit, Qt::Key_Up);
    QCOMPARE(edit->text(), QStringLiteral("savings"));
    edit->clear();
    QTest::keyClicks(edit, "INTEREST R");
    QCOMPARE(list->currentItem()->text(), QStringLiteral("Interest rate"));
    // No match keeps the last choice.
    QTest::keyClicks(edit, "x");
    QCOMPARE(list->currentItem()->text(), QStringLiteral("Interest rate"));

    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY(text(viewer)->toPlainText().startsWith("Interest & rates"));

    // Double-click on an entry shows its topic too.
    QListWidgetItem* savings = list->item(7);
    const QRect rect = list->visualItemRect(savings);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    QCOMPARE(edit->text(), QStringLiteral("savings"));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    QTRY_VERIFY(text(viewer)->toPlainText().startsWith("Savings"));
}

void TestHelp::helpOnHelpAndF1() {
    HelpViewer viewer;
    viewer.setHelpFile(writeHelp(kHelp));
    viewer.showHelpOnHelp();
    QVERIFY(text(viewer)->toPlainText().startsWith("Using the viewer"));

    viewer.showContents();
    QVERIFY(QTest::qWaitForWindowActive(viewer.window()));
    QTest::keyClick(viewer.window(), Qt::Key_F1);
    QVERIFY(text(viewer)->toPlainText().startsWith("Using the viewer"));

    // A file without its own topic still gets an explanation.
    viewer.quit();
    QTRY_VERIFY(!viewer.window());
    viewer.setHelpFile(writeHelp("<helpfile><topic id=\"a\">Only</topic></helpfile>"));
    viewer.showHelpOnHelp();
    QVERIFY(text(viewer)->toPlainText().startsWith("How to Use Help"));
    viewer.showContents(); // no "contents" topic: the first one
    QCOMPARE(text(viewer)->toPlainText(), QStringLiteral("Only"));
}

void TestHelp::missingFileShowsTheViewersMessage() {
    const QString path = m_dir->filePath("nowhere/tlmr.hlp");
    HelpViewer viewer;
    viewer.setHelpFile(path);
    viewer.showContents();
    QVERIFY(viewer.window());
    const QString shown = text(viewer)->toPlainText();
    QVERIFY2(shown.startsWith("Cannot open the help file " + path + "."), qPrintable(shown));
    QVERIFY(shown.contains("does not exist"));
    viewer.showKeywordSearch();
    QCOMPARE(viewer.window()->findChild<QListWidget*>("keywordList")->count(), 0);
    QVERIFY(text(viewer)->toPlainText().startsWith("Cannot open"));

    HelpViewer broken;
    broken.setHelpFile(writeHelp("<helpfile><topic id=\"a\">"));
    broken.showContents();
    QVERIFY(text(broken)->toPlainText().startsWith("Cannot open the help file"));
    QVERIFY(text(broken)->toPlainText().contains("Line 1"));
}

void TestHelp::quitClosesAndAChangedFileIsReadAgain() {
    HelpViewer viewer;
    viewer.quit(); // nothing open: nothing happens
    const QString path = writeHelp("<helpfile><topic id=\"contents\">Old</topic></helpfile>");
    viewer.setHelpFile(path);
    viewer.showContents();
    QCOMPARE(text(viewer)->toPlainText(), QStringLiteral("Old"));

    // The open viewer reads a file that changed since.
    writeHelp("<helpfile><topic id=\"contents\">New</topic></helpfile>");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(10),
                             QFileDevice::FileModificationTime));
    file.close();
    viewer.showContents();
    QCOMPARE(text(viewer)->toPlainText(), QStringLiteral("New"));

    viewer.quit();
    QTRY_VERIFY(!viewer.window());
}

TLMR_GUI_TEST_MAIN(TestHelp)
#include "test_help_viewer.moc"
