#include "update/WebFileInfo.h"

#include "update/UpdateWindows.h"

#include <QBuffer>
#include <QScopeGuard>
#include <QUrl>
#include <QWidget>
#include <algorithm>
#include <climits>
#include <optional>

// The installed error hook: calls the component while it exists, so a hook
// left behind by someone who saved it can never reach a destroyed component.
struct TWebFileInfo::Hook {
    QPointer<TWebFileInfo> owner;
    void operator()(QObject* sender, std::exception_ptr error) const {
        if (owner)
            owner->HandleException(sender, error);
    }
};

TWebFileInfo::TWebFileInfo(QObject* owner)
    : QObject(owner) {
    setObjectName(QStringLiteral("WebFileInfo"));
    if (QWidget* window = ownerWindow())
        m_uiFont = window->font();
}

TWebFileInfo::~TWebFileInfo() {
    UnhookExceptions();
}

void TWebFileInfo::setActive(bool value) {
    if (!value)
        m_active = false;
}

void TWebFileInfo::setHomeURL(const QString& value) {
    // Secure addresses are accepted too: the program downloads and starts code.
    const QString lower = value.left(8).toLower();
    if (!lower.startsWith(QLatin1String("http://")) && lower != QLatin1String("https://"))
        return;
    m_homeURL = value;
    m_active = false;
}

QFont TWebFileInfo::UIFont() {
    if (m_uiOwnerFont) {
        if (QWidget* window = ownerWindow())
            m_uiFont = window->font();
    }
    return m_uiFont;
}

void TWebFileInfo::setUIFont(const QFont& font) {
    m_uiFont = font;
    m_uiOwnerFont = false;
}

void TWebFileInfo::setHostLookup(THttpCli::HostLookup lookup) {
    m_lookup = std::move(lookup);
    if (m_http)
        m_http->setHostLookup(m_lookup);
}

void TWebFileInfo::setTimeoutMs(int ms) {
    m_timeoutMs = ms;
    if (m_http)
        m_http->setTimeoutMs(ms);
}

QWidget* TWebFileInfo::ownerWindow() const {
    return qobject_cast<QWidget*>(parent());
}

DialogService& TWebFileInfo::dialogs() const {
    return Application::instance()->dialogs();
}

void TWebFileInfo::warn(const QString& caption, const QString& text) const {
    dialogs().messageBox(ownerWindow(), caption, text, DialogService::Icon::Warning,
                         DialogService::Buttons::Ok);
}

bool TWebFileInfo::ask(const QString& caption, const QString& text) const {
    return dialogs().messageBox(ownerWindow(), caption, text, DialogService::Icon::Question,
                                DialogService::Buttons::YesNo) == DialogService::Answer::Yes;
}

bool TWebFileInfo::IsNewerVersion() const {
    return UpdateInfo::IsNewerVersion(m_currentVersion, m_values.ProductVersion, m_versionFormat);
}

// Fetching --------------------------------------------------------------------

void TWebFileInfo::requireIdleClient() {
    if (!m_http) {
        m_http = new THttpCli(this);
        m_http->setObjectName(QStringLiteral("HttpCli"));
        m_http->setHostLookup(m_lookup);
        m_http->setTimeoutMs(m_timeoutMs);
        m_http->OnRequestDone = [this](THttpCli* sender, THttpRequest type, std::uint16_t error) {
            RequestDone(sender, type, error);
        };
    }
    m_http->requireIdle();
}

std::unique_ptr<TWaitWindow> TWebFileInfo::CreateWaitWindow(const QString& text) {
    return std::make_unique<TWaitWindow>(text, UIFont());
}

bool TWebFileInfo::fetchText(const QString& address, TWaitWindow& wait, QByteArray* body,
                             const QDeadlineTimer& deadline) {
    requireIdleClient();
    QBuffer stream;
    stream.open(QIODevice::WriteOnly);
    m_http->ReceiveTarget = &stream;
    const auto release = qScopeGuard([this, &stream] {
        m_waitWindow = nullptr;
        if (m_http && m_http->ReceiveTarget == &stream)
            m_http->ReceiveTarget = nullptr;
    });
    m_http->setBodyLimit(kMaxTextBytes);
    m_http->setDeadlineMs(int(std::clamp<qint64>(deadline.remainingTime(), 0, INT_MAX)));
    m_http->setMinimumRate(0, 0);
    m_lastError.clear();
    m_http->URL = address;
    m_http->StartGet();
    m_waitWindow = &wait;
    wait.exec();
    *body = stream.data();
    return m_http->ResponseStatus() <= 200 && m_lastError.isEmpty();
}

bool TWebFileInfo::GetInfo() {
    if (m_active)
        return true;
    if (m_homeURL.isEmpty()) {
        warn(tr("Missing Home URL"), tr("Can not retrieve version information\r"
                                        "because no home url was provided."));
        return false;
    }
    if (m_tags.allEmpty()) {
        warn(tr("Missing Tag Information"), tr("Can not retrieve version information\r"
                                               "because no tag information was provided."));
        return false;
    }

    // One waiting window and one deadline serve the page and every redirect
    // after it, so a chain of slow pages cannot keep the check going longer
    // than a single page may take.
    std::unique_ptr<TWaitWindow> wait;
    const QDeadlineTimer deadline = textDeadline();
    for (int redirects = 0;; ++redirects) {
        HookExceptions();
        requireIdleClient();
        m_http->Proxy = m_proxyHost;
        m_http->ProxyPort =
            m_proxyHost.isEmpty() ? QStringLiteral("80") : QString::number(m_proxyPort);
        if (!wait)
            wait = CreateWaitWindow(tr("Checking For Update..."));
        const QString address = m_values.RedirectURL.isEmpty() ? m_homeURL : m_values.RedirectURL;
        QByteArray page;
        fetchText(address, *wait, &page, deadline);
        if (m_http->ResponseStatus() > 200) {
            // The client's own failures say what happened; a server's status is its number.
            const bool ownFailure = !m_lastError.isEmpty();
            m_lastError = m_http->ResponseReason();
            dialogs().showMessage(
                ownFailure
                    ? tr("The update information could not be fetched from "
                         "%1:\r%2.")
                          .arg(QUrl(address).toDisplayString(QUrl::RemoveUserInfo), m_lastError)
                    : QString::number(m_http->ResponseStatus()));
        }

        m_values = {};
        m_productDate = 0;
        m_downloadFileName.clear();
        if (m_lastError.isEmpty() && UpdateInfo::LooksLikeUtf16(page))
            m_lastError = tr("the information page at %1 is UTF-16 text; it must be "
                             "ASCII or UTF-8 to be read")
                              .arg(QUrl(address).toDisplayString(QUrl::RemoveUserInfo));
        const bool fetched = m_lastError.isEmpty();
        if (fetched) {
            m_values = UpdateInfo::ParseInfoPage(page, m_tags);
            m_downloadFileName = UpdateInfo::FileNameFromAddress(m_values.DownloadURL);
            if (!m_values.ProductDateStr.isEmpty())
                m_productDate = UpdateInfo::ParseDate(m_values.ProductDateStr, m_dateFormat);
        }
        if (m_values.RedirectURL.isEmpty()) {
            m_active = fetched;
            return fetched;
        }
        if (redirects + 1 > kMaxPageRedirects) {
            m_values = {};
            m_downloadFileName.clear();
            m_lastError =
                tr("the information page redirects more than %1 times").arg(kMaxPageRedirects);
            m_active = false;
            return false;
        }
    }
}

void TWebFileInfo::RequestDone(THttpCli* sender, THttpRequest, std::uint16_t error) {
    m_lastError = error ? sender->ResponseReason() : QString();
    if (m_waitWindow)
        m_waitWindow->finish(QDialog::Accepted);
    if (m_progressWindow)
        m_progressWindow->finish(m_progressWindow->cancelled() ? QDialog::Rejected
                                                               : QDialog::Accepted);
}

// Error hook ------------------------------------------------------------------

bool TWebFileInfo::hooked() const {
    const Application* app = Application::instance();
    if (!app)
        return false;
    const Hook* hook = app->exceptionHandler().target<Hook>();
    return hook && hook->owner == this;
}

void TWebFileInfo::HookExceptions() {
    Application* app = Application::instance();
    // Installed already: keep the handler from before the first installation,
    // so errors are never passed back to this hook.
    if (!app || hooked())
        return;
    m_savedOnException = app->setExceptionHandler(Hook{this});
}

void TWebFileInfo::UnhookExceptions() {
    if (hooked())
        Application::instance()->setExceptionHandler(std::move(m_savedOnException));
    m_savedOnException = nullptr;
}

void TWebFileInfo::HandleException(QObject* sender, std::exception_ptr error) {
    std::optional<QString> message; // set for the HTTP client's own errors only
    try {
        std::rethrow_exception(error);
    } catch (const EHttpException& e) {
        message = e.message();
    } catch (...) {
    }
    if (!message) {
        if (m_savedOnException) {
            const Application::ExceptionHandler next = m_savedOnException;
            next(sender, error);
        }
        return;
    }
    m_lastError = *message;
    if (m_waitWindow) {
        m_waitWindow->finish(QDialog::Rejected);
        m_waitWindow = nullptr;
    }
    if (m_progressWindow) {
        m_progressWindow->finish(QDialog::Rejected);
        m_progressWindow = nullptr;
    }
    if (m_http) {
        m_http->ReceiveTarget = nullptr;
        m_http->OnDocData = {};
    }
    UnhookExceptions();
    warn(tr("Exception"), tr("Error retrieving update information.\rException: %1.").arg(*message));
}
