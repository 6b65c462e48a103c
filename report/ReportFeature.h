#pragma once

#include "report/ScheduleReport.h"

#include <QObject>
#include <functional>

// The printed schedule as the main window uses it: its report, the printer
// shared by printing and printer setup, and the printer setup dialog. It lives
// in the print module (entry point kReportEntry) and is created, as a child of
// the window, the first time the user prints or sets up the printer.
class ReportFeature : public QObject {
public:
    // The grid the report prints: `rows` rows of `columns` cells.
    struct Grid {
        int columns = 0;
        int rows = 0;
        std::function<QString(int column, int row)> cellText;
    };

    using QObject::QObject;

    // Fills the report with `texts` and `grid` and shows its print preview.
    virtual void preview(const ScheduleReportTexts& texts, const Grid& grid) = 0;
    virtual void setupPrinter() = 0;
};

inline constexpr char kReportModule[] = "tallowmere-print";
inline constexpr char kReportEntry[] = "tlmrCreateReportFeature";

// Creates the feature for `window` (what the module's entry point returns).
ReportFeature* createReportFeature(QWidget* window);
