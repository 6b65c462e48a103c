#pragma once

#include <QMarginsF>
#include <QPageLayout>
#include <QRectF>

struct PreparedPage;
class TfrReport;

// The margins every PDF of the report keeps free on each side of the paper, in
// points: those of a typical printer (1/4 inch), so that a saved PDF prints
// whole on any printer. The command line's PDF and the PDF printer share them.
inline constexpr double kPdfMarginPoints = 18.0;
QMarginsF pdfMargins();
// The resolution every PDF of the report is drawn at, so that both place each
// text at the same position.
inline constexpr int kPdfResolution = 1200;

// The paper of a prepared page: Letter for paper code 1, else its stored size;
// `margins` in points.
QPageLayout pageLayoutOf(const PreparedPage& page, const QMarginsF& margins);

// The paper and orientation the report's first page is laid out on (Letter
// portrait when it has none), without margins.
QPageLayout reportPaper(const TfrReport& report);

// Where a PDF page's sheet goes on `layout` (margins removed), in pixels of
// `resolution` dots per inch, from the paper's top left corner.
QRectF pdfSheetArea(const QPageLayout& layout, int resolution);
