#pragma once

#include <QObject>

class InstanceLock;
class QWidget;

// Keeps the program to one running copy. The owning window runs check() once,
// after its controls exist and before its creation handler. A later copy finds
// the lock taken, asks the running copy to come forward (when SwitchToPrevious)
// and reports that it must quit without showing its window. The running copy
// restores (when minimised), raises and activates its owner window on request.
class TXJustOne : public QObject {
    Q_OBJECT
public:
    explicit TXJustOne(QWidget* owner);
    ~TXJustOne() override;

    // Whether a later copy asks the running one to come forward (default true).
    void setSwitchToPrevious(bool on) { m_switchToPrevious = on; }
    bool switchToPrevious() const { return m_switchToPrevious; }

    // Runs the check once (later calls return the first result). True when
    // another copy runs: the caller must not show its window and must end the
    // program. A lock that cannot be taken for another reason lets this copy run.
    bool check();
    bool anotherInstanceFound() const { return m_anotherInstance; }
    bool checkDone() const { return m_checkDone; }
    // Why this copy runs without protection against a second copy (the lock
    // could not be set up); empty when it holds the lock or steps aside.
    QString unprotectedReason() const;

signals:
    // Another copy was detected by check(), before the switch.
    void AlreadyExist(TXJustOne* sender);
    // This copy was asked to come forward (after it did so).
    void activated();

private:
    void bringOwnerForward();

    QWidget* m_owner;
    InstanceLock* m_lock = nullptr;
    bool m_switchToPrevious = true;
    bool m_checkDone = false;
    bool m_anotherInstance = false;
};
