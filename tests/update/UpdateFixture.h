#pragma once

// What the update tests share: a component configured as the program's, a
// scripted loopback server publishing its page, and the scripted dialogs.

#include "platform/Application.h"
#include "tests/support/LoopbackHttpServer.h"
#include "tests/support/ScriptedDialogService.h"
#include "update/WebFileInfo.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace UpdateFixture {

inline QByteArray meta(const QByteArray& name, const QByteArray& value) {
    return "<META HTTP-EQUIV=\"" + name + "\" CONTENT=\"" + value + "\">\r\n";
}

// A page publishing `version` with a date, the download and a read-me.
inline QByteArray page(const LoopbackHttpServer& server, const QByteArray& version,
                       const QByteArray& extra = {}) {
    return "<html><head>\r\n" + meta("version", version) + meta("date", "November 15, 2001") +
           meta("url", server.url("/dl/tlmr14").toString().toLatin1()) +
           meta("readme", server.url("/readme.txt").toString().toLatin1()) +
           meta("runparams", "/silent /norestart") + extra + "</head></html>\r\n";
}

// The component as the program sets it up, pointed at the server's page; no
// name lookup ever leaves the machine, time-outs are short.
inline std::unique_ptr<TWebFileInfo> component(const LoopbackHttpServer& server) {
    auto info = std::make_unique<TWebFileInfo>();
    info->setCurrentVersion(QStringLiteral("1.3.00"));
    info->InfoTags() = TWfiTags::programTags();
    info->setHomeURL(server.url("/tlmr.htm").toString());
    info->setHostLookup([](const QString& host) { return host == QLatin1String("127.0.0.1"); });
    info->setTimeoutMs(3000);
    return info;
}

// Acts on the modal window named `name` each time one is up, until stopped
// (the timer belongs to the caller's scope).
inline std::unique_ptr<QTimer> onModal(const QString& name, std::function<void(QWidget*)> action) {
    auto timer = std::make_unique<QTimer>();
    QObject::connect(timer.get(), &QTimer::timeout, [name, action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->objectName() == name)
            action(modal);
    });
    timer->start(20);
    return timer;
}

// Lets every event already queued (and what it queues at once) run: a check
// that would restart itself would have started by then.
inline void drainEvents() {
    for (int turn = 0; turn < 3; ++turn) {
        bool passed = false;
        QTimer::singleShot(0, [&passed] { passed = true; });
        while (!passed)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
}

} // namespace UpdateFixture
