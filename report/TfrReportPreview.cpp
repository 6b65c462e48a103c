#include "report/PreparedReport.h"
#include "report/TfrPreviewForm.h"
#include "report/TfrReport.h"

void TfrReport::PreviewReport(QPrinter& printer, QWidget* parent) {
    PrepareReport();
    if (m_prepared->pages.empty())
        return;
    TfrPreviewForm form(*this, printer, parent);
    form.exec();
}
