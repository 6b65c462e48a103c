#pragma once

#include "calc/RegionalSettings.h"

namespace TestSupport {

// Regional settings with a decimal comma, as in Germany: "€" after the amount,
// "." between thousands, 1.234,56 € and -1.234,56 €.
RegionalSettings commaDecimalSettings();

} // namespace TestSupport
