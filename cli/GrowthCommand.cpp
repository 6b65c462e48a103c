#include "cli/GrowthCommand.h"

#include "calc/Growth.h"
#include "calc/GrowthTexts.h"
#include "cli/CliCommand.h"
#include "cli/CliCommandLine.h"
#include "cli/ScheduleCommand.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

struct CellChoice {
    int column = kBaseColumn;
    int row = kBaseRow;
};

const QString kColumn = QStringLiteral("column");
const QString kRow = QStringLiteral("row");

void addGrowthOptions(CliCommandLine& commandLine) {
    addScheduleOptions(commandLine);
    commandLine.addValueOption(
        kColumn, QStringLiteral("N"),
        QCoreApplication::translate("Cli", "the rate column, 1-7 (default 4, the entered rate)"));
    commandLine.addValueOption(
        kRow, QStringLiteral("N"),
        QCoreApplication::translate("Cli",
                                    "the savings row, 1-11 (default 1, the entered savings)"));
}

// Reads --column or --row into `number`; a bad value throws a CliFailure.
void readCellOption(const CliCommandLine& commandLine, const QString& name, int last, int& number) {
    for (const QString& value : commandLine.values(name)) {
        bool ok = false;
        const int parsed = value.trimmed().toInt(&ok);
        if (!ok || parsed < 1 || parsed > last)
            throw CliFailure{
                QCoreApplication::translate(
                    "Cli", "--%1: %2 is not a %1; expected a whole number from 1 to %3")
                    .arg(name, quotedValue(value))
                    .arg(last)};
        number = parsed;
    }
}

QString asText(const Growth& growth, const RegionalSettings& regional) {
    QString out = growthHeading(growth.inputs, regional) + QStringLiteral("\n\n");
    if (growth.rows.isEmpty())
        return out + growthNoRowsText(growth.inputs.term) + u'\n';

    QList<QStringList> lines = {growthColumnTitles()};
    for (const GrowthRow& row : growth.rows)
        lines << growthRowTexts(row, regional);
    QList<qsizetype> widths(growthColumnTitles().size(), 0);
    for (const QStringList& line : lines)
        for (qsizetype i = 0; i < line.size(); ++i)
            widths[i] = std::max(widths[i], line[i].size());
    for (const QStringList& line : lines) {
        for (qsizetype i = 0; i < line.size(); ++i) {
            if (i > 0)
                out += QStringLiteral("  ");
            // The date reads left to right; numbers line up on the right.
            out += i == 1 ? line[i].leftJustified(widths[i]) : line[i].rightJustified(widths[i]);
        }
        out += u'\n';
    }
    return out;
}

QByteArray asJson(const Growth& growth, const CellChoice& cell, const RegionalSettings& regional) {
    QJsonArray rows;
    for (const GrowthRow& row : growth.rows) {
        rows.append(QJsonObject{
            {QStringLiteral("months"), row.months},
            {QStringLiteral("date"), growthDate(row)},
            {QStringLiteral("paidIn"), row.paidIn},
            {QStringLiteral("earned"), row.earned},
            {QStringLiteral("balance"), row.balance},
            {QStringLiteral("texts"), QJsonArray::fromStringList(growthRowTexts(row, regional))}});
    }
    const GrowthInputs& in = growth.inputs;
    QJsonObject object{
        {QStringLiteral("column"), cell.column},
        {QStringLiteral("row"), cell.row},
        {QStringLiteral("heading"), growthHeading(in, regional)},
        {QStringLiteral("term"), in.term},
        {QStringLiteral("savings"), in.savings},
        {QStringLiteral("rate"), in.rate},
        {QStringLiteral("balance"), in.balance},
        {QStringLiteral("columns"), QJsonArray::fromStringList(growthColumnTitles())},
        {QStringLiteral("rows"), rows},
        {QStringLiteral("message"), growth.rows.isEmpty() ? QJsonValue(growthNoRowsText(in.term))
                                                          : QJsonValue(QJsonValue::Null)}};
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

} // namespace

void runGrowthCommand(const QStringList& arguments, QByteArray& out) {
    CliCommandLine commandLine;
    addGrowthOptions(commandLine);
    if (helpAnswered(commandLine, arguments, growthUsage, out))
        return;
    const ScheduleOptions options = readScheduleOptions(commandLine);
    CellChoice cell;
    readCellOption(commandLine, kColumn, kGridColumns - 1, cell.column);
    readCellOption(commandLine, kRow, kGridRows - 1, cell.row);

    const RegionalSettings regional = regionalSettingsFor(options.locale);
    // The whole schedule, as the window computes it before a cell is opened.
    const ScheduleSnapshot snapshot = computeSchedule(options.inputs, regional);
    const Growth growth = computeGrowth(growthInputs(snapshot, cell.column, cell.row));

    switch (options.format) {
    case ScheduleOptions::Format::Text:
        out += asText(growth, regional).toUtf8();
        break;
    case ScheduleOptions::Format::Csv:
        out += growthAsCsv(growth, regional).toUtf8();
        break;
    case ScheduleOptions::Format::Json:
        out += asJson(growth, cell, regional);
        break;
    }
}

QString growthUsage() {
    CliCommandLine commandLine;
    addGrowthOptions(commandLine);
    return QCoreApplication::translate(
               "Cli",
               "Usage: tallowmere-cli growth [options]\n"
               "\n"
               "Prints one cell of the savings/rate schedule year by year: the months, the\n"
               "date, the money paid in, the interest earned and the balance every 12 months\n"
               "and at the end of the term. The last row is the cell's value.\n"
               "\n"
               "Options:\n") +
           commandLine.optionsUsage() +
           QCoreApplication::translate(
               "Cli", "\n"
                      "Exit status: 0 success, 1 the values cannot be calculated, 2 bad input,\n"
                      "3 the output could not be written.\n");
}
