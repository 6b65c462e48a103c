#include "cli/ScheduleCommand.h"

#include "cli/CliCommand.h"
#include "cli/CliCommandLine.h"
#include "cli/ScheduleWriters.h"

#include <QCoreApplication>

namespace {

const QString kFormat = QStringLiteral("format");

} // namespace

void addScheduleOptions(CliCommandLine& commandLine) {
    addScheduleInputOptions(commandLine);
    addLocaleOption(commandLine);
    commandLine.addValueOption(
        kFormat, QStringLiteral("FORMAT"),
        QCoreApplication::translate(
            "Cli", "text (aligned table, default), csv (RFC 4180, a record per cell) or json"));
}

ScheduleOptions readScheduleOptions(const CliCommandLine& commandLine) {
    ScheduleOptions options;
    readScheduleInputs(commandLine, options.inputs);
    readLocale(commandLine, options.locale);
    for (const QString& value : commandLine.values(kFormat)) {
        if (value == QLatin1String("text"))
            options.format = ScheduleOptions::Format::Text;
        else if (value == QLatin1String("csv"))
            options.format = ScheduleOptions::Format::Csv;
        else if (value == QLatin1String("json"))
            options.format = ScheduleOptions::Format::Json;
        else
            throw CliFailure{
                QCoreApplication::translate(
                    "Cli", "--format: %1 is not a format; expected one of text, csv, json")
                    .arg(quotedValue(value))};
    }
    return options;
}

std::optional<ScheduleOptions> parseScheduleArguments(const QStringList& arguments,
                                                      QString& error) {
    CliCommandLine commandLine;
    addScheduleOptions(commandLine);
    try {
        commandLine.parse(arguments);
        return readScheduleOptions(commandLine);
    } catch (const CliFailure& failure) {
        error = failure.line;
        return std::nullopt;
    }
}

void runScheduleCommand(const QStringList& arguments, QByteArray& out) {
    CliCommandLine commandLine;
    addScheduleOptions(commandLine);
    if (helpAnswered(commandLine, arguments, scheduleUsage, out))
        return;
    const ScheduleOptions options = readScheduleOptions(commandLine);
    const RegionalSettings regional = regionalSettingsFor(options.locale);
    ScheduleSnapshot snapshot = cleanSchedule();
    computeSchedule(options.inputs, regional, snapshot);
    switch (options.format) {
    case ScheduleOptions::Format::Text:
        out += scheduleAsText(snapshot).toUtf8();
        break;
    case ScheduleOptions::Format::Csv:
        out += scheduleAsCsv(snapshot, regional).toUtf8();
        break;
    case ScheduleOptions::Format::Json:
        out += scheduleAsJson(snapshot, regional);
        break;
    }
}

QString scheduleUsage() {
    CliCommandLine commandLine;
    addScheduleOptions(commandLine);
    return QCoreApplication::translate(
               "Cli",
               "Usage: tallowmere-cli schedule [options]\n"
               "\n"
               "Prints the savings/rate schedule: %1 monthly savings amounts by %2 interest\n"
               "rates, each cell the future value of the balance plus that saving over the\n"
               "term.\n"
               "\n"
               "Options:\n")
               .arg(kGridRows - 1)
               .arg(kGridColumns - 1) +
           commandLine.optionsUsage() +
           QCoreApplication::translate(
               "Cli",
               "\n"
               "Numbers use '.' as the decimal point; years are whole numbers. Options also\n"
               "accept the form --name=value.\n"
               "\n"
               "Exit status: 0 success, 1 the values cannot be calculated, 2 bad input,\n"
               "3 the output could not be written.\n");
}
