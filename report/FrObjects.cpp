#include "report/FrObjects.h"

#include <cmath>

int tenthsToUnits(std::int32_t tenths) {
    return static_cast<int>(std::lround(tenths * kUnitsPerInch / 254.0));
}

int TfrPage::widthInUnits() const {
    return tenthsToUnits(PaperWidth);
}

int TfrPage::heightInUnits() const {
    return tenthsToUnits(PaperHeight);
}
