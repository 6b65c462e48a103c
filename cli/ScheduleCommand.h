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

    bool help = false;
    ScheduleInputs inputs;
    std::optional<QString> locale;
    Format format = Format::Text;
};

class CliCommandLine;

// --format text|csv|json, shared by the commands that print a table.
void addFormatOption(CliCommandLine& commandLine);
// Reads --format into `format`; returns an error line, or an empty text.
QString readFormat(const CliCommandLine& commandLine, ScheduleOptions::Format& format);

// Reads the schedule's inputs and the locale into `options`; returns an error
// line, or an empty text.
QString readCalculationOptions(const CliCommandLine& commandLine, ScheduleOptions& options);

// Parses the arguments after "schedule". On bad input returns nullopt and sets
// `error` to one line naming the problem and the accepted values.
std::optional<ScheduleOptions> parseScheduleArguments(const QStringList& arguments, QString& error);

// Runs the command on the arguments after "schedule"; see CliCommand.
int runScheduleCommand(const QStringList& arguments, QByteArray& out, QByteArray& err);

// The command's --help text.
QString scheduleUsage();
