#pragma once

#include "cli/CliCommand.h"

#include <QByteArray>
#include <QStringList>

// Runs the command line (the arguments after the program name): the first
// argument names the subcommand, the rest are its own. Returns the exit status
// (see CliCommand.h); `out` and `err` receive UTF-8 text for standard output
// and standard error.
int runCli(const QStringList& arguments, QByteArray& out, QByteArray& err);

// The --help text: the overview, a line per subcommand.
QString cliUsage();

// The --version line.
QString cliVersion();
