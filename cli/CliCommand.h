#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

class CliCommandLine;

// The exit statuses every subcommand shares.
inline constexpr int kCliExitSuccess = 0;
inline constexpr int kCliExitArithmetic = 1; // the values cannot be calculated
inline constexpr int kCliExitBadInput = 2;
inline constexpr int kCliExitOutputFailed = 3; // standard output cannot take the text
inline constexpr int kCliExitUnreachable = 4;  // no value reaches the goal (goal command)

// One subcommand of tallowmere-cli: `run` gets the arguments after the
// subcommand's name and returns the exit status; `out` and `err` receive UTF-8
// text for standard output and standard error. `summary` is its line in the
// overview, `usage` its own --help text.
struct CliCommand {
    const char* name;
    const char* summary;
    int (*run)(const QStringList& arguments, QByteArray& out, QByteArray& err);
    QString (*usage)();
};

// Appends "tallowmere-cli: <line>" to `err` and returns `status`.
int cliFailure(QByteArray& err, const QString& line, int status = kCliExitBadInput);

// Appends the message for values that cannot be calculated; returns its status.
int cliIncalculable(QByteArray& err);

// Parses a command's arguments. When that ends the command (a bad option, said
// on `err`, or --help, answered with `usage` on `out`) returns the exit status;
// otherwise nothing, and the command goes on.
std::optional<int> parseCommandLine(CliCommandLine& commandLine, const QStringList& arguments,
                                    QString (*usage)(), QByteArray& out, QByteArray& err);
