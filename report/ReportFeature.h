#pragma once

#include "calc/RegionalSettings.h"
#include "calc/Schedule.h"

#include <QObject>
#include <memory>

class QPrinter;
class QWidget;
class TPrinterSetupDialog;
class TfrReport;
class TfrUserDataset;

// The printed schedule as the main window uses it: its report, the printer
// shared by printing and printer setup, and the printer setup dialog. The
// window creates it, as its child, the first time the user prints or sets up
// the printer.
class ReportFeature : public QObject {
public:
    explicit ReportFeature(QWidget* window);
    ~ReportFeature() override;

    // Fills the report from `snapshot` and shows its print preview.
    void preview(const ScheduleSnapshot& snapshot, const RegionalSettings& regional);
    void setupPrinter();

private:
    QPrinter& printer();

    QWidget* m_window;
    std::unique_ptr<QPrinter> m_printer;
    TfrReport* frTLMR = nullptr;
    TfrUserDataset* frTLMRDataset = nullptr;
    TPrinterSetupDialog* PrinterSetupDialog = nullptr;
};
