#include "cli/ScheduleCommand.h"

#include "calc/ArithmeticError.h"
#include "cli/CliCommand.h"
#include "cli/CliCommandLine.h"
#include "cli/ScheduleWriters.h"

#include <QCoreApplication>

namespace {

const QString kFormat = QStringLiteral("format");

void addScheduleOptions(CliCommandLine& commandLine) {
    addScheduleInputOptions(commandLine);
    addLocaleOption(commandLine);
    addFormatOption(commandLine);
}

} // namespace

void addFormatOption(CliCommandLine& commandLine) {
    commandLine.addValueOption(
        kFormat, QStringLiteral("FORMAT"),
        QCoreApplication::translate(
            "Cli", "text (aligned table, default), csv (RFC 4180, a record per cell) or json"));
}

QString readFormat(const CliCommandLine& commandLine, ScheduleOptions::Format& format) {
    for (const QString& value : commandLine.values(kFormat)) {
        if (value == QLatin1String("text"))
            format = ScheduleOptions::Format::Text;
        else if (value == QLatin1String("csv"))
            format = ScheduleOptions::Format::Csv;
        else if (value == QLatin1String("json"))
            format = ScheduleOptions::Format::Json;
        else
            return QCoreApplication::translate(
                       "Cli", "--format: %1 is not a format; expected one of text, csv, json")
                .arg(quotedValue(value));
    }
    return {};
}

QString readCalculationOptions(const CliCommandLine& commandLine, ScheduleOptions& options) {
    QString error = readScheduleInputs(commandLine, options.inputs);
    if (error.isEmpty())
        error = readLocale(commandLine, options.locale);
    return error;
}

std::optional<ScheduleOptions> parseScheduleArguments(const QStringList& arguments,
                                                      QString& error) {
    CliCommandLine commandLine;
    addScheduleOptions(commandLine);
    if (!commandLine.parse(arguments, error))
        return std::nullopt;
    ScheduleOptions options;
    if (commandLine.helpRequested()) {
        options.help = true;
        return options;
    }
    error = readCalculationOptions(commandLine, options);
    if (error.isEmpty())
        error = readFormat(commandLine, options.format);
    if (!error.isEmpty())
        return std::nullopt;
    return options;
}

int runScheduleCommand(const QStringList& arguments, QByteArray& out, QByteArray& err) {
    QString error;
    const auto options = parseScheduleArguments(arguments, error);
    if (!options)
        return cliFailure(err, error);
    if (options->help) {
        out += scheduleUsage().toUtf8();
        return kCliExitSuccess;
    }

    const RegionalSettings regional = regionalSettingsFor(options->locale);
    ScheduleSnapshot snapshot = cleanSchedule();
    try {
        computeSchedule(options->inputs, regional, snapshot);
    } catch (const ArithmeticError&) {
        return cliIncalculable(err);
    }

    switch (options->format) {
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
    return kCliExitSuccess;
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
