#include "cli/CliRunner.h"

#include "calc/ArithmeticError.h"
#include "cli/CliCommandLine.h"
#include "cli/GoalCommand.h"
#include "cli/GrowthCommand.h"
#include "cli/ReportCommand.h"
#include "cli/ScheduleCommand.h"
#include "platform/ProductInfo.h"

#include <QCoreApplication>
#include <algorithm>
#include <iterator>

namespace {

// The subcommands, one line each.
constexpr CliCommand kCommands[] = {
    {"schedule", QT_TRANSLATE_NOOP("Cli", "the savings/rate schedule as text, CSV or JSON"),
     runScheduleCommand, scheduleUsage},
    {"growth", QT_TRANSLATE_NOOP("Cli", "one cell of the schedule year by year"), runGrowthCommand,
     growthUsage},
    {"report", QT_TRANSLATE_NOOP("Cli", "the printed schedule as a PDF file"), runReportCommand,
     reportUsage},
    {"goal",
     QT_TRANSLATE_NOOP("Cli", "the savings, balance, term or rate that reaches a future value"),
     runGoalCommand, goalUsage},
};

const CliCommand* findCommand(const QString& name) {
    const auto command =
        std::find_if(std::begin(kCommands), std::end(kCommands),
                     [&](const CliCommand& c) { return name == QLatin1String(c.name); });
    return command == std::end(kCommands) ? nullptr : command;
}

bool isHelp(const QString& argument) {
    return argument == QLatin1String("--help") || argument == QLatin1String("-h") ||
           argument == QLatin1String("help");
}

QString commandNames() {
    QStringList names;
    for (const CliCommand& command : kCommands)
        names << QString::fromLatin1(command.name);
    return names.join(QStringLiteral(", "));
}

void runCommandLine(const QStringList& arguments, QByteArray& out) {
    if (arguments.isEmpty())
        throw CliFailure{
            QCoreApplication::translate("Cli", "missing command; expected: %1 (or --help)")
                .arg(commandNames())};
    const QString& name = arguments.front();
    if (name == QLatin1String("--version") || name == QLatin1String("-V")) {
        out += cliVersion().toUtf8();
        return;
    }
    if (isHelp(name)) {
        // "help COMMAND" is that command's own help.
        const CliCommand* command = arguments.size() > 1 ? findCommand(arguments[1]) : nullptr;
        if (arguments.size() > 1 && !command)
            throw CliFailure{QCoreApplication::translate("Cli", "unknown command %1; expected: %2")
                                 .arg(quotedValue(arguments[1]), commandNames())};
        out += (command ? command->usage() : cliUsage()).toUtf8();
        return;
    }
    const CliCommand* command = findCommand(name);
    if (!command)
        throw CliFailure{
            QCoreApplication::translate("Cli", "unknown command %1; expected: %2 (or --help)")
                .arg(quotedValue(name), commandNames())};
    command->run(arguments.mid(1), out);
}

} // namespace

bool helpAnswered(CliCommandLine& commandLine, const QStringList& arguments, QString (*usage)(),
                  QByteArray& out) {
    commandLine.parse(arguments);
    if (commandLine.helpRequested())
        out += usage().toUtf8();
    return commandLine.helpRequested();
}

QString cliUsage() {
    QString out = QCoreApplication::translate(
        "Cli", "Usage: tallowmere-cli COMMAND [options]\n"
               "       tallowmere-cli COMMAND --help\n"
               "       tallowmere-cli --help | --version\n"
               "\n"
               "Calculates the savings/rate schedule without the window.\n"
               "\n"
               "Commands:\n");
    for (const CliCommand& command : kCommands)
        out += QStringLiteral("  %1  %2\n")
                   .arg(QString::fromLatin1(command.name).leftJustified(8),
                        QCoreApplication::translate("Cli", command.summary));
    out += QCoreApplication::translate(
        "Cli", "\n"
               "Run 'tallowmere-cli COMMAND --help' for the options of a command.\n"
               "\n"
               "Exit status: 0 success, 1 the values cannot be calculated, 2 bad input,\n"
               "3 the output could not be written, 4 the goal cannot be reached.\n");
    return out;
}

QString cliVersion() {
    return QStringLiteral("tallowmere-cli (%1) %2\n")
        .arg(QString::fromUtf8(ProductInfo::kTitle), QString::fromUtf8(ProductInfo::kVersion));
}

int runCli(const QStringList& arguments, QByteArray& out, QByteArray& err) {
    CliFailure failure;
    try {
        runCommandLine(arguments, out);
        return kCliExitSuccess;
    } catch (const CliFailure& thrown) {
        failure = thrown;
    } catch (const ArithmeticError&) {
        failure = {incalculableSentence(), kCliExitArithmetic};
    }
    err += "tallowmere-cli: " + failure.line.toUtf8() + '\n';
    return failure.status;
}
