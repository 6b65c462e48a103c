#include "platform/HelpWindow.h"
#include "platform/Shell.h"

#include <QBoxLayout>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTextBrowser>

namespace {

const char kContentsTopic[] = "contents";
const char kHelpOnHelpTopic[] = "helponhelp";

// Shown for "how to use help" when the help file has no such topic of its own.
const char kBuiltInHelpOnHelp[] = QT_TRANSLATE_NOOP(
    "HelpWindow",
    "<h2>How to Use Help</h2>"
    "<p>Click an underlined link to go to that topic. <b>Back</b> and <b>Forward</b> "
    "move through the topics you have seen; <b>Contents</b> returns to the list of "
    "topics.</p>"
    "<p>To look for a subject, click <b>Index</b>, type the first few letters of the word "
    "you are looking for, and press Enter or click <b>Display</b>.</p>");

QPushButton* makeButton(const QString& text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

// The topic pane: a topic's address is "topic:<id>", loaded from the help
// file, so the browser's own history is the way back and forward.
class TopicBrowser : public QTextBrowser {
public:
    TopicBrowser(const HelpFile& file, QWidget* parent)
        : QTextBrowser(parent)
        , m_file(file) {}

    static QUrl address(const QString& id) {
        QUrl url;
        url.setScheme(QStringLiteral("topic"));
        url.setPath(id);
        return url;
    }

protected:
    QVariant loadResource(int type, const QUrl& name) override {
        if (type != QTextDocument::HtmlResource || name.scheme() != u"topic")
            return QTextBrowser::loadResource(type, name);
        const QString id = name.path();
        if (const HelpFile::Topic* topic = m_file.topic(id))
            return topic->html;
        return QStringLiteral("<h3>%1</h3><p></p>")
            .arg(HelpWindow::tr("The topic \"%1\" is not in the help file.")
                     .arg(id)
                     .toHtmlEscaped());
    }

private:
    const HelpFile& m_file;
};

} // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    resize(720, 520);

    m_contents = makeButton(tr("&Contents"), "btnContents", this);
    m_index = makeButton(tr("&Index"), "btnIndex", this);
    m_back = makeButton(tr("&Back"), "btnBack", this);
    m_forward = makeButton(tr("&Forward"), "btnForward", this);
    m_index->setCheckable(true);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {m_contents, m_index, m_back, m_forward})
        buttons->addWidget(b);
    buttons->addStretch();

    m_keywordPanel = new QWidget(this);
    m_keywordPanel->setObjectName(QStringLiteral("keywordPanel"));
    m_keywordEdit = new QLineEdit(m_keywordPanel);
    m_keywordEdit->setObjectName(QStringLiteral("keywordEdit"));
    m_keywordList = new QListWidget(m_keywordPanel);
    m_keywordList->setObjectName(QStringLiteral("keywordList"));
    m_display = makeButton(tr("&Display"), "btnDisplay", m_keywordPanel);
    auto* typeLabel =
        new QLabel(tr("&Type the first few letters of the word you are looking for:"));
    typeLabel->setWordWrap(true);
    typeLabel->setBuddy(m_keywordEdit);
    auto* listLabel = new QLabel(tr("Click the index entry you want, and then click Display:"));
    listLabel->setWordWrap(true);
    // A list's name for assistive technology is never taken from a label.
    m_keywordList->setAccessibleName(tr("Index entries"));
    auto* panelLayout = new QVBoxLayout(m_keywordPanel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->addWidget(typeLabel);
    panelLayout->addWidget(m_keywordEdit);
    panelLayout->addWidget(listLabel);
    panelLayout->addWidget(m_keywordList, 1);
    panelLayout->addWidget(m_display, 0, Qt::AlignRight);
    m_keywordPanel->hide();

    m_text = new TopicBrowser(m_file, this);
    m_text->setObjectName(QStringLiteral("helpText"));
    m_text->setAccessibleName(tr("Help topic"));
    m_text->setOpenLinks(false);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(m_keywordPanel);
    splitter->addWidget(m_text);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);

    connect(m_contents, &QPushButton::clicked, this, &HelpWindow::showContents);
    connect(m_index, &QPushButton::toggled, this, [this](bool on) {
        if (on)
            showIndex();
        else
            m_keywordPanel->hide();
    });
    connect(m_back, &QPushButton::clicked, m_text, &QTextBrowser::backward);
    connect(m_forward, &QPushButton::clicked, m_text, &QTextBrowser::forward);
    connect(m_text, &QTextBrowser::historyChanged, this, &HelpWindow::updateButtons);
    connect(m_display, &QPushButton::clicked, this, &HelpWindow::displaySelectedKeyword);
    connect(m_keywordEdit, &QLineEdit::textEdited, this, &HelpWindow::keywordTyped);
    connect(m_keywordEdit, &QLineEdit::returnPressed, this, &HelpWindow::displaySelectedKeyword);
    connect(m_keywordList, &QListWidget::itemActivated, this, &HelpWindow::displaySelectedKeyword);
    connect(m_keywordList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { m_keywordEdit->setText(item->text()); });
    connect(m_text, &QTextBrowser::anchorClicked, this, &HelpWindow::linkActivated);
    m_keywordEdit->installEventFilter(this);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &HelpWindow::showHelpOnHelp);

    updateButtons();
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
    // Arrow and page keys in the typing field move through the keyword list.
    if (watched == m_keywordEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
            key == Qt::Key_PageDown) {
            QCoreApplication::sendEvent(m_keywordList, event);
            if (const QListWidgetItem* item = m_keywordList->currentItem())
                m_keywordEdit->setText(item->text());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void HelpWindow::load(const QString& path) {
    m_path = path;
    m_modified = QFileInfo(path).lastModified();
    m_loaded = m_file.load(path);
    // A topic shown next starts a new history.
    m_topicShown = false;
    fillKeywordList();
    if (m_loaded && !m_file.title().isEmpty())
        setWindowTitle(m_file.title());
    else
        setWindowTitle(tr("%1 Help").arg(QGuiApplication::applicationDisplayName()));
    if (!m_loaded)
        showError(tr("Cannot open the help file %1.").arg(QDir::toNativeSeparators(path)),
                  m_file.errorString());
    m_contents->setEnabled(m_loaded);
    updateButtons();
}

bool HelpWindow::isCurrent(const QString& path) const {
    return m_loaded && path == m_path && QFileInfo(path).lastModified() == m_modified;
}

void HelpWindow::showError(const QString& heading, const QString& reason) {
    m_text->setHtml(QStringLiteral("<h3>%1</h3><p>%2</p>")
                        .arg(heading.toHtmlEscaped(), reason.toHtmlEscaped()));
}

void HelpWindow::showContents() {
    if (!m_loaded)
        return;
    if (m_file.topic(QLatin1String(kContentsTopic)))
        showTopic(QLatin1String(kContentsTopic));
    else
        showTopic(m_file.topics().constFirst().id);
}

void HelpWindow::showHelpOnHelp() {
    if (m_loaded && m_file.topic(QLatin1String(kHelpOnHelpTopic))) {
        showTopic(QLatin1String(kHelpOnHelpTopic));
        return;
    }
    // Without a topic of its own the viewer explains itself.
    m_text->setHtml(tr(kBuiltInHelpOnHelp));
}

void HelpWindow::showIndex() {
    // The topic pane beside the index starts at the contents.
    if (currentTopic().isEmpty())
        showContents();
    m_keywordPanel->show();
    m_index->setChecked(true);
    if (m_keywordList->currentRow() < 0 && m_keywordList->count() > 0)
        m_keywordList->setCurrentRow(0);
    m_keywordEdit->setFocus();
    m_keywordEdit->selectAll();
}

void HelpWindow::showTopic(const QString& id) {
    if (!m_loaded)
        return;
    // The browser drops the topics ahead of the current one when going
    // somewhere new; the same topic again is read afresh (it may have been
    // replaced by a message meanwhile).
    const QUrl address = TopicBrowser::address(id);
    if (m_text->source() == address)
        m_text->reload();
    else
        m_text->setSource(address);
    if (!m_topicShown)
        m_text->clearHistory();
    m_topicShown = true;
    updateButtons();
}

QString HelpWindow::currentTopic() const {
    return m_topicShown ? m_text->source().path() : QString();
}

void HelpWindow::updateButtons() {
    m_back->setEnabled(m_topicShown && m_text->isBackwardAvailable());
    m_forward->setEnabled(m_topicShown && m_text->isForwardAvailable());
    m_display->setEnabled(m_keywordList->count() > 0);
}

void HelpWindow::fillKeywordList() {
    m_keywordList->clear();
    const auto& keywords = m_file.keywords();
    for (qsizetype i = 0; i < keywords.size(); ++i) {
        const HelpFile::Keyword& keyword = keywords.at(i);
        // A keyword shared by several topics names the topic in each entry.
        const auto same = [&](qsizetype j) {
            return j >= 0 && j < keywords.size() &&
                   keywords.at(j).text.compare(keyword.text, Qt::CaseInsensitive) == 0;
        };
        QString text = keyword.text;
        if (same(i - 1) || same(i + 1)) {
            if (const HelpFile::Topic* topic = m_file.topic(keyword.topicId))
                text += QStringLiteral(" (%1)").arg(topic->title);
        }
        auto* item = new QListWidgetItem(text, m_keywordList);
        item->setData(Qt::UserRole, keyword.topicId);
    }
}

void HelpWindow::keywordTyped(const QString& text) {
    const int row = m_file.findKeyword(text.trimmed());
    if (row < 0)
        return;
    m_keywordList->setCurrentRow(row);
    m_keywordList->scrollToItem(m_keywordList->item(row), QAbstractItemView::PositionAtTop);
}

void HelpWindow::displaySelectedKeyword() {
    if (const QListWidgetItem* item = m_keywordList->currentItem())
        showTopic(item->data(Qt::UserRole).toString());
}

void HelpWindow::linkActivated(const QUrl& url) {
    if (url.scheme().isEmpty() && url.path().isEmpty() && url.hasFragment()) {
        showTopic(url.fragment());
        return;
    }
    const QString scheme = url.scheme().toLower();
    if (scheme == u"http" || scheme == u"https" || scheme == u"mailto")
        Shell::open(url.toString());
}
