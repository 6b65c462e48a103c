#include "report/ReportFeature.h"

#include "platform/Application.h"
#include "platform/ProductInfo.h"
#include "report/PrinterChoice.h"
#include "report/ReportStream.h"
#include "report/ScheduleTemplate.h"
#include "report/TPrinterSetupDialog.h"
#include "report/TfrReport.h"
#include "report/TfrUserDataset.h"

#include <QPrinter>
#include <QWidget>

ReportFeature::ReportFeature(QWidget* window)
    : QObject(window)
    , m_window(window) {
    setObjectName(QStringLiteral("ReportFeature"));
    frTLMRDataset = new TfrUserDataset(this);
    frTLMRDataset->setObjectName(QStringLiteral("frTLMRDataset"));
    frTLMRDataset->OnCheckEOF = [this](QObject* sender, bool& eof) {
        frTLMRDatasetCheckEOF(sender, eof);
    };
    frTLMR = new TfrReport(this);
    frTLMR->setObjectName(QStringLiteral("frTLMR"));
    frTLMR->Dataset = frTLMRDataset;
    frTLMR->Title = QLatin1String(ProductInfo::kTitle);
    frTLMR->PreviewButtons = pbZoom | pbPrint | pbExit;
    frTLMR->ShowProgress = false;
    frTLMR->OnGetValue = [this](const QString& name, QVariant& value) {
        frTLMRGetValue(name, value);
    };
    if (readReport(scheduleTemplateResource(), *frTLMR) != ReportReadResult::Ok)
        Application::instance()->dialogs().messageBox(
            window, QStringLiteral("Error"), reportReadErrorText(), DialogService::Icon::Warning,
            DialogService::Buttons::Ok);
}

ReportFeature::~ReportFeature() = default;

void ReportFeature::preview(const ScheduleReportTexts& texts, const Grid& grid) {
    m_grid = grid;
    fillScheduleReport(*frTLMR, texts);
    frTLMR->PreviewReport(printer(), m_window);
}

void ReportFeature::setupPrinter() {
    if (!PrinterSetupDialog)
        PrinterSetupDialog = new TPrinterSetupDialog(printer(), m_window);
    PrinterSetupDialog->exec();
}

QPrinter& ReportFeature::printer() {
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        PrinterChoice::initialise(*m_printer);
        // The printer the template was made on, when it is installed here.
        if (!frTLMR->PrintToDefault)
            PrinterChoice::select(*m_printer, frTLMR->PrinterName);
    }
    return *m_printer;
}

void ReportFeature::frTLMRDatasetCheckEOF(QObject*, bool& eof) {
    eof = frTLMRDataset->RecordIndex >= m_grid.rows;
}

void ReportFeature::frTLMRGetValue(const QString& name, QVariant& value) {
    const int row = frTLMRDataset->RecordIndex;
    for (int n = 1; n <= m_grid.columns; ++n) {
        if (QString::compare(name, QStringLiteral("Cell%1").arg(n), Qt::CaseInsensitive) == 0) {
            if (row >= 0 && row < m_grid.rows)
                value = m_grid.cellText(n - 1, row);
            return;
        }
    }
}
