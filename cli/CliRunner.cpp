#include "cli/CliRunner.h"

#include "cli/CliOptions.h"
#include "cli/GoalCommand.h"
#include "cli/GrowthCommand.h"
#include "cli/ReportCommand.h"
#include "cli/ScheduleCommand.h"

#include <algorithm>
#include <iterator>

namespace {

// The subcommands, one line each.
constexpr CliCommand kCommands[] = {
    {"schedule", runScheduleCommand, scheduleUsage},
    {"growth", runGrowthCommand, growthUsage},
    {"report", runReportCommand, reportUsage},
    {"goal", runGoalCommand, goalUsage},
};

QString commandNames() {
    QStringList names;
    for (const CliCommand& command : kCommands)
        names << QString::fromLatin1(command.name);
    return names.join(QStringLiteral(", "));
}

} // namespace

int cliFailure(QByteArray& err, const QString& line, int status) {
    err += "tallowmere-cli: " + line.toUtf8() + '\n';
    return status;
}

QString cliUsage() {
    QStringList usages;
    for (const CliCommand& command : kCommands)
        usages << command.usage();
    return usages.join(u'\n');
}

int runCli(const QStringList& arguments, QByteArray& out, QByteArray& err) {
    if (arguments.isEmpty())
        return cliFailure(
            err, QStringLiteral("missing command; expected: %1 (or --help)").arg(commandNames()));
    const QString& name = arguments.front();
    if (name == QLatin1String("--help") || name == QLatin1String("-h") ||
        name == QLatin1String("help")) {
        out += cliUsage().toUtf8();
        return kCliExitSuccess;
    }
    const auto command =
        std::find_if(std::begin(kCommands), std::end(kCommands),
                     [&](const CliCommand& c) { return name == QLatin1String(c.name); });
    if (command == std::end(kCommands))
        return cliFailure(err, QStringLiteral("unknown command %1; expected: %2 (or --help)")
                                   .arg(quotedValue(name), commandNames()));
    return command->run(arguments.mid(1), out, err);
}
