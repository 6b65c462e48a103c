#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QUrl;

// Opening addresses and files the way the desktop does. Failures come back as
// false; callers decide whether to beep.
namespace Shell {

// Opens a web page, "mailto:" address or document. At most 1023 characters of
// the address are used; an empty address does nothing and returns true.
bool open(const QString& address);

// Starts a downloaded program with parameters, in its own folder, detached
// from this process; a file that is not executable is opened instead (without
// the parameters). False when the file is missing or nothing could start it.
bool start(const QString& path, const QStringList& arguments);

// Tests replace what actually opens a URL; pass {} to restore the desktop's.
using UrlOpener = std::function<bool(const QUrl&)>;
void setUrlOpener(UrlOpener opener);
// Tests replace what actually starts a program; pass {} to restore the real one.
using ProgramStarter = std::function<bool(const QString& program, const QStringList& arguments)>;
void setProgramStarter(ProgramStarter starter);

} // namespace Shell
