#include "report/ReportPageSetup.h"

#include "report/PreparedReport.h"
#include "report/TfrReport.h"

#include <QSizeF>

namespace {

QPageLayout paperLayout(std::int32_t code, std::int32_t width, std::int32_t height,
                        std::uint8_t orientation, const QMarginsF& margins) {
    QPageSize size(QPageSize::Letter);
    if (code != 1 && width > 0 && height > 0)
        size = QPageSize(QSizeF(width / 10.0, height / 10.0), QPageSize::Millimeter);
    return QPageLayout(size, orientation == 1 ? QPageLayout::Landscape : QPageLayout::Portrait,
                       margins, QPageLayout::Point);
}

} // namespace

QMarginsF pdfMargins() {
    return {kPdfMarginPoints, kPdfMarginPoints, kPdfMarginPoints, kPdfMarginPoints};
}

QPageLayout pageLayoutOf(const PreparedPage& page, const QMarginsF& margins) {
    return paperLayout(page.paperSize, page.paperWidth, page.paperHeight, page.orientation,
                       margins);
}

QPageLayout reportPaper(const TfrReport& report) {
    for (const auto& page : report.Pages)
        if (page->PageType == 0)
            return paperLayout(page->PaperSize, page->PaperWidth, page->PaperHeight,
                               page->Orientation, QMarginsF());
    return paperLayout(1, 0, 0, 0, QMarginsF());
}

QRectF pdfSheetArea(const QPageLayout& layout, int resolution) {
    const QRectF paper = layout.fullRectPixels(resolution);
    const double inset = kPdfMarginPoints * resolution / 72.0;
    return paper.adjusted(inset, inset, -inset, -inset);
}
