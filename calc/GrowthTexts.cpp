#include "calc/GrowthTexts.h"

#include "calc/FutureValue.h"
#include "calc/NumberFormat.h"
#include "calc/Term.h"

#include <QCoreApplication>

namespace {

QString amount(double value, const RegionalSettings& regional) {
    return formatCurrency(value, 10, 2, regional);
}

// The frequency names as the heading uses them, for the translation.
constexpr const char* kFrequencyWords[] = {
    QT_TRANSLATE_NOOP("GrowthTexts", "annually"), QT_TRANSLATE_NOOP("GrowthTexts", "biannually"),
    QT_TRANSLATE_NOOP("GrowthTexts", "quarterly"), QT_TRANSLATE_NOOP("GrowthTexts", "monthly"),
    QT_TRANSLATE_NOOP("GrowthTexts", "daily")};

QString frequencyWord(const QString& frequency) {
    // A text that is no frequency name is computed as "Monthly"; say what was used.
    const QString word =
        isKnownFrequency(frequency) ? frequency.toLower() : QStringLiteral("monthly");
    for (const char* known : kFrequencyWords)
        if (word == QLatin1String(known))
            return QCoreApplication::translate("GrowthTexts", known);
    return word;
}

QString csvField(const QString& text) {
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\r') &&
        !text.contains(u'\n'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString joined(const Growth& growth, const RegionalSettings& regional, QChar separator,
               QStringView lineEnd, QString (*field)(const QString&)) {
    const auto line = [&](const QStringList& texts) {
        QString out;
        for (qsizetype i = 0; i < texts.size(); ++i) {
            if (i > 0)
                out += separator;
            out += field(texts[i]);
        }
        out += lineEnd;
        return out;
    };
    QString out = line(growthColumnTitles());
    for (const GrowthRow& row : growth.rows)
        out += line(growthRowTexts(row, regional));
    return out;
}

QString plainField(const QString& text) {
    return text;
}

} // namespace

QString growthDate(const GrowthRow& row) {
    return monthNames().value(row.month - 1) + u' ' + QString::number(row.year);
}

QString growthHeading(const GrowthInputs& in, const RegionalSettings& regional) {
    const QString months =
        in.term == 1 ? QCoreApplication::translate("GrowthTexts", "1 month")
                     : QCoreApplication::translate("GrowthTexts", "%1 months").arg(in.term);
    return QCoreApplication::translate(
               "GrowthTexts", "%1 a month at %2% a year, compounded %3, from %4 to %5 (%6), "
                              "with an initial balance of %7")
        .arg(amount(in.savings, regional), formatGeneral(in.rate, 5, regional),
             frequencyWord(in.frequency), growthDate(calendarAfter(in, 0)),
             growthDate(calendarAfter(in, in.term)), months, amount(in.balance, regional));
}

QString growthNoRowsText(std::int32_t term) {
    return QCoreApplication::translate(
               "GrowthTexts", "No growth to show: the term is %1 months. Choose a last month after "
                              "the first.")
        .arg(term);
}

const QStringList& growthColumnTitles() {
    static const QStringList titles = {QStringLiteral(QT_TRANSLATE_NOOP("GrowthTexts", "Months")),
                                       QStringLiteral(QT_TRANSLATE_NOOP("GrowthTexts", "Date")),
                                       QStringLiteral(QT_TRANSLATE_NOOP("GrowthTexts", "Paid In")),
                                       QStringLiteral(QT_TRANSLATE_NOOP("GrowthTexts", "Earned")),
                                       QStringLiteral(QT_TRANSLATE_NOOP("GrowthTexts", "Balance"))};
    return titles;
}

QStringList growthRowTexts(const GrowthRow& row, const RegionalSettings& regional) {
    return {QString::number(row.months), growthDate(row), amount(row.paidIn, regional),
            amount(row.earned, regional), amount(row.balance, regional)};
}

QString growthAsTabSeparated(const Growth& growth, const RegionalSettings& regional) {
    return joined(growth, regional, u'\t', u"\n", plainField);
}

QString growthAsCsv(const Growth& growth, const RegionalSettings& regional) {
    return joined(growth, regional, u',', u"\r\n", csvField);
}
