#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

// "Jan" .. "Dec".
const QStringList& monthNames();

// 1-12 for a month name compared exactly (case matters), 0 for anything else.
int monthNumber(const QString& name);

// 12 * (lastYear - firstYear) + (lastMonth - firstMonth) in wrapping 32-bit
// arithmetic. A month text that is no month name counts as "Jan".
std::int32_t termInMonths(std::int32_t firstYear, const QString& firstMonth, std::int32_t lastYear,
                          const QString& lastMonth);
