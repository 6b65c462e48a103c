#include "app/XJustOne.h"

#include "platform/InstanceLock.h"

#include <QApplication>
#include <QCoreApplication>
#include <QWidget>

namespace {

// Longest lock name taken from the application title.
constexpr int kMaxNameLength = 255;

void restoreIfMinimised(QWidget* window) {
    const Qt::WindowStates state = window->windowState();
    if (state & Qt::WindowMinimized)
        window->setWindowState(state & ~Qt::WindowMinimized);
}

} // namespace

TXJustOne::TXJustOne(QWidget* owner)
    : QObject(owner)
    , m_owner(owner) {}

// The lock is a child of this object and is released with it.
TXJustOne::~TXJustOne() = default;

bool TXJustOne::check() {
    if (m_checkDone)
        return m_anotherInstance;

    const QString name = QCoreApplication::applicationName().left(kMaxNameLength);
    m_lock = new InstanceLock(name, this);
    if (m_lock->tryLock()) {
        connect(m_lock, &InstanceLock::activationRequested, this, &TXJustOne::bringOwnerForward);
    } else {
        // Held by another copy: this copy steps aside. The request travels over the holder's local
        // socket, so it can only ever reach the running copy, never this copy's own windows.
        m_anotherInstance = true;
        emit AlreadyExist(this);
        if (m_switchToPrevious)
            m_lock->requestActivation();
    }
    m_checkDone = true;
    return m_anotherInstance;
}

QString TXJustOne::unprotectedReason() const {
    return m_lock && !m_anotherInstance ? m_lock->unprotectedReason() : QString();
}

void TXJustOne::bringOwnerForward() {
    if (m_owner && m_owner->isVisible()) {
        restoreIfMinimised(m_owner);
        // A modal dialog open over the window is what the user was working in.
        QWidget* target = QApplication::activeModalWidget();
        if (target && target->isVisible())
            restoreIfMinimised(target);
        else
            target = m_owner;
        m_owner->raise();
        if (target != m_owner)
            target->raise();
        target->activateWindow();
        // Where the window manager refuses to hand over focus, at least flag it.
        QApplication::alert(target);
    }
    emit activated();
}
