#include "calc/GoalMarks.h"

int GoalMarks::count() const {
    int marked = 0;
    for (const auto& row : reached)
        for (bool cell : row)
            marked += cell ? 1 : 0;
    return marked;
}

GoalMarks goalMarks(const ScheduleSnapshot& snapshot, std::optional<double> target) {
    GoalMarks marks;
    if (!target)
        return marks;
    for (int row = 1; row < kGridRows; ++row)
        for (int column = 1; column < kGridColumns; ++column)
            marks.reached[row][column] = snapshot.values[row][column] >= *target;
    return marks;
}
