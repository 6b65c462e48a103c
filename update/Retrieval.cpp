// The interactive part of the update component: read-me, download with its
// progress window, and Execute, the whole update as the user walks it.

#include "update/WUpdate.h"

#include "platform/ProductInfo.h"
#include "platform/Shell.h"
#include "update/UpdateWindows.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QScopeGuard>
#include <QUrl>
#include <algorithm>
#include <climits>
#include <filesystem>
#include <system_error>

namespace {

constexpr char kSaveFilter[] = "Application (*.EXE);;Zipped File (*.ZIP);;All Files (*.*)";
// Slowest average a download may keep up (see DownloadFile).
constexpr int kMinDownloadRate = 1024;

QString versionsText(const TWebFileInfo& info) {
    return QStringLiteral("Current version is %1.\rVersion %2 is available.\r")
        .arg(info.CurrentVersion(), info.ProductVersion());
}

// "<first line>\rError unknown." or "<first line>\rError: "<reason>."".
QString withReason(const QString& firstLine, const QString& reason) {
    if (reason.isEmpty())
        return firstLine + QStringLiteral("\rError unknown.");
    return firstLine + QStringLiteral("\rError: \"%1.\"").arg(reason);
}

bool matchesSha256(const QString& path, const QString& expected) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return false;
    return QString::fromLatin1(hash.result().toHex()) == expected.trimmed().toLower();
}

} // namespace

// The local file cannot be made; reaches the application's error handler.
class EFCreateError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A download goes into "<path>.part" and replaces `localPath` only once it has
// arrived whole (and matches `sha256` when one is given). A failed or cancelled
// download leaves the chosen file as it was and what arrived as the part,
// unless writing it failed: then the part is removed (it is incomplete, and
// on a full disk it holds the space that is missing).
bool TWebFileInfo::DownloadFile(const QString& address, const QString& localPath,
                                const QString& caption, const QString& sha256) {
    m_lastError.clear();
    requireIdleClient();
    const QString partPath = localPath + QStringLiteral(".part");
    QFile file(partPath);
    // A new file, never one that exists (nor a link planted in its place).
    QFile::remove(partPath);
    // Unbuffered: every piece reaches the system at once, so a full disk is
    // met by the write that fills it and reported with the system's reason.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        throw EFCreateError(QStringLiteral("Cannot create file \"%1\". %2")
                                .arg(QDir::toNativeSeparators(partPath), file.errorString())
                                .toStdString());
    m_http->ReceiveTarget = &file;
    m_http->OnDocData = [this](THttpCli*, const char*, int) { HttpDocData(); };
    m_http->setBodyLimit(-1);
    // A download may take long on a slow line, so it has no overall deadline.
    // Besides the idle time-out, it ends once a window of twice that time-out
    // (a minute by default) brought less than 1 KiB a second: a server that
    // drips bytes forever is given up on, a slow modem line still gets there.
    m_http->setDeadlineMs(-1);
    m_http->setMinimumRate(kMinDownloadRate, int(std::min<qint64>(2ll * m_timeoutMs, INT_MAX)));
    const auto release = qScopeGuard([this, &file] {
        m_progressWindow = nullptr;
        if (m_http) {
            m_http->OnDocData = {};
            if (m_http->ReceiveTarget == &file)
                m_http->ReceiveTarget = nullptr;
        }
    });
    m_http->URL = address;
    m_http->StartGet();

    TWebDlProgress progress(UIFont());
    progress.lblDownloading->setText(caption);
    progress.onCancel = [this] {
        if (m_http)
            m_http->CancelRequest();
    };
    m_progressWindow = &progress;
    progress.exec();

    bool ok = m_http->ResponseStatus() <= 200 && m_lastError.isEmpty();
    if (!ok && m_lastError.isEmpty())
        m_lastError = m_http->ResponseReason();
    // Closing clears an earlier write error when the close itself succeeds.
    bool writeFailed = file.error() != QFileDevice::NoError;
    QString writeError = file.errorString();
    file.close();
    if (!writeFailed && file.error() != QFileDevice::NoError) {
        writeFailed = true;
        writeError = file.errorString();
    }
    if (writeFailed) {
        QFile::remove(partPath);
        if (ok || m_lastError.isEmpty())
            m_lastError = QStringLiteral("can't write the received data: %1").arg(writeError);
        return false;
    }
    if (ok && !sha256.isEmpty() && !matchesSha256(partPath, sha256)) {
        QFile::remove(partPath);
        m_lastError = QStringLiteral(
            "the download was damaged or altered on its way (its SHA-256 checksum does not match)");
        return false;
    }
    if (ok) {
        std::error_code error;
        std::filesystem::rename(QFile::encodeName(partPath).constData(),
                                QFile::encodeName(localPath).constData(), error);
        if (error) {
            m_lastError = QStringLiteral("can't replace %1: %2")
                              .arg(QDir::toNativeSeparators(localPath),
                                   QString::fromLocal8Bit(error.message().c_str()));
            return false;
        }
    }
    return ok;
}

void TWebFileInfo::HttpDocData() {
    DoDownloadProgress(m_http->ReceivedCount(), m_http->AnnouncedLength());
}

void TWebFileInfo::DoDownloadProgress(int received, int total) {
    if (m_progressWindow)
        m_progressWindow->showProgress(received, total);
    if (OnDownloadProgress) {
        const DownloadProgressEvent handler = OnDownloadProgress;
        handler(this, received, total);
    }
}

bool TWebFileInfo::DownloadUpdate(const QString& path) {
    if (!m_active && !GetInfo())
        return false;
    m_localFileName =
        path.endsWith(u'/') || path.endsWith(u'\\') ? path + m_downloadFileName : path;
    if (QFileInfo(m_localFileName).fileName().isEmpty()) {
        m_lastError = QStringLiteral("the download address names no file");
        return false;
    }
    return DownloadFile(m_values.DownloadURL, m_localFileName, QStringLiteral("Downloading Update"),
                        m_values.Sha256);
}

std::unique_ptr<QDialog> TWebFileInfo::CreateReadMeWindow() {
    auto wait = CreateWaitWindow(QStringLiteral("Retrieving ReadMe..."));
    QByteArray text;
    fetchText(m_values.ProductReadMe, *wait, &text, textDeadline());
    if (m_http->ResponseStatus() > 200) {
        m_lastError = m_http->ResponseReason();
        return nullptr;
    }
    if (!m_lastError.isEmpty())
        return nullptr;
    const qsizetype nul = text.indexOf('\0');
    return createReadMeWindow(QString::fromUtf8(nul < 0 ? text : text.left(nul)), UIFont());
}

bool TWebFileInfo::ShowReadMe(bool ask) {
    if (!m_active && !GetInfo())
        return false;
    if (m_values.ProductReadMe.isEmpty() && m_values.ProductReadMeExt.isEmpty())
        return false;
    if (ask &&
        dialogs().messageBox(ownerWindow(), QStringLiteral("Update Available"),
                             versionsText(*this) + QStringLiteral("Would you like to view the "
                                                                  "ReadMe file?"),
                             DialogService::Icon::Question,
                             DialogService::Buttons::YesNo) != DialogService::Answer::Yes)
        return false;
    if (!m_values.ProductReadMeExt.isEmpty()) {
        QString name = UpdateInfo::FileNameFromAddress(m_values.ProductReadMeExt);
        if (name.isEmpty())
            name = QStringLiteral("ReadMe.txt");
        const QString path = QDir::tempPath() + u'/' + name;
        if (DownloadFile(m_values.ProductReadMeExt, path, QStringLiteral("Downloading ReadMe")) &&
            Shell::open(QUrl::fromLocalFile(path).toString()))
            return true;
        dialogs().messageBox(ownerWindow(), QStringLiteral("Error"),
                             QStringLiteral("Can not start program."), DialogService::Icon::Warning,
                             DialogService::Buttons::Ok);
    }
    if (!m_values.ProductReadMe.isEmpty()) {
        if (std::unique_ptr<QDialog> window = CreateReadMeWindow())
            window->exec();
    }
    return true;
}

bool TWebFileInfo::Execute() {
    const auto warn = [this](const QString& caption, const QString& text) {
        dialogs().messageBox(ownerWindow(), caption, text, DialogService::Icon::Warning,
                             DialogService::Buttons::Ok);
    };
    const auto ask = [this](const QString& caption, const QString& text) {
        return dialogs().messageBox(ownerWindow(), caption, text, DialogService::Icon::Question,
                                    DialogService::Buttons::YesNo) == DialogService::Answer::Yes;
    };

    if (!GetInfo()) {
        warn(QStringLiteral("Connection Error"),
             withReason(QStringLiteral("Could not retrieve version information from the Internet."),
                        m_lastError));
        return false;
    }
    if (!IsNewerVersion()) {
        dialogs().messageBox(ownerWindow(), QStringLiteral("No Update Found"),
                             QStringLiteral("There is no update available."),
                             DialogService::Icon::Information, DialogService::Buttons::Ok);
        return false;
    }
    if (m_options.testFlag(wfioDisplayReadMe))
        ShowReadMe(true);
    if (!ask(QStringLiteral("Update Available"),
             versionsText(*this) + QStringLiteral("Download the update?")))
        return false;

    int filter = 0;
    QString chosen = dialogs().getSaveFileName(ownerWindow(), QString(), m_downloadFileName,
                                               QLatin1String(kSaveFilter), &filter);
    if (chosen.isEmpty())
        return false;
    if (!QFileInfo(chosen).fileName().contains(u'.')) {
        if (filter == 0)
            chosen += QStringLiteral(".EXE");
        else if (filter == 1)
            chosen += QStringLiteral(".ZIP");
    }
    if (!DownloadUpdate(chosen)) {
        warn(QStringLiteral("Download Error"),
             withReason(QStringLiteral("Error occurred while downloading update."), m_lastError));
        return false;
    }
    if (!m_options.testFlag(wfioRunUpdate))
        return true;

    const bool exits = m_options.testFlag(wfioExitDuringUpdate);
    QString question = QStringLiteral("Do you want to install the update now?");
    if (exits)
        question += QStringLiteral("\rThis will close %1.").arg(QLatin1String(ProductInfo::kTitle));
    if (!ask(QStringLiteral("Install Update"), question))
        return true;
    if (!Shell::start(m_localFileName, QProcess::splitCommand(m_values.RunParams))) {
        warn(QStringLiteral("Error"), QStringLiteral("Can not start program."));
        return true;
    }
    if (exits) {
        // Ends the program from its event loop, without the main window's
        // closing steps (the inputs of this run are not saved).
        if (m_terminate)
            m_terminate();
        else
            QCoreApplication::exit(0);
    }
    return true;
}
