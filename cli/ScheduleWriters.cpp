#include "cli/ScheduleWriters.h"

#include "calc/ArithmeticError.h"
#include "calc/Tooltip.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <limits>

namespace {

// Beyond this a double has no fractions left to round.
constexpr double kCentsLimit = 1e13;

// `value` rounded to `decimals` places where a double still holds them.
double rounded(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::fabs(value) < kCentsLimit ? std::round(value * scale) / scale : value;
}

double toCents(double value) {
    return rounded(value, 2);
}

std::optional<double> representable(long double value) {
    if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<double>::max())
        return std::nullopt;
    return static_cast<double>(value);
}

// The tooltip's two figures, "Total Invested: X\r\nTotal Earned: Y", as X and
// Y; empty where the window shows no tooltip or cannot build one.
std::pair<QString, QString> tooltipFigures(const std::optional<QString>& tooltip) {
    if (!tooltip)
        return {};
    const QStringList lines = tooltip->split(QStringLiteral("\r\n"));
    const auto figure = [&](int i) {
        return lines.value(i).section(QStringLiteral(": "), 1).trimmed();
    };
    return {figure(0), figure(1)};
}

std::optional<QString> safeTooltip(const ScheduleSnapshot& snapshot,
                                   const RegionalSettings& regional, int column, int row) {
    try {
        return tooltipText(tooltipSource(snapshot, column, row), regional);
    } catch (const ArithmeticError&) {
        return std::nullopt; // a figure past the double range: no tooltip
    }
}

QJsonValue jsonNumber(const std::optional<double>& value) {
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

QString csvNumber(const std::optional<double>& value) {
    return value ? plainNumber(*value) : QString();
}

} // namespace

QString plainNumber(double value) {
    const bool exponent = std::fabs(value) >= 1e15;
    return QString::number(value, exponent ? 'g' : 'f', QLocale::FloatingPointShortest);
}

ScheduleCell scheduleCell(const ScheduleSnapshot& snapshot, const RegionalSettings& regional,
                          int column, int row) {
    ScheduleCell cell;
    cell.row = row;
    cell.column = column;
    cell.savings = toCents(snapshot.rowSavings[row]);
    cell.rate = rounded(snapshot.columnRates[column], 6);
    cell.savingsText = snapshot.text(0, row).trimmed();
    cell.rateText = snapshot.text(column, 0).trimmed();
    cell.futureValueText = snapshot.text(column, row).trimmed();
    if (cell.futureValueText.isEmpty())
        return cell; // not calculated
    cell.futureValue = toCents(snapshot.values[row][column]);
    // Paid in and earned add up to the future value to the cent.
    cell.paidIn = representable(static_cast<long double>(snapshot.term) * cell.savings +
                                snapshot.inputs.balance);
    if (cell.paidIn) {
        cell.paidIn = toCents(*cell.paidIn);
        cell.earned = representable(static_cast<long double>(*cell.futureValue) - *cell.paidIn);
        if (cell.earned)
            cell.earned = toCents(*cell.earned);
    }
    std::tie(cell.paidInText, cell.earnedText) =
        tooltipFigures(safeTooltip(snapshot, regional, column, row));
    return cell;
}

QString scheduleAsText(const ScheduleSnapshot& snapshot) {
    std::array<qsizetype, kGridColumns> widths{};
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column)
            widths[column] = std::max(widths[column], snapshot.text(column, row).trimmed().size());
    }

    QString out =
        QCoreApplication::translate("Cli", "Term: %1 months   Savings step: %2   Rate step: %3\n\n")
            .arg(snapshot.term)
            .arg(snapshot.strSavingsIncrement, snapshot.strRateIncrement);
    for (int row = 0; row < kGridRows; ++row) {
        QString line;
        for (int column = 0; column < kGridColumns; ++column) {
            const QString cell = snapshot.text(column, row).trimmed();
            if (column == 0) {
                line += cell.leftJustified(widths[0]);
            } else {
                line += QStringLiteral("  ");
                line += cell.rightJustified(widths[column]);
            }
        }
        out += line;
        out += u'\n';
    }
    return out;
}

QString csvField(const QString& text) {
    const bool needsQuotes =
        text.contains(u',') || text.contains(u'"') || text.contains(u'\r') || text.contains(u'\n');
    if (!needsQuotes)
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString scheduleAsCsv(const ScheduleSnapshot& snapshot, const RegionalSettings& regional) {
    QString out = QStringLiteral("row,column,savings,rate,futureValue,paidIn,earned,savingsText,"
                                 "rateText,futureValueText,paidInText,earnedText\r\n");
    for (int row = 1; row < kGridRows; ++row) {
        for (int column = 1; column < kGridColumns; ++column) {
            const ScheduleCell cell = scheduleCell(snapshot, regional, column, row);
            const QStringList fields = {QString::number(row),        QString::number(column),
                                        plainNumber(cell.savings),   plainNumber(cell.rate),
                                        csvNumber(cell.futureValue), csvNumber(cell.paidIn),
                                        csvNumber(cell.earned),      csvField(cell.savingsText),
                                        csvField(cell.rateText),     csvField(cell.futureValueText),
                                        csvField(cell.paidInText),   csvField(cell.earnedText)};
            out += fields.join(u',') + QStringLiteral("\r\n");
        }
    }
    return out;
}

QByteArray scheduleAsJson(const ScheduleSnapshot& snapshot, const RegionalSettings& regional) {
    QJsonArray grid;
    QJsonArray tooltips;
    for (int row = 0; row < kGridRows; ++row) {
        QJsonArray texts;
        QJsonArray tips;
        for (int column = 0; column < kGridColumns; ++column) {
            texts.append(snapshot.text(column, row));
            if (row == 0 || column == 0) {
                tips.append(QJsonValue::Null);
                continue;
            }
            const auto tip = safeTooltip(snapshot, regional, column, row);
            tips.append(tip ? QJsonValue(*tip) : QJsonValue(QJsonValue::Null));
        }
        grid.append(texts);
        tooltips.append(tips);
    }
    QJsonArray cells;
    for (int row = 1; row < kGridRows; ++row) {
        for (int column = 1; column < kGridColumns; ++column) {
            const ScheduleCell cell = scheduleCell(snapshot, regional, column, row);
            cells.append(QJsonObject{{QStringLiteral("row"), row},
                                     {QStringLiteral("column"), column},
                                     {QStringLiteral("savings"), cell.savings},
                                     {QStringLiteral("rate"), cell.rate},
                                     {QStringLiteral("futureValue"), jsonNumber(cell.futureValue)},
                                     {QStringLiteral("paidIn"), jsonNumber(cell.paidIn)},
                                     {QStringLiteral("earned"), jsonNumber(cell.earned)},
                                     {QStringLiteral("savingsText"), cell.savingsText},
                                     {QStringLiteral("rateText"), cell.rateText},
                                     {QStringLiteral("futureValueText"), cell.futureValueText},
                                     {QStringLiteral("paidInText"), cell.paidInText},
                                     {QStringLiteral("earnedText"), cell.earnedText}});
        }
    }
    QJsonObject object;
    object.insert(QStringLiteral("term"), snapshot.term);
    object.insert(QStringLiteral("savingsIncrement"), snapshot.strSavingsIncrement);
    object.insert(QStringLiteral("rateIncrement"), snapshot.strRateIncrement);
    object.insert(QStringLiteral("grid"), grid);
    object.insert(QStringLiteral("tooltips"), tooltips);
    object.insert(QStringLiteral("cells"), cells);
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}
