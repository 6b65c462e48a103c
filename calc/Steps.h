#pragma once

#include <QString>
#include <array>

// The two step tables of the schedule, indexed by the radio group's item index.
struct Step {
    double amount;       // money per month, or percentage points
    const char* label;   // radio item text
    const char* caption; // "$10", "1/4%" ...
};

inline constexpr int kStepCount = 9;
const std::array<Step, kStepCount>& savingsSteps();
const std::array<Step, kStepCount>& rateSteps();

// Index out of 0..8 is clamped into range.
const Step& savingsStep(int index);
const Step& rateStep(int index);
