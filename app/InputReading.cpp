#include "app/InputReading.h"

#include "calc/NumberFormat.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <limits>

ConversionError::ConversionError(const QString& text)
    : std::runtime_error(
          QCoreApplication::translate("ConversionError", "'%1' is not a valid number")
              .arg(text)
              .toStdString()) {}

double requireNumber(const QString& text, const RegionalSettings& regional) {
    const auto number = parseNumber(text, regional);
    if (!number)
        throw ConversionError(text);
    return *number;
}

std::int32_t truncateToInt32(double value) {
    constexpr double low = std::numeric_limits<std::int32_t>::min();
    constexpr double high = std::numeric_limits<std::int32_t>::max();
    if (std::isnan(value))
        return 0;
    return static_cast<std::int32_t>(std::trunc(std::clamp(value, low, high)));
}
