#pragma once

#include "calc/RegionalSettings.h"
#include "calc/Schedule.h"

#include <QObject>

// The printed schedule as the main window uses it: its report, the printer
// shared by printing and printer setup, and the printer setup dialog. It lives
// in the print module (entry point kReportEntry) and is created, as a child of
// the window, the first time the user prints or sets up the printer.
class ReportFeature : public QObject {
public:
    using QObject::QObject;

    // Fills the report from `snapshot` and shows its print preview.
    virtual void preview(const ScheduleSnapshot& snapshot, const RegionalSettings& regional) = 0;
    virtual void setupPrinter() = 0;
};

inline constexpr char kReportModule[] = "tallowmere-print";
inline constexpr char kReportEntry[] = "tlmrCreateReportFeature";

// Creates the feature for `window` (what the module's entry point returns).
ReportFeature* createReportFeature(QWidget* window);
