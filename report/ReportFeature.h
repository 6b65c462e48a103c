#pragma once

#include "report/ScheduleReport.h"

#include <QObject>
#include <functional>
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
    // The grid the report prints: `rows` rows of `columns` cells.
    struct Grid {
        int columns = 0;
        int rows = 0;
        std::function<QString(int column, int row)> cellText;
    };

    explicit ReportFeature(QWidget* window);
    ~ReportFeature() override;

    // Fills the report with `texts` and `grid` and shows its print preview.
    void preview(const ScheduleReportTexts& texts, const Grid& grid);
    void setupPrinter();

private:
    QPrinter& printer();
    void frTLMRDatasetCheckEOF(QObject* sender, bool& eof);
    void frTLMRGetValue(const QString& name, QVariant& value);

    QWidget* m_window;
    Grid m_grid;
    std::unique_ptr<QPrinter> m_printer;
    TfrReport* frTLMR = nullptr;
    TfrUserDataset* frTLMRDataset = nullptr;
    TPrinterSetupDialog* PrinterSetupDialog = nullptr;
};
