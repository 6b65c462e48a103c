#include "report/FrObjects.h"

#include <cmath>

int tenthsToUnits(std::int32_t tenths) {
    return static_cast<int>(std::lround(tenths * kUnitsPerInch / 254.0));
}
