#include "growth/GrowthFeature.h"

#include "growth/GrowthWindow.h"

GrowthFeature::GrowthFeature(QWidget* window)
    : QObject(window)
    , m_window(window) {
    setObjectName(QStringLiteral("GrowthFeature"));
}

void GrowthFeature::show(const Growth& growth, const RegionalSettings& regional) {
    GrowthWindow window(growth, regional, m_window);
    window.exec();
}
