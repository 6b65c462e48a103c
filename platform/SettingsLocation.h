#pragma once

#include <QString>
#include <functional>

// Where the settings file "tlmr.ini" lives. A copy of the program in a folder
// the user may write to (a portable copy, the build tree) keeps the file beside
// itself. A system-wide install, or a copy in a folder the user may not write
// to, keeps it in the user's configuration folder instead, in the same format.
namespace SettingsLocation {

inline constexpr char kFileName[] = "tlmr.ini";

// Whether files can be created and replaced in a folder.
using WritableCheck = std::function<bool(const QString& dir)>;

struct Places {
    QString programDir;    // the program file's folder
    QString userConfigDir; // the user's configuration folder for this program
    // The folder an install puts the program in: a full path, or one relative
    // to any install prefix ("libexec/tallowmere" matches /usr/libexec/tallowmere
    // and ~/.local/libexec/tallowmere alike).
    QString installedProgramDir;
};

// The settings file's full path for the given places. It writes nothing and
// asks about writability only through `isWritable`; folder names are compared
// with symbolic links resolved. An empty configuration folder (no home folder)
// leaves the file beside the program.
QString choose(const Places& places, const WritableCheck& isWritable);

// The real check: an existing folder the current user may write to (access(2),
// which a read-only mount refuses even to the superuser).
bool isWritableDirectory(const QString& dir);

// The settings file of this process: its own program folder, the user's
// QStandardPaths::AppConfigLocation and the install folder built in. Creates
// the configuration folder when that is where the file goes.
QString settingsFilePath(const QString& programDir);

} // namespace SettingsLocation
