#include "platform/Application.h"

#include "platform/ProductInfo.h"
#include "platform/QtDialogService.h"

#include <QWidget>
#include <QtDebug>

namespace {

// Deeper nesting than this (a handler's message box whose nested loop fails
// again, and again) means the handler cannot make progress; further errors are
// dropped instead of stacking message boxes without end.
constexpr int kMaxHandlerDepth = 8;

// The error's own text, or `otherwise` for one that is no std::exception.
QString describe(std::exception_ptr error,
                 const QString& otherwise = QStringLiteral("unknown exception")) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        return otherwise;
    }
}

} // namespace

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
    , m_dialogs(std::make_unique<QtDialogService>()) {}

Application::~Application() = default;

Application* Application::instance() {
    return qobject_cast<Application*>(QCoreApplication::instance());
}

Application::ExceptionHandler Application::setExceptionHandler(ExceptionHandler handler) {
    ExceptionHandler previous = std::move(m_exceptionHandler);
    m_exceptionHandler = std::move(handler);
    return previous;
}

void Application::handleException(QObject* sender, std::exception_ptr error) {
    if (!error)
        return;
    try {
        std::rethrow_exception(error);
    } catch (const SilentAbort&) {
        return;
    } catch (...) {
    }

    if (m_handlerDepth >= kMaxHandlerDepth) {
        qWarning("Error dropped, the error handler is nested too deeply: %s",
                 qPrintable(describe(error)));
        return;
    }
    if (m_splash)
        m_splash->close();
    ++m_handlerDepth;
    try {
        if (m_exceptionHandler) {
            // Copy: the handler may replace itself while it runs.
            ExceptionHandler handler = m_exceptionHandler;
            handler(sender, error);
        } else {
            showDefaultMessage(error);
        }
    } catch (...) {
        qWarning("Error dropped, thrown by the error handler itself: %s",
                 qPrintable(describe(std::current_exception())));
    }
    --m_handlerDepth;
}

void Application::showDefaultMessage(std::exception_ptr error) {
    QString text = describe(error, QString());
    if (text.isEmpty())
        text = tr("An unidentified error has occurred.");
    QString caption = applicationDisplayName();
    if (caption.isEmpty())
        caption = QString::fromLatin1(ProductInfo::kTitle);
    m_dialogs->messageBox(nullptr, caption, text, DialogService::Icon::Warning,
                          DialogService::Buttons::Ok);
}

void Application::setSplashWindow(QWidget* splash) {
    m_splash = splash;
}

void Application::setDialogService(std::unique_ptr<DialogService> service) {
    m_dialogs = service ? std::move(service) : std::make_unique<QtDialogService>();
}

void Application::beepNow() {
    if (m_beep)
        m_beep();
    else
        QApplication::beep();
}

void Application::setBeepHandler(BeepHandler handler) {
    m_beep = std::move(handler);
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        handleException(receiver, std::current_exception());
        return false;
    }
}
