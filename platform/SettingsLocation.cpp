#include "platform/SettingsLocation.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

#ifndef TLMR_INSTALLED_PROGRAM_DIR
#define TLMR_INSTALLED_PROGRAM_DIR ""
#endif

namespace SettingsLocation {
namespace {

// The same folder however it is written (trailing separator, "..", symbolic links).
QString normalised(const QString& dir) {
    const QString canonical = QFileInfo(dir).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(dir) : canonical;
}

QString inFolder(const QString& dir) {
    return QDir::cleanPath(dir) + u'/' + QLatin1String(kFileName);
}

bool isInstallFolder(const QString& programDir, const QString& installDir) {
    if (installDir.isEmpty())
        return false;
    const QString dir = normalised(programDir);
    if (QDir::isAbsolutePath(installDir))
        return dir == normalised(installDir);
    return dir.endsWith(u'/' + QDir::cleanPath(installDir));
}

} // namespace

QString choose(const Places& places, const WritableCheck& isWritable) {
    if (places.userConfigDir.isEmpty())
        return inFolder(places.programDir);
    if (!isInstallFolder(places.programDir, places.installedProgramDir) &&
        isWritable(places.programDir))
        return inFolder(places.programDir);
    return inFolder(places.userConfigDir);
}

bool isWritableDirectory(const QString& dir) {
    const QFileInfo info(dir);
    return info.isDir() &&
           ::access(QFile::encodeName(info.absoluteFilePath()).constData(), W_OK | X_OK) == 0;
}

QString settingsFilePath(const QString& programDir) {
    const Places places{programDir,
                        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation),
                        QString::fromUtf8(TLMR_INSTALLED_PROGRAM_DIR)};
    const QString path = choose(places, isWritableDirectory);
    // The file is written by replacing it, which needs its folder to exist.
    QDir().mkpath(QFileInfo(path).absolutePath());
    return path;
}

} // namespace SettingsLocation
