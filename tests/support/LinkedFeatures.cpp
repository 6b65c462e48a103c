#include "tests/support/LinkedFeatures.h"

#include "growth/GrowthFeature.h"
#include "platform/FeatureModule.h"
#include "report/ReportFeature.h"
#include "update/UpdateFeature.h"

namespace TestSupport {

void provideLinkedFeatures() {
    FeatureModule::provide(kReportEntry,
                           [](QWidget* w) -> QObject* { return createReportFeature(w); });
    FeatureModule::provide(kUpdateEntry,
                           [](QWidget* w) -> QObject* { return createUpdateFeature(w); });
    FeatureModule::provide(kGrowthEntry,
                           [](QWidget* w) -> QObject* { return createGrowthFeature(w); });
}

} // namespace TestSupport
