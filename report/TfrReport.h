#pragma once

#include "report/FrObjects.h"

#include <QObject>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

class TfrUserDataset;
struct PreparedReport;
class QPrinter;

// Preview buttons (PreviewButtons bits).
enum FrPreviewButton : unsigned {
    pbZoom = 1,
    pbLoad = 2,
    pbSave = 4,
    pbPrint = 8,
    pbFind = 16,
    pbHelp = 32,
    pbExit = 64,
    pbPageSetup = 128,
};
enum class FrPreviewZoom { pzDefault, pzPageWidth, pzOnePage, pzTwoPages };
enum class FrReportType { rtSimple, rtMultiple };

// A banded report: its pages and objects, the dataset its master band walks,
// the value callback for bracketed names, and the preview and print settings.
// The prepared pages of the last preparation stay with it.
class TfrReport : public QObject {
    Q_OBJECT
public:
    using GetValueEvent = std::function<void(const QString& name, QVariant& value)>;

    explicit TfrReport(QObject* parent = nullptr);
    ~TfrReport() override;

    std::vector<std::unique_ptr<TfrPage>> Pages;
    TfrUserDataset* Dataset = nullptr;
    QString Title;
    // The document's title and creating program (PDF metadata, print job name).
    QString DocumentTitle;
    QString Creator;
    GetValueEvent OnGetValue;
    FrReportType ReportType = FrReportType::rtSimple;
    FrPreviewZoom InitialZoom = FrPreviewZoom::pzDefault;
    unsigned PreviewButtons = pbZoom | pbLoad | pbSave | pbPrint | pbFind | pbHelp | pbExit;
    bool ModalPreview = true;
    bool ShowProgress = true;
    int DefaultCopies = 1;
    bool DefaultCollate = true;

    // Stored with the template: the printer it was made on and its flags.
    QString PrinterName;
    bool PrintToDefault = false;
    std::uint8_t ReportFlags[3] = {0, 0, 0};

    // The first object whose Name equals `name` ignoring case, over all pages
    // in order; nullptr when there is none.
    TfrView* FindView(const QString& name) const;
    // Removes every page.
    void Clear();

    // Prepares the pages (throws the evaluation error of an unresolved name).
    void PrepareReport();
    const PreparedReport& prepared() const { return *m_prepared; }

    // Prepares, then shows the prepared pages in the modal preview, where they
    // can be printed on `printer`. No page, no preview.
    void PreviewReport(QPrinter& printer, QWidget* parent = nullptr);

private:
    std::unique_ptr<PreparedReport> m_prepared;
};
