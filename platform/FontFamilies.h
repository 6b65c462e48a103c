#pragma once

#include <QStringList>

// The font families of the program's windows: Arial, or its metric twin where
// Arial is not installed.
inline QStringList windowFontFamilies() {
    return {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")};
}
