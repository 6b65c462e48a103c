#include "report/ReportPageSetup.h"

#include "report/PreparedReport.h"

#include <QSizeF>

QPageLayout pageLayoutOf(const PreparedPage& page, const QMarginsF& margins) {
    QPageSize size;
    if (page.paperSize == 1)
        size = QPageSize(QPageSize::Letter);
    else if (page.paperWidth > 0 && page.paperHeight > 0)
        size = QPageSize(QSizeF(page.paperWidth / 10.0, page.paperHeight / 10.0),
                         QPageSize::Millimeter);
    else
        size = QPageSize(QPageSize::Letter);
    return QPageLayout(size, page.orientation == 1 ? QPageLayout::Landscape : QPageLayout::Portrait,
                       margins, QPageLayout::Millimeter);
}
