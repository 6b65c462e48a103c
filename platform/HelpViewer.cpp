#include "platform/HelpViewer.h"
#include "platform/Application.h"
#include "platform/HelpWindow.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {

// Puts `window` to the right of `owner`, else to its left, else centred on it,
// and always inside the screen's available area.
void placeBeside(QWidget* window, const QWidget* owner) {
    const QRect frame = owner->frameGeometry();
    const QRect area = owner->screen() ? owner->screen()->availableGeometry() : frame;
    QRect target(QPoint(), window->size());
    if (frame.right() + target.width() < area.right())
        target.moveTopLeft(QPoint(frame.right() + 1, frame.top()));
    else if (frame.left() - target.width() >= area.left())
        target.moveTopLeft(QPoint(frame.left() - target.width(), frame.top()));
    else
        target.moveCenter(frame.center());
    target.moveLeft(std::clamp(target.left(), area.left(),
                               std::max(area.left(), area.right() - target.width())));
    target.moveTop(std::clamp(target.top(), area.top(),
                              std::max(area.top(), area.bottom() - target.height())));
    window->move(target.topLeft());
}

} // namespace

HelpViewer::HelpViewer(QObject* parent)
    : QObject(parent) {}

HelpViewer::~HelpViewer() {
    delete m_window.data();
}

void HelpViewer::setHelpFile(const QString& path) {
    m_helpFile = path;
}

QString HelpViewer::helpFile() const {
    const Application* app = Application::instance();
    return m_helpFile.isEmpty() && app ? app->helpFile() : m_helpFile;
}

HelpWindow* HelpViewer::ensureWindow() {
    if (!m_window) {
        m_window = new HelpWindow;
        m_window->setAttribute(Qt::WA_DeleteOnClose);
        if (auto* owner = qobject_cast<QWidget*>(parent()); owner && owner->isVisible())
            placeBeside(m_window, owner->window());
    }
    // Read the file again when it is another one, changed, or failed before.
    const QString path = helpFile();
    if (!m_window->isCurrent(path))
        m_window->load(path);
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
