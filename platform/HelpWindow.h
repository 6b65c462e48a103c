#pragma once

#include "platform/HelpFile.h"

#include <QDateTime>
#include <QStringList>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QPushButton;
class QTextBrowser;
class QUrl;

// The help viewer's window: topic text with Back/Forward/Contents/Index
// buttons, and a keyword index with type-ahead. When the file cannot be read,
// the text pane says so instead. Non-modal; F1 inside it shows how to use help.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Reads the help file (again); failures are shown in the window.
    void load(const QString& path);
    // True when `path` is loaded and unchanged on disk since.
    bool isCurrent(const QString& path) const;
    const HelpFile& helpFile() const { return m_file; }

    void showContents();
    void showHelpOnHelp();
    // Opens the keyword index with the typing field focused.
    void showIndex();
    void showTopic(const QString& id);
    QString currentTopic() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showError(const QString& heading, const QString& reason);
    void updateButtons();
    void fillKeywordList();
    void keywordTyped(const QString& text);
    void displaySelectedKeyword();
    void linkActivated(const QUrl& url);

    HelpFile m_file;
    QString m_path;
    QDateTime m_modified;
    bool m_loaded = false;
    // Whether a topic was shown since the file was loaded; the topics seen
    // are the text pane's own history.
    bool m_topicShown = false;

    QTextBrowser* m_text = nullptr;
    QWidget* m_keywordPanel = nullptr;
    QLineEdit* m_keywordEdit = nullptr;
    QListWidget* m_keywordList = nullptr;
    QPushButton* m_contents = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_forward = nullptr;
    QPushButton* m_index = nullptr;
    QPushButton* m_display = nullptr;
};
