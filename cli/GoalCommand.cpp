#include "cli/GoalCommand.h"

#include "calc/GoalSolver.h"
#include "calc/GoalTexts.h"
#include "calc/NumberFormat.h"
#include "cli/CliCommand.h"
#include "cli/CliCommandLine.h"
#include "cli/ScheduleCommand.h"
#include "cli/ScheduleWriters.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <array>
#include <cmath>

namespace {

const QString kTarget = QStringLiteral("target");
const QString kSolve = QStringLiteral("solve");

constexpr std::array kUnknowns = {GoalUnknown::Savings, GoalUnknown::Balance, GoalUnknown::Term,
                                  GoalUnknown::Rate};

QString unknownNames() {
    QStringList names;
    for (GoalUnknown unknown : kUnknowns)
        names << goalUnknownName(unknown);
    return names.join(u'|');
}

void addGoalOptions(CliCommandLine& commandLine) {
    commandLine.addValueOption(
        kTarget, QStringLiteral("X"),
        QCoreApplication::translate("Cli", "the future value to reach (required), a number "
                                           "above zero"));
    commandLine.addValueOption(
        kSolve, unknownNames(),
        QCoreApplication::translate(
            "Cli", "what to solve for (required): the monthly savings, the initial balance, "
                   "the term (as the last month) or the interest rate; the option of that "
                   "input is ignored"));
    addScheduleOptions(commandLine);
}

double readTarget(const CliCommandLine& commandLine) {
    const QStringList values = commandLine.values(kTarget);
    if (values.isEmpty())
        throw CliFailure{QCoreApplication::translate(
            "Cli", "--target is required: the future value to reach, e.g. --target "
                   "20000")};
    const auto number = parseNumber(values.last(), RegionalSettings::unitedStates());
    if (!number || !std::isfinite(*number) || *number <= 0)
        throw CliFailure{QCoreApplication::translate(
                             "Cli", "--target: %1 is not an amount above zero; expected a "
                                    "number with '.' as the decimal point, e.g. 20000 or "
                                    "12500.50")
                             .arg(quotedValue(values.last()))};
    return *number;
}

GoalUnknown readUnknown(const CliCommandLine& commandLine) {
    const QStringList values = commandLine.values(kSolve);
    const QString expected =
        QCoreApplication::translate("Cli", "expected one of %1").arg(unknownNames());
    if (values.isEmpty())
        throw CliFailure{
            QCoreApplication::translate("Cli", "--solve is required; %1").arg(expected)};
    for (GoalUnknown unknown : kUnknowns) {
        if (values.last() == goalUnknownName(unknown))
            return unknown;
    }
    throw CliFailure{
        QCoreApplication::translate("Cli", "--solve: %1 is not something to solve for; %2")
            .arg(quotedValue(values.last()), expected)};
}

QString answerLabel(GoalUnknown unknown) {
    switch (unknown) {
    case GoalUnknown::Savings:
        return QCoreApplication::translate("Cli", "Monthly savings");
    case GoalUnknown::Balance:
        return QCoreApplication::translate("Cli", "Initial balance");
    case GoalUnknown::Term:
        return QCoreApplication::translate("Cli", "Last month");
    case GoalUnknown::Rate:
        return QCoreApplication::translate("Cli", "Interest rate");
    }
    return {};
}

// The answer as a plain number: money with cents, months, or percent with
// three decimals, '.' as the decimal point.
QString plainValue(const GoalAnswer& answer) {
    switch (answer.unknown) {
    case GoalUnknown::Term:
        return QString::number(answer.value, 'f', 0);
    case GoalUnknown::Rate:
        return QString::number(answer.value, 'f', kRateDecimals);
    default:
        return QString::number(answer.value, 'f', 2);
    }
}

QString asText(const GoalAnswer& answer, double target, const RegionalSettings& regional) {
    QString line = QCoreApplication::translate("Cli", "%1 to reach %2: %3")
                       .arg(answerLabel(answer.unknown), goalAmountText(target, regional),
                            goalAnswerText(answer, regional));
    if (answer.unknown == GoalUnknown::Term)
        line += QCoreApplication::translate("Cli", " (%1 months)").arg(plainValue(answer));
    return line + QCoreApplication::translate("Cli", "\nFuture value: %1\n")
                      .arg(formatCurrency(answer.futureValue, 10, 2, regional));
}

QString asCsv(const GoalAnswer& answer, double target, const RegionalSettings& regional) {
    const QStringList fields = {goalUnknownName(answer.unknown), QString::number(target, 'f', 2),
                                goalAnswerText(answer, regional), plainValue(answer),
                                QString::number(answer.futureValue, 'f', 2)};
    QStringList quoted;
    for (const QString& field : fields)
        quoted << csvField(field);
    return QStringLiteral("solve,target,answer,value,futureValue\r\n") + quoted.join(u',') +
           QStringLiteral("\r\n");
}

QByteArray asJson(const GoalAnswer& answer, double target, const RegionalSettings& regional) {
    QJsonObject object{
        {QStringLiteral("solve"), goalUnknownName(answer.unknown)},
        {QStringLiteral("target"), target},
        {QStringLiteral("targetText"), goalAmountText(target, regional)},
        {QStringLiteral("answer"), goalAnswerText(answer, regional)},
        {QStringLiteral("value"), answer.value},
        {QStringLiteral("futureValue"), answer.futureValue},
        {QStringLiteral("futureValueText"), formatCurrency(answer.futureValue, 10, 2, regional)}};
    if (answer.unknown == GoalUnknown::Term) {
        object.insert(QStringLiteral("lastMonth"), answer.lastMonth);
        object.insert(QStringLiteral("lastYear"), answer.lastYear);
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

} // namespace

void runGoalCommand(const QStringList& arguments, QByteArray& out) {
    CliCommandLine commandLine;
    addGoalOptions(commandLine);
    if (helpAnswered(commandLine, arguments, goalUsage, out))
        return;
    const double target = readTarget(commandLine);
    const GoalUnknown unknown = readUnknown(commandLine);
    const ScheduleOptions options = readScheduleOptions(commandLine);

    const RegionalSettings regional = regionalSettingsFor(options.locale);
    const GoalAnswer answer = solveGoal(options.inputs, target, unknown);
    switch (answer.status) {
    case GoalAnswer::Status::Incalculable:
        throw CliFailure{answer.sentence, kCliExitArithmetic};
    case GoalAnswer::Status::Unreachable:
        throw CliFailure{answer.sentence, kCliExitUnreachable};
    case GoalAnswer::Status::Solved:
        break;
    }

    switch (options.format) {
    case ScheduleOptions::Format::Text:
        out += asText(answer, target, regional).toUtf8();
        break;
    case ScheduleOptions::Format::Csv:
        out += asCsv(answer, target, regional).toUtf8();
        break;
    case ScheduleOptions::Format::Json:
        out += asJson(answer, target, regional);
        break;
    }
}

QString goalUsage() {
    CliCommandLine commandLine;
    addGoalOptions(commandLine);
    return QCoreApplication::translate(
               "Cli",
               "Usage: tallowmere-cli goal --target X --solve WHAT [options]\n"
               "\n"
               "Solves the schedule's base cell for a future value: the monthly savings or the\n"
               "initial balance to the cent (rounded up), the fewest whole months (as the last\n"
               "month) or the lowest interest rate to three decimals that reach the target,\n"
               "all other inputs as given. WHAT is savings, balance, term or rate.\n"
               "\n"
               "Options:\n") +
           commandLine.optionsUsage() +
           QCoreApplication::translate(
               "Cli",
               "\n"
               "Exit status: 0 success, 1 the values cannot be calculated, 2 bad input,\n"
               "3 the output could not be written, 4 the goal cannot be reached (the reason\n"
               "on standard error).\n");
}
