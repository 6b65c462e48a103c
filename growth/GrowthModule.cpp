// The growth module's entry point, looked up by name on first use.
#include "growth/GrowthFeature.h"

extern "C" Q_DECL_EXPORT QObject* tlmrCreateGrowthFeature(QWidget* window) {
    return createGrowthFeature(window);
}
