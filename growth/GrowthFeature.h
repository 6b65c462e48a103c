#pragma once

#include "calc/Growth.h"
#include "calc/RegionalSettings.h"

#include <QObject>

class QWidget;

// The growth window as the main window opens it. It lives in the growth
// module (entry point kGrowthEntry), loaded the first time a cell's growth is
// asked for; the feature object is a child of the window.
class GrowthFeature : public QObject {
public:
    using QObject::QObject;

    // Shows the growth of one cell modally over the window.
    virtual void show(const Growth& growth, const RegionalSettings& regional) = 0;
};

inline constexpr char kGrowthModule[] = "tallowmere-growth";
inline constexpr char kGrowthEntry[] = "tlmrCreateGrowthFeature";

GrowthFeature* createGrowthFeature(QWidget* window);
