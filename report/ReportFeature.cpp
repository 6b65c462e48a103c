#include "report/ReportFeature.h"

#include "platform/Application.h"
#include "platform/ProductInfo.h"
#include "report/PrinterChoice.h"
#include "report/ReportPageSetup.h"
#include "report/ReportStream.h"
#include "report/ScheduleReport.h"
#include "report/ScheduleTemplate.h"
#include "report/TPrinterSetupDialog.h"
#include "report/TfrReport.h"
#include "report/TfrUserDataset.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QWidget>

ReportFeature::ReportFeature(QWidget* window)
    : QObject(window)
    , m_window(window) {
    setObjectName(QStringLiteral("ReportFeature"));
    frTLMRDataset = new TfrUserDataset(this);
    frTLMRDataset->setObjectName(QStringLiteral("frTLMRDataset"));
    frTLMR = new TfrReport(this);
    frTLMR->setObjectName(QStringLiteral("frTLMR"));
    frTLMR->Dataset = frTLMRDataset;
    frTLMR->Title = QLatin1String(ProductInfo::kTitle);
    frTLMR->PreviewButtons = pbZoom | pbPrint | pbExit;
    frTLMR->ShowProgress = false;
    if (readReport(scheduleTemplateResource(), *frTLMR) != ReportReadResult::Ok)
        Application::instance()->dialogs().messageBox(
            window, QCoreApplication::translate("ReportFeature", "Error"), reportReadErrorText(),
            DialogService::Icon::Warning, DialogService::Buttons::Ok);
}

ReportFeature::~ReportFeature() = default;

void ReportFeature::preview(const ScheduleSnapshot& snapshot, const RegionalSettings& regional) {
    fillScheduleReport(*frTLMR, *frTLMRDataset, snapshot, regional);
    frTLMR->PreviewReport(printer(), m_window);
}

void ReportFeature::setupPrinter() {
    if (!PrinterSetupDialog)
        PrinterSetupDialog = new TPrinterSetupDialog(printer(), reportPaper(*frTLMR), m_window);
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
