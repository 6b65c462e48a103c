#pragma once

#include "calc/Schedule.h"

#include <array>
#include <optional>

// The value cells of a computed schedule whose future value reaches a target:
// reached[row][column] for rows 1..11 and columns 1..7; headers never.
struct GoalMarks {
    std::array<std::array<bool, kGridColumns>, kGridRows> reached{};

    bool at(int column, int row) const { return reached[row][column]; }
    int count() const;
};

// No target (nullopt) marks nothing.
GoalMarks goalMarks(const ScheduleSnapshot& snapshot, std::optional<double> target);
