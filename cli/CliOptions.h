#pragma once

#include "calc/Schedule.h"

#include <QString>
#include <QStringList>
#include <optional>

// What the command line asks for. Parsing never touches the environment: the
// locale stays a name until the runner resolves it.
struct CliOptions {
    enum class Format { Text, Csv, Json };

    bool help = false;
    ScheduleInputs inputs;
    std::optional<QString> locale;
    Format format = Format::Text;
};

// Parses the arguments after the program name. On bad input returns nullopt and
// sets `error` to one line naming the problem and the accepted values.
std::optional<CliOptions> parseCliArguments(const QStringList& arguments, QString& error);

// The --help text, one option a line.
QString cliUsage();
