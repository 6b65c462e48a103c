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

// Starts a downloaded program with parameters (opens it when it is not executable).
bool start(const QString& path, const QStringList& arguments);

// Tests replace what actually opens a URL; pass {} to restore the desktop's.
using UrlOpener = std::function<bool(const QUrl&)>;
void setUrlOpener(UrlOpener opener);

} // namespace Shell
