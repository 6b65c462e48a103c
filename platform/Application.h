#pragma once

#include "DialogService.h"

#include <QApplication>
#include <QPointer>
#include <exception>
#include <functional>
#include <memory>

// Thrown to abandon an operation quietly: the application drops it before its
// exception handler, so no message is shown.
struct SilentAbort {};

// The program's application object. Exceptions escaping any event handler are
// caught in notify() and passed to the one installed exception handler, so the
// event loop never unwinds. Also owns the dialog service and the beep, the two
// things tests replace.
class Application : public QApplication {
    Q_OBJECT
public:
    using ExceptionHandler = std::function<void(QObject* sender, std::exception_ptr error)>;
    using BeepHandler = std::function<void()>;

    Application(int& argc, char** argv);
    ~Application() override;

    static Application* instance();

    // Replaces the handler and returns the previous one (so it can be put back).
    ExceptionHandler setExceptionHandler(ExceptionHandler handler);
    const ExceptionHandler& exceptionHandler() const { return m_exceptionHandler; }
    // Passes `error` to the installed handler; code that runs outside an event
    // (window creation) calls this itself. Without a handler, the error's own
    // text is shown in a warning box through the dialog service. A SilentAbort
    // is dropped; an exception thrown by the handler itself is dropped with a
    // warning on the debug output, so it never unwinds through the event loop.
    void handleException(QObject* sender, std::exception_ptr error);

    // The start-up window while it is up. An error closes it before its message
    // shows, so the message never hides behind a window that stays on top.
    void setSplashWindow(QWidget* splash);

    DialogService& dialogs() { return *m_dialogs; }
    void setDialogService(std::unique_ptr<DialogService> service);

    // The default system beep (QApplication::beep unless replaced).
    void beepNow();
    void setBeepHandler(BeepHandler handler);

    // The application-wide help file path (provisional at start, then the one
    // beside the program).
    void setHelpFile(const QString& path) { m_helpFile = path; }
    const QString& helpFile() const { return m_helpFile; }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    void showDefaultMessage(std::exception_ptr error);

    ExceptionHandler m_exceptionHandler;
    BeepHandler m_beep;
    std::unique_ptr<DialogService> m_dialogs;
    QString m_helpFile;
    QPointer<QWidget> m_splash;
    int m_handlerDepth = 0;
};
