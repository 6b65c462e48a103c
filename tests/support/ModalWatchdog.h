#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>

class QWidget;

// Keeps a GUI test from hanging on a modal window nobody expected: a modal
// widget that stays up longer than the grace period is recorded, reported as a
// test failure (with its title) and closed, so its event loop returns.
// Expected modal windows are closed sooner by the test itself, for instance
// with closeActiveModalLater().
class ModalWatchdog : public QObject {
    Q_OBJECT
public:
    explicit ModalWatchdog(int graceMs = 3000, QObject* parent = nullptr);

    bool tripped() const { return !m_titles.isEmpty(); }
    // Titles of the modal windows it had to close, in order.
    const QStringList& closedTitles() const { return m_titles; }

private:
    void poll();

    int m_graceMs;
    QTimer m_timer;
    QElapsedTimer m_clock;
    QPointer<QWidget> m_seen;
    qint64 m_seenSince = 0;
    QStringList m_titles;
};

// Closes a modal window as soon as one is active, at the earliest after `ms`,
// polling for up to `patienceMs`; `action` gets the modal widget (to click a
// button or fill a field); without an action the widget is rejected or closed.
void closeActiveModalLater(int ms, std::function<void(QWidget*)> action = {},
                           int patienceMs = 5000);
