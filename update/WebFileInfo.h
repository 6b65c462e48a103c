#pragma once

#include "platform/Application.h"
#include "update/HttpCli.h"
#include "update/UpdateInfo.h"

#include <QDeadlineTimer>
#include <QFlags>
#include <QFont>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

class QDialog;
class TWaitWindow;
class TWebDlProgress;

enum TWfiOption : unsigned {
    wfioAlwaysOverwrite = 1u << 0,
    wfioDisplayUI = 1u << 1,
    wfioDisplayReadMe = 1u << 2,
    wfioRunUpdate = 1u << 3,
    wfioExitDuringUpdate = 1u << 4,
};
Q_DECLARE_FLAGS(TWfiOptions, TWfiOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TWfiOptions)

// The update-information component: fetches the product's information page,
// holds its values and judges the published version (GetInfo), and carries
// out the interactive update (Execute: read-me, save dialog, download with
// progress, start of the new version). Every fetch waits in a modal window
// whose loop keeps the request going. While it has fetched, its error hook
// sits in front of the application's handler and takes the HTTP client's
// errors; the hook is removed when the component goes.
class TWebFileInfo : public QObject {
    Q_OBJECT
public:
    using DownloadProgressEvent =
        std::function<void(TWebFileInfo* sender, int received, int total)>;

    // Redirect values followed, one after the other, before a check gives up.
    static constexpr int kMaxPageRedirects = 10;
    // Pages and read-me texts are held in memory up to this size.
    static constexpr qint64 kMaxTextBytes = 4 * 1024 * 1024;
    // The largest download when the page gives no size of its own.
    static constexpr qint64 kMaxDownloadBytes = 1024ll * 1024 * 1024;

    explicit TWebFileInfo(QObject* owner = nullptr);
    ~TWebFileInfo() override;

    bool Active() const { return m_active; }
    void setActive(bool value);
    const QString& CurrentVersion() const { return m_currentVersion; }
    void setCurrentVersion(const QString& value) { m_currentVersion = value; }
    TWfiDateFormat DateFormat() const { return m_dateFormat; }
    void setDateFormat(TWfiDateFormat value) { m_dateFormat = value; }
    TWfiVersionFormat VersionFormat() const { return m_versionFormat; }
    void setVersionFormat(TWfiVersionFormat value) { m_versionFormat = value; }
    const QString& HomeURL() const { return m_homeURL; }
    // Accepts "http://" and "https://" addresses; anything else is ignored.
    void setHomeURL(const QString& value);
    TWfiTags& InfoTags() { return m_tags; }
    const QString& LastError() const { return m_lastError; }
    TWfiOptions Options() const { return m_options; }
    void setOptions(TWfiOptions value) { m_options = value | wfioDisplayUI; }
    const QString& ProxyHost() const { return m_proxyHost; }
    void setProxyHost(const QString& value) { m_proxyHost = value; }
    int ProxyPort() const { return m_proxyPort; }
    void setProxyPort(int value) { m_proxyPort = value; }
    QFont UIFont();
    void setUIFont(const QFont& font);
    bool UIOwnerFont() const { return m_uiOwnerFont; }
    void setUIOwnerFont(bool value) { m_uiOwnerFont = value; }
    DownloadProgressEvent OnDownloadProgress;

    const QString& DownloadURL() const { return m_values.DownloadURL; }
    const QString& ProductName() const { return m_values.ProductName; }
    const QString& ProductAuthor() const { return m_values.ProductAuthor; }
    const QString& ProductAuthorEMail() const { return m_values.ProductAuthorEMail; }
    double ProductDate() const { return m_productDate; }
    const QString& ProductDateStr() const { return m_values.ProductDateStr; }
    const QString& ProductReadMe() const { return m_values.ProductReadMe; }
    const QString& ProductReadMeExt() const { return m_values.ProductReadMeExt; }
    const QString& ProductVersion() const { return m_values.ProductVersion; }
    const QString& RunParams() const { return m_values.RunParams; }
    const QString& DownloadFileName() const { return m_downloadFileName; }
    const QString& LocalFileName() const { return m_localFileName; }

    bool GetInfo();
    bool IsNewerVersion() const;
    bool ShowReadMe(bool askFirst);
    bool DownloadUpdate(const QString& path);
    bool Execute();

    // Seams: the client (made by the first fetch), its name lookup and
    // time-out, and what ends the program after the update has started.
    THttpCli* httpClient() const { return m_http; }
    void setHostLookup(THttpCli::HostLookup lookup);
    void setTimeoutMs(int ms);
    void setTerminate(std::function<void()> terminate) { m_terminate = std::move(terminate); }
    bool hooked() const;

    void HandleException(QObject* sender, std::exception_ptr error);

private:
    struct Hook;
    void HookExceptions();
    void UnhookExceptions();
    // Makes the client on first use; throws "HTTP component is busy" while it
    // runs a request, before anything of that request is touched.
    void requireIdleClient();
    void RequestDone(THttpCli* sender, THttpRequest rqType, std::uint16_t error);
    std::unique_ptr<TWaitWindow> CreateWaitWindow(const QString& text);
    // Fetches `address` into memory under a waiting window; false on failure.
    // The text must have arrived whole by `deadline`.
    bool fetchText(const QString& address, TWaitWindow& wait, QByteArray* body,
                   const QDeadlineTimer& deadline);
    // Pages and read-me texts are small: one that has not arrived whole within
    // twice the idle time-out (a minute by default) never will, however
    // steadily the server drips it.
    QDeadlineTimer textDeadline() const { return QDeadlineTimer(2ll * m_timeoutMs); }
    bool DownloadFile(const QString& address, const QString& localPath, const QString& caption,
                      const QString& sha256, qint64 declaredSize);
    std::unique_ptr<QDialog> CreateReadMeWindow(const QString& address);
    void HttpDocData();
    void DoDownloadProgress(int received, int total);
    QWidget* ownerWindow() const;
    DialogService& dialogs() const;
    // A warning with "OK", and a question answered "Yes" or "No", over the owner window.
    void warn(const QString& caption, const QString& text) const;
    bool ask(const QString& caption, const QString& text) const;

    bool m_active = false;
    QString m_currentVersion;
    TWfiDateFormat m_dateFormat = TWfiDateFormat::wfidMonthDayYear;
    TWfiVersionFormat m_versionFormat = TWfiVersionFormat::wfivBuildNumber;
    QString m_homeURL;
    TWfiTags m_tags;
    QString m_lastError;
    TWfiOptions m_options =
        wfioDisplayUI | wfioDisplayReadMe | wfioRunUpdate | wfioExitDuringUpdate;
    QString m_proxyHost;
    int m_proxyPort = 80;
    QFont m_uiFont;
    bool m_uiOwnerFont = true;
    TWfiValues m_values;
    double m_productDate = 0;
    QString m_downloadFileName;
    QString m_localFileName;
    THttpCli* m_http = nullptr;
    THttpCli::HostLookup m_lookup;
    int m_timeoutMs = THttpCli::kDefaultTimeoutMs;
    QPointer<TWaitWindow> m_waitWindow;
    QPointer<TWebDlProgress> m_progressWindow;
    Application::ExceptionHandler m_savedOnException;
    std::function<void()> m_terminate;
};
