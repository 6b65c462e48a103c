#include "platform/Shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace {

// An address longer than this is cut, as the shell's buffer would.
constexpr qsizetype kMaxAddress = 1023;

Shell::UrlOpener& urlOpener() {
    static Shell::UrlOpener opener;
    return opener;
}

Shell::ProgramStarter& programStarter() {
    static Shell::ProgramStarter starter;
    return starter;
}

bool openUrl(const QUrl& url) {
    if (!url.isValid())
        return false;
    if (const auto& opener = urlOpener())
        return opener(url);
    return QDesktopServices::openUrl(url);
}

} // namespace

bool Shell::open(const QString& address) {
    if (address.isEmpty())
        return true;
    return openUrl(QUrl::fromUserInput(address.left(kMaxAddress)));
}

bool Shell::start(const QString& path, const QStringList& arguments) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return false;
    if (!info.isFile() || !info.isExecutable())
        return openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
    if (const auto& starter = programStarter())
        return starter(info.absoluteFilePath(), arguments);
    return QProcess::startDetached(info.absoluteFilePath(), arguments, info.absolutePath());
}

void Shell::setUrlOpener(UrlOpener opener) {
    urlOpener() = std::move(opener);
}

void Shell::setProgramStarter(ProgramStarter starter) {
    programStarter() = std::move(starter);
}
