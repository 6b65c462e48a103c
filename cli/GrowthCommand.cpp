#include "cli/GrowthCommand.h"

#include "calc/ArithmeticError.h"
#include "calc/Growth.h"
#include "calc/GrowthTexts.h"
#include "cli/CliOptions.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr int kExitArithmetic = 1;
constexpr int kExitBadInput = 2;

struct CellChoice {
    int column = kBaseColumn;
    int row = kBaseRow;
};

// Takes --column and --row (also as --name=value) out of `arguments` and leaves
// the rest for the schedule's parser. Walks the arguments as that parser does,
// so the value of another option is never mistaken for a name.
QStringList takeCellOptions(const QStringList& arguments, CellChoice& cell, QString& error) {
    QStringList rest;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString name = arguments[i];
        const bool single = name == QLatin1String("--help") || name == QLatin1String("-h");
        std::optional<QString> value;
        if (const qsizetype equals = name.indexOf(u'='); name.startsWith(u"--") && equals > 2) {
            value = name.mid(equals + 1);
            name.truncate(equals);
        }
        const bool column = name == QLatin1String("--column");
        if (!column && name != QLatin1String("--row")) {
            rest << arguments[i];
            if (!single && !value && i + 1 < arguments.size())
                rest << arguments[++i];
            continue;
        }
        if (!value) {
            if (i + 1 >= arguments.size()) {
                error = QStringLiteral("%1 needs a value; see --help").arg(name);
                return {};
            }
            value = arguments[++i];
        }
        const int last = column ? kGridColumns - 1 : kGridRows - 1;
        bool ok = false;
        const int number = value->trimmed().toInt(&ok);
        if (!ok || number < 1 || number > last) {
            error =
                QStringLiteral("%1: '%2' is not a %3; expected a whole number from 1 to %4")
                    .arg(name, *value, column ? QStringLiteral("column") : QStringLiteral("row"))
                    .arg(last);
            return {};
        }
        (column ? cell.column : cell.row) = number;
    }
    return rest;
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

int runGrowthCommand(const QStringList& arguments, QByteArray& out, QByteArray& err) {
    const auto fail = [&err](const QString& error) {
        err += "tallowmere-cli: " + error.toUtf8() + '\n';
        return kExitBadInput;
    };
    QString error;
    CellChoice cell;
    const QStringList rest = takeCellOptions(arguments, cell, error);
    if (!error.isEmpty())
        return fail(error);
    const auto options = parseCliArguments(QStringList{QStringLiteral("schedule")} + rest, error);
    if (!options) {
        // The schedule's list of accepted options lacks the two of this command.
        return fail(error.replace(QStringLiteral("accepted options: "),
                                  QStringLiteral("accepted options: --column, --row, ")));
    }
    if (options->help) {
        out += growthUsage().toUtf8();
        return 0;
    }

    const RegionalSettings regional = options->locale
                                          ? RegionalSettings::fromLocale(QLocale(*options->locale))
                                          : RegionalSettings::system();
    Growth growth;
    try {
        // The whole schedule, as the window computes it before a cell is opened.
        const ScheduleSnapshot snapshot = computeSchedule(options->inputs, regional);
        growth = computeGrowth(growthInputs(snapshot, cell.column, cell.row));
    } catch (const ArithmeticError&) {
        err += "tallowmere-cli: Valid results cannot be calculated using the variables you have "
               "entered.\n";
        return kExitArithmetic;
    }

    switch (options->format) {
    case CliOptions::Format::Text:
        out += asText(growth, regional).toUtf8();
        break;
    case CliOptions::Format::Csv:
        out += growthAsCsv(growth, regional).toUtf8();
        break;
    case CliOptions::Format::Json:
        out += asJson(growth, cell, regional);
        break;
    }
    return 0;
}

QString growthUsage() {
    return QStringLiteral(
        "Usage: tallowmere-cli growth [options]\n"
        "\n"
        "Prints one cell of the savings/rate schedule year by year: the months, the date,\n"
        "the money paid in, the interest earned and the balance every 12 months and at the\n"
        "end of the term. The last row is the cell's value.\n"
        "\n"
        "Options: those of 'tallowmere-cli schedule' (see tallowmere-cli --help), and\n"
        "  --column N         the rate column, 1-7 (default 4, the entered rate)\n"
        "  --row N            the savings row, 1-11 (default 1, the entered savings)\n"
        "  --format FORMAT    text (heading and aligned table, default), csv (RFC 4180)\n"
        "                     or json\n"
        "\n"
        "Exit status: 0 success, 1 the values cannot be calculated, 2 bad input,\n"
        "3 the output could not be written.\n");
}
