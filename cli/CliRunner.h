#pragma once

#include <QByteArray>
#include <QStringList>

// Runs the command line (the arguments after the program name) and returns the
// exit status: 0 success, 1 the values cannot be calculated, 2 bad input.
// `out` and `err` receive UTF-8 text for standard output and standard error.
int runCli(const QStringList& arguments, QByteArray& out, QByteArray& err);

// The exit status when standard output cannot take the text (a full disk, a
// closed file).
inline constexpr int kCliExitOutputFailed = 3;
