#include "app/HintPauseStyle.h"

#include <QApplication>
#include <QStyleFactory>

HintPauseStyle::HintPauseStyle(QStyle* base, int pauseMs)
    : QProxyStyle(base)
    , m_pauseMs(pauseMs) {}

int HintPauseStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                              QStyleHintReturn* returnData) const {
    if (hint == SH_ToolTip_WakeUpDelay)
        return m_pauseMs;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void HintPauseStyle::install(int pauseMs) {
    if (auto* current = qobject_cast<HintPauseStyle*>(QApplication::style())) {
        current->m_pauseMs = pauseMs;
        return;
    }
    // A fresh instance of the current style: the application deletes its old
    // style when a new one is set, so the proxy must not wrap that one.
    QStyle* base = QStyleFactory::create(QApplication::style()->name());
    QApplication::setStyle(new HintPauseStyle(base, pauseMs));
}
