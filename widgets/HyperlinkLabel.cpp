#include "widgets/HyperlinkLabel.h"

#include <QApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QTimer>
#include <QUrl>

namespace {

constexpr int HoverCheckMs = 100;

const QColor LinkColor = Qt::blue;
const QColor HotColor = Qt::red;

} // namespace

HyperlinkLabel::HyperlinkLabel(QWidget* parent)
    : HyperlinkLabel(QString(), QString(), parent) {}

HyperlinkLabel::HyperlinkLabel(const QString& caption, const QString& address, QWidget* parent)
    : QLabel(caption, parent)
    , m_address(address)
    , m_opener(&HyperlinkLabel::openWithDesktop)
    , m_hoverTimer(new QTimer(this)) {
    // Only the underline is set here; family and size still come from the parent.
    QFont underlined;
    underlined.setUnderline(true);
    setFont(underlined);
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setColor(LinkColor);

    m_hoverTimer->setInterval(HoverCheckMs);
    connect(m_hoverTimer, &QTimer::timeout, this, &HyperlinkLabel::checkPointer);
}

void HyperlinkLabel::setOpener(Opener opener) {
    m_opener = opener ? std::move(opener) : Opener(&HyperlinkLabel::openWithDesktop);
}

QColor HyperlinkLabel::currentColor() const {
    return palette().color(QPalette::WindowText);
}

bool HyperlinkLabel::openWithDesktop(const QString& address) {
    if (address.isEmpty())
        return true;
    if (QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode)))
        return true;
    QApplication::beep();
    return false;
}

void HyperlinkLabel::activate() {
    m_visited = true;
    setColor(HotColor);
    if (!m_opener(m_address))
        emit openFailed();
}

void HyperlinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        activate();
}

void HyperlinkLabel::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    setColor(HotColor);
    m_hoverTimer->start();
}

void HyperlinkLabel::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    m_hoverTimer->stop();
    setColor(restingColor());
}

void HyperlinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        activate();
        event->accept();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void HyperlinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

void HyperlinkLabel::setColor(const QColor& color) {
    QPalette colored = palette();
    colored.setColor(QPalette::WindowText, color);
    setPalette(colored);
}

QColor HyperlinkLabel::restingColor() const {
    return m_visited ? HotColor : LinkColor;
}

// Catches a pointer that left without a leave event (a window opening over the
// label, for instance).
void HyperlinkLabel::checkPointer() {
    if (isVisible() && rect().contains(mapFromGlobal(QCursor::pos())))
        return;
    m_hoverTimer->stop();
    setColor(restingColor());
}
