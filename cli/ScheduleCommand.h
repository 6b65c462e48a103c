#pragma once

#include "calc/Schedule.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// `tallowmere-cli schedule`: the savings/rate grid as text, CSV or JSON.

// What the schedule command line asks for. Parsing never touches the
// environment: the locale stays a name until the command resolves it.
struct ScheduleOptions {
    enum class Format { Text, Csv, Json };

    ScheduleInputs inputs;
    std::optional<QString> locale;
    Format format = Format::Text;
};

class CliCommandLine;

// The schedule's inputs, --locale and --format text|csv|json: the options of
// every command that prints what it calculates.
void addScheduleOptions(CliCommandLine& commandLine);
// Reads the schedule's inputs, the locale and --format; a bad value throws a
// CliFailure.
ScheduleOptions readScheduleOptions(const CliCommandLine& commandLine);

// Parses the arguments after "schedule" (--help is not looked at). On bad
// input returns nullopt and sets `error` to one line naming the problem and
// the accepted values.
std::optional<ScheduleOptions> parseScheduleArguments(const QStringList& arguments, QString& error);

// Runs the command on the arguments after "schedule"; see CliCommand.
void runScheduleCommand(const QStringList& arguments, QByteArray& out);

// The command's --help text.
QString scheduleUsage();
