#include "platform/HelpViewer.h"
#include "platform/HelpWindow.h"

HelpViewer::HelpViewer(QObject* parent)
    : QObject(parent) {}

HelpViewer::~HelpViewer() {
    delete m_window.data();
}

void HelpViewer::setHelpFile(const QString& path) {
    m_helpFile = path;
}

HelpWindow* HelpViewer::ensureWindow() {
    if (!m_window) {
        m_window = new HelpWindow;
        m_window->setAttribute(Qt::WA_DeleteOnClose);
    }
    // Read the file again when it is another one, changed, or failed before.
    if (!m_window->isCurrent(m_helpFile))
        m_window->load(m_helpFile);
    m_window->show();
    if (m_window->isMinimized())
        m_window->showNormal();
    m_window->raise();
    m_window->activateWindow();
    return m_window;
}

void HelpViewer::showContents() {
    ensureWindow()->showContents();
}

void HelpViewer::showKeywordSearch() {
    ensureWindow()->showIndex();
}

void HelpViewer::showHelpOnHelp() {
    ensureWindow()->showHelpOnHelp();
}

void HelpViewer::quit() {
    if (m_window)
        m_window->close();
}

QWidget* HelpViewer::window() const {
    return m_window && m_window->isVisible() ? m_window.data() : nullptr;
}
