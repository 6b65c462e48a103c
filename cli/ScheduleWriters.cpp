#include "cli/ScheduleWriters.h"

#include "calc/Tooltip.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

QString scheduleAsText(const ScheduleSnapshot& snapshot) {
    std::array<qsizetype, kGridColumns> widths{};
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column)
            widths[column] = std::max(widths[column], snapshot.text(column, row).trimmed().size());
    }

    QString out = QStringLiteral("Term: %1 months   Savings step: %2   Rate step: %3\n\n")
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

QString scheduleAsCsv(const ScheduleSnapshot& snapshot) {
    QString out;
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column) {
            if (column > 0)
                out += u',';
            out += csvField(snapshot.text(column, row));
        }
        out += QStringLiteral("\r\n");
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
            const auto tip = tooltipText(tooltipSource(snapshot, column, row), regional);
            tips.append(tip ? QJsonValue(*tip) : QJsonValue(QJsonValue::Null));
        }
        grid.append(texts);
        tooltips.append(tips);
    }
    QJsonObject object;
    object.insert(QStringLiteral("term"), snapshot.term);
    object.insert(QStringLiteral("savingsIncrement"), snapshot.strSavingsIncrement);
    object.insert(QStringLiteral("rateIncrement"), snapshot.strRateIncrement);
    object.insert(QStringLiteral("grid"), grid);
    object.insert(QStringLiteral("tooltips"), tooltips);
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}
