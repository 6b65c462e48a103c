#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class CliCommandLine;

// The exit statuses every subcommand shares.
inline constexpr int kCliExitSuccess = 0;
inline constexpr int kCliExitArithmetic = 1; // the values cannot be calculated
inline constexpr int kCliExitBadInput = 2;
inline constexpr int kCliExitOutputFailed = 3; // standard output cannot take the text
inline constexpr int kCliExitUnreachable = 4;  // no value reaches the goal (goal command)

// Ends a command: `line` goes to standard error after "tallowmere-cli: " and
// the program exits with `status`. Thrown by the option readers and the
// commands; an ArithmeticError ends a command the same way, with status 1.
struct CliFailure {
    QString line;
    int status = kCliExitBadInput;
};

// One subcommand of tallowmere-cli: `run` gets the arguments after the
// subcommand's name and appends UTF-8 text for standard output to `out`; it
// ends with a CliFailure when it cannot. `summary` is its line in the
// overview, `usage` its own --help text.
struct CliCommand {
    const char* name;
    const char* summary;
    void (*run)(const QStringList& arguments, QByteArray& out);
    QString (*usage)();
};

// Parses a command's arguments (bad input ends the command). Returns true when
// they ask for --help, which is then answered with `usage` on `out`.
bool helpAnswered(CliCommandLine& commandLine, const QStringList& arguments, QString (*usage)(),
                  QByteArray& out);
