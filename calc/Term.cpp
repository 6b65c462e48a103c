#include "calc/Term.h"

const QStringList& monthNames() {
    static const QStringList names = {
        QStringLiteral("Jan"), QStringLiteral("Feb"), QStringLiteral("Mar"), QStringLiteral("Apr"),
        QStringLiteral("May"), QStringLiteral("Jun"), QStringLiteral("Jul"), QStringLiteral("Aug"),
        QStringLiteral("Sep"), QStringLiteral("Oct"), QStringLiteral("Nov"), QStringLiteral("Dec")};
    return names;
}

int monthNumber(const QString& name) {
    return int(monthNames().indexOf(name)) + 1;
}

std::int32_t termInMonths(std::int32_t firstYear, const QString& firstMonth, std::int32_t lastYear,
                          const QString& lastMonth) {
    // A month text that is no month name (it can arrive from the settings file,
    // which bypasses the month boxes' own check) counts as "Jan", as the boxes
    // would have made it.
    auto number = [](const QString& name) {
        const int n = monthNumber(name);
        return static_cast<std::uint32_t>(n == 0 ? 1 : n);
    };
    // Unsigned arithmetic wraps without undefined behaviour; the conversion back
    // to a signed 32-bit value is modular, as two far-apart years would give on
    // a 32-bit machine.
    const std::uint32_t years =
        static_cast<std::uint32_t>(lastYear) - static_cast<std::uint32_t>(firstYear);
    const std::uint32_t months = 12u * years + number(lastMonth) - number(firstMonth);
    return static_cast<std::int32_t>(months);
}
