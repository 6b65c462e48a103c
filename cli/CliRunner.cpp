#include "cli/CliRunner.h"

#include "calc/ArithmeticError.h"
#include "cli/CliOptions.h"
#include "cli/ReportCommand.h"
#include "cli/ScheduleWriters.h"

namespace {

constexpr int kExitArithmetic = 1;
constexpr int kExitBadInput = 2;

} // namespace

int runCli(const QStringList& arguments, QByteArray& out, QByteArray& err) {
    if (isReportCommand(arguments))
        return runReportCommand(arguments, out, err);
    QString error;
    const auto options = parseCliArguments(arguments, error);
    if (!options) {
        err += "tallowmere-cli: " + error.toUtf8() + '\n';
        return kExitBadInput;
    }
    if (options->help) {
        out += cliUsage().toUtf8();
        return 0;
    }

    const RegionalSettings regional = options->locale
                                          ? RegionalSettings::fromLocale(QLocale(*options->locale))
                                          : RegionalSettings::system();
    ScheduleSnapshot snapshot = cleanSchedule();
    try {
        computeSchedule(options->inputs, regional, snapshot);
    } catch (const ArithmeticError&) {
        err += "tallowmere-cli: Valid results cannot be calculated using the variables you have "
               "entered.\n";
        return kExitArithmetic;
    }

    switch (options->format) {
    case CliOptions::Format::Text:
        out += scheduleAsText(snapshot).toUtf8();
        break;
    case CliOptions::Format::Csv:
        out += scheduleAsCsv(snapshot).toUtf8();
        break;
    case CliOptions::Format::Json:
        out += scheduleAsJson(snapshot, regional);
        break;
    }
    return 0;
}
