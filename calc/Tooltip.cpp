#include "calc/Tooltip.h"

#include "calc/ArithmeticError.h"
#include "calc/NumberFormat.h"

#include <QCoreApplication>
#include <cmath>
#include <limits>

QString StringStripper(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'$' || c == u',')
            continue;
        out.append(c == u'%' ? QChar(u' ') : c);
    }
    return out;
}

namespace {

// A displayed amount read back as a number, or nullopt when the text cannot be
// read reliably.
std::optional<double> readShown(const QString& text, const RegionalSettings& regional) {
    // The stripper removes every comma; where the comma is the decimal
    // separator, "125,50" would read as 12550. Such texts are not read at all.
    if (regional.decimalSeparator == u',')
        return std::nullopt;
    return parseNumber(StringStripper(text), regional);
}

// `value` as a double, or the overflow error when it does not fit in one.
double representable(long double value) {
    if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<double>::max())
        throw ArithmeticError(ArithmeticError::Kind::Overflow);
    return static_cast<double>(value);
}

} // namespace

std::optional<QString> tooltipText(const TooltipSource& source, const RegionalSettings& regional) {
    if (source.rowHeaderText.isEmpty())
        return std::nullopt;

    // The figures come from the texts the grid shows: the whole-unit savings of
    // the row header and the cent-rounded cell. A text that does not read back
    // as a number (a negative amount in parentheses, another currency symbol or
    // separator) must not fail the tooltip; the exact numbers behind the texts
    // stand in for it, which give the same figures up to that rounding.
    const double savings = readShown(source.rowHeaderText, regional).value_or(source.exactSavings);
    const double value = readShown(source.cellText, regional).value_or(source.exactValue);

    // Extended precision: a sum of finite grid figures may pass the largest
    // double on the way (a huge savings against a huge negative balance) while
    // its result fits again. A figure that does not fit is the arithmetic error.
    const long double invested =
        static_cast<long double>(source.term) * savings + static_cast<long double>(source.balance);
    const long double earned = value - invested;
    return QCoreApplication::translate("Tooltip", "Total Invested: ") +
           formatCurrency(representable(invested), 12, 0, regional) +
           QCoreApplication::translate("Tooltip", "\r\nTotal Earned: ") +
           formatCurrency(representable(earned), 12, 0, regional);
}

TooltipSource tooltipSource(const ScheduleSnapshot& snapshot, int column, int row) {
    TooltipSource source;
    source.rowHeaderText = snapshot.text(0, row);
    source.cellText = snapshot.text(column, row);
    source.term = snapshot.term;
    source.balance = snapshot.inputs.balance;
    source.exactSavings = snapshot.rowSavings[row];
    source.exactValue = snapshot.values[row][column];
    return source;
}
