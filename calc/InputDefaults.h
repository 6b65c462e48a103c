#pragma once

#include <cstdint>

// What the inputs hold on a first run, before any settings file exists: the
// main window's saved inputs, the calculation's inputs and the command-line
// companion all start from these.
namespace InputDefaults {

inline constexpr double kBalance = 0;
inline constexpr double kSavings = 0;
inline constexpr double kTerm = 0;
inline constexpr double kRate = 0; // percent a year
inline constexpr char kFrequency[] = "Monthly";
inline constexpr char kFirstMonth[] = "Jan";
inline constexpr std::int32_t kFirstYear = 2001;
inline constexpr char kLastMonth[] = "Jan";
inline constexpr std::int32_t kLastYear = 2031;

} // namespace InputDefaults
