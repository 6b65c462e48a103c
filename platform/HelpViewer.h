#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;
class HelpWindow;

// Our help viewer over the help file "tlmr.hlp" (HTML topics plus a keyword
// index). Four commands, as a help system offers them: contents, partial-key
// search, help on help, and quit. A missing or unreadable file shows the viewer's
// own message inside its window; no command throws.
class HelpViewer : public QObject {
    Q_OBJECT
public:
    explicit HelpViewer(QObject* parent = nullptr);
    ~HelpViewer() override;

    // Without a path of its own, the viewer shows the application's help file.
    void setHelpFile(const QString& path);
    QString helpFile() const;

    void showContents();
    void showKeywordSearch();
    void showHelpOnHelp();
    void quit();

    // The viewer window while it is open (for tests), else nullptr.
    QWidget* window() const;

private:
    HelpWindow* ensureWindow();

    QString m_helpFile;
    QPointer<HelpWindow> m_window;
};
