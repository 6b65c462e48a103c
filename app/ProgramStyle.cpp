#include "app/ProgramStyle.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleFactory>
#include <QWidget>

namespace {

// Asks the style for its picture the first time the picture is needed.
class DeferredIconEngine : public QIconEngine {
public:
    DeferredIconEngine(QStyle* style, QStyle::StandardPixmap which, const QWidget* widget)
        : m_style(style)
        , m_widget(const_cast<QWidget*>(widget))
        , m_which(which) {}

    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }
    QString key() const override { return QStringLiteral("DeferredIconEngine"); }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }

private:
    const QIcon& icon() {
        if (!m_loaded && m_style)
            m_icon = m_style->standardIcon(m_which, nullptr, m_widget);
        m_loaded = true;
        return m_icon;
    }

    QPointer<QStyle> m_style;
    QPointer<QWidget> m_widget;
    QStyle::StandardPixmap m_which;
    QIcon m_icon;
    bool m_loaded = false;
};

} // namespace

ProgramStyle::ProgramStyle(QStyle* base, int pauseMs)
    : QProxyStyle(base)
    , m_pauseMs(pauseMs) {}

int ProgramStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returnData) const {
    if (hint == SH_ToolTip_WakeUpDelay)
        return m_pauseMs;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QIcon ProgramStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                 const QWidget* widget) const {
    // A picture for a particular option is made while the option exists.
    if (option)
        return QProxyStyle::standardIcon(which, option, widget);
    return QIcon(new DeferredIconEngine(baseStyle(), which, widget));
}

void ProgramStyle::install(int pauseMs) {
    if (auto* current = qobject_cast<ProgramStyle*>(QApplication::style())) {
        current->m_pauseMs = pauseMs;
        return;
    }
    // A fresh instance of the current style: the application deletes its old
    // style when a new one is set, so the proxy must not wrap that one.
    QStyle* base = QStyleFactory::create(QApplication::style()->name());
    QApplication::setStyle(new ProgramStyle(base, pauseMs));
}
