// TWebFileInfo, its interactive part: read-me, download with its progress
// window, and Execute, the whole update as the user walks it.

#include "update/WebFileInfo.h"

#include "platform/ProductInfo.h"
#include "platform/Shell.h"
#include "update/DownloadTarget.h"
#include "update/UpdateWindows.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QScopeGuard>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <climits>

namespace {

const char* const kSaveFilter =
    QT_TRANSLATE_NOOP("TWebFileInfo", "Application (*.EXE);;Zipped File (*.ZIP);;All Files (*.*)");
// Slowest average a download may keep up (see DownloadFile).
constexpr int kMinDownloadRate = 1024;

QString versionsText(const TWebFileInfo& info) {
    return TWebFileInfo::tr("Current version is %1.\rVersion %2 is available.\r")
        .arg(info.CurrentVersion(), info.ProductVersion());
}

// "<first line>\rError unknown." or "<first line>\rError: "<reason>."".
QString withReason(const QString& firstLine, const QString& reason) {
    if (reason.isEmpty())
        return firstLine + TWebFileInfo::tr("\rError unknown.");
    return firstLine + TWebFileInfo::tr("\rError: \"%1.\"").arg(reason);
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

QString shownAddress(const QString& address) {
    return QUrl(address).toDisplayString(QUrl::RemoveUserInfo);
}

} // namespace

// A download is written to a file of our own beside `localPath`, which it
// replaces only once it has arrived whole: every byte the server announced
// and the page's size gives, and matching `sha256` when one is given. The
// body may not pass that size, or kMaxDownloadBytes when the page gives
// none. A failed or cancelled download leaves the chosen file and everything
// else in its folder as they were, and no partial file.
bool TWebFileInfo::DownloadFile(const QString& address, const QString& localPath,
                                const QString& caption, const QString& sha256,
                                qint64 declaredSize) {
    m_lastError.clear();
    requireIdleClient();
    if (const QString unusable = DownloadTarget::unusableReason(localPath); !unusable.isEmpty()) {
        m_lastError = tr("can't write ") + unusable;
        return false;
    }
    DownloadTarget target(localPath);
    if (!target.open()) {
        m_lastError = tr("can't write ") + target.errorString();
        return false;
    }
    const qint64 limit = declaredSize >= 0 ? declaredSize : kMaxDownloadBytes;
    m_http->ReceiveTarget = &target.file();
    m_http->OnDocData = [this](THttpCli*, const char*, int) { HttpDocData(); };
    m_http->setBodyLimit(limit);
    // A download may take long on a slow line, so it has no overall deadline.
    // Besides the idle time-out, it ends once a window of twice that time-out
    // (a minute by default) brought less than 1 KiB a second: a server that
    // drips bytes forever is given up on, a slow modem line still gets there.
    m_http->setDeadlineMs(-1);
    m_http->setMinimumRate(kMinDownloadRate, int(std::min<qint64>(2ll * m_timeoutMs, INT_MAX)));
    const auto release = qScopeGuard([this, &target] {
        m_progressWindow = nullptr;
        if (m_http) {
            m_http->OnDocData = {};
            if (m_http->ReceiveTarget == &target.file())
                m_http->ReceiveTarget = nullptr;
        }
    });
    m_http->URL = address;

    TWebDlProgress progress(caption, UIFont());
    progress.onCancel = [this] {
        if (m_http)
            m_http->CancelRequest();
    };
    m_progressWindow = &progress;
    // The request starts once the window is up, so that its first data finds
    // the event loop free to read it.
    QTimer::singleShot(0, &progress, [this] { m_http->StartGet(); });
    progress.exec();

    const QString where = shownAddress(address);
    bool ok = m_http->ResponseStatus() <= 200 && m_lastError.isEmpty();
    if (!ok && m_lastError.isEmpty())
        m_lastError = m_http->ResponseReason();
    if (target.file().error() != QFileDevice::NoError) {
        m_lastError = tr("can't write %1: %2")
                          .arg(QDir::toNativeSeparators(localPath), target.file().errorString());
        return false;
    }
    if (m_http->bodyOverLimit()) {
        m_lastError = declaredSize >= 0
                          ? tr("the download at %1 is larger than the %2 bytes the information "
                               "page gives")
                                .arg(where, UpdateInfo::FormatThousands(declaredSize))
                          : tr("the download at %1 is larger than %2 bytes, the most an update "
                               "may be")
                                .arg(where, UpdateInfo::FormatThousands(kMaxDownloadBytes));
        return false;
    }
    if (!ok)
        return false;
    const qint64 written = target.file().size();
    if (declaredSize >= 0 && written != declaredSize) {
        m_lastError = tr("the download at %1 has %2 bytes, not the %3 bytes the "
                         "information page gives")
                          .arg(where, UpdateInfo::FormatThousands(written),
                               UpdateInfo::FormatThousands(declaredSize));
        return false;
    }
    if (!sha256.isEmpty() && !matchesSha256(target.temporaryPath(), sha256)) {
        m_lastError = tr(
            "the download was damaged or altered on its way (its SHA-256 checksum does not match)");
        return false;
    }
    if (!target.commit()) {
        m_lastError = tr("can't write ") + target.errorString();
        return false;
    }
    return true;
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
        m_lastError = tr("the download address names no file");
        return false;
    }
    return DownloadFile(m_values.DownloadURL, m_localFileName, tr("Downloading Update"),
                        m_values.Sha256, UpdateInfo::DeclaredSize(m_values));
}

std::unique_ptr<QDialog> TWebFileInfo::CreateReadMeWindow(const QString& address) {
    auto wait = CreateWaitWindow(tr("Retrieving ReadMe..."));
    QByteArray text;
    fetchText(address, *wait, &text, textDeadline());
    if (m_http->bodyOverLimit()) {
        m_lastError = tr("it is larger than %1 bytes, the most a read-me may be")
                          .arg(UpdateInfo::FormatThousands(kMaxTextBytes));
        return nullptr;
    }
    if (m_http->ResponseStatus() > 200) {
        m_lastError = m_http->ResponseReason();
        return nullptr;
    }
    if (!m_lastError.isEmpty())
        return nullptr;
    const qsizetype nul = text.indexOf('\0');
    return createReadMeWindow(QString::fromUtf8(nul < 0 ? text : text.left(nul)), UIFont());
}

// The read-me is shown only as text in the program's own window, whichever
// value names it: a downloaded file is never handed to another program.
bool TWebFileInfo::ShowReadMe(bool askFirst) {
    if (!m_active && !GetInfo())
        return false;
    if (m_values.ProductReadMe.isEmpty() && m_values.ProductReadMeExt.isEmpty())
        return false;
    if (askFirst && !ask(tr("Update Available"),
                         versionsText(*this) + tr("Would you like to view the ReadMe file?")))
        return false;
    const QString address =
        m_values.ProductReadMe.isEmpty() ? m_values.ProductReadMeExt : m_values.ProductReadMe;
    if (std::unique_ptr<QDialog> window = CreateReadMeWindow(address)) {
        window->exec();
    } else {
        warn(tr("Read Me"),
             withReason(tr("The read-me at %1 could not be shown.").arg(shownAddress(address)),
                        m_lastError));
    }
    return true;
}

bool TWebFileInfo::Execute() {
    if (!GetInfo()) {
        warn(tr("Connection Error"),
             withReason(tr("Could not retrieve version information from the Internet."),
                        m_lastError));
        return false;
    }
    if (!IsNewerVersion()) {
        dialogs().messageBox(ownerWindow(), tr("No Update Found"),
                             tr("There is no update available."), DialogService::Icon::Information,
                             DialogService::Buttons::Ok);
        return false;
    }
    if (m_options.testFlag(wfioDisplayReadMe))
        ShowReadMe(true);
    if (!ask(tr("Update Available"), versionsText(*this) + tr("Download the update?")))
        return false;

    int filter = 0;
    QString chosen = dialogs().getSaveFileName(ownerWindow(), QString(), m_downloadFileName,
                                               tr(kSaveFilter), &filter);
    if (chosen.isEmpty())
        return false;
    if (!QFileInfo(chosen).fileName().contains(u'.')) {
        if (filter == 0)
            chosen += QStringLiteral(".EXE");
        else if (filter == 1)
            chosen += QStringLiteral(".ZIP");
    }
    if (!DownloadUpdate(chosen)) {
        warn(tr("Download Error"),
             withReason(tr("Error occurred while downloading update."), m_lastError));
        return false;
    }
    if (!m_options.testFlag(wfioRunUpdate))
        return true;

    const bool exits = m_options.testFlag(wfioExitDuringUpdate);
    QString question = tr("Do you want to install the update now?");
    if (exits)
        question += tr("\rThis will close %1.").arg(QLatin1String(ProductInfo::kTitle));
    if (!ask(tr("Install Update"), question))
        return true;
    if (!Shell::start(m_localFileName, QProcess::splitCommand(m_values.RunParams))) {
        warn(tr("Error"), tr("Can not start program."));
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
