#include "tests/support/ModalWatchdog.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QWidget>
#include <QtTest>

namespace {

constexpr int kPollMs = 20;

void closeModal(QWidget* widget) {
    if (auto* dialog = qobject_cast<QDialog*>(widget))
        dialog->reject();
    else
        widget->close();
}

} // namespace

ModalWatchdog::ModalWatchdog(int graceMs, QObject* parent)
    : QObject(parent)
    , m_graceMs(graceMs) {
    connect(&m_timer, &QTimer::timeout, this, &ModalWatchdog::poll);
    m_clock.start();
    m_timer.start(kPollMs);
}

void ModalWatchdog::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    const qint64 now = m_clock.elapsed();
    if (modal != m_seen) {
        m_seen = modal;
        m_seenSince = now;
        return;
    }
    if (!modal || now - m_seenSince < m_graceMs)
        return;
    const QString title = modal->windowTitle();
    m_titles << title;
    m_seen = nullptr;
    QTest::qFail(qPrintable(QStringLiteral("Unexpected modal window \"%1\"").arg(title)), __FILE__,
                 __LINE__);
    closeModal(modal);
}

void closeActiveModalLater(int ms, std::function<void(QWidget*)> action, int patienceMs) {
    auto* timer = new QTimer(qApp);
    const QDeadlineTimer giveUp(ms + patienceMs);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action, giveUp] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            if (action)
                action(modal);
            else
                closeModal(modal);
            return;
        }
        if (giveUp.hasExpired()) {
            qWarning("closeActiveModalLater: no modal window appeared");
            timer->stop();
            timer->deleteLater();
            return;
        }
        timer->setInterval(kPollMs);
    });
    timer->start(ms);
}
