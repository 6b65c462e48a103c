#include "report/ReportPdf.h"

#include "report/PreparedReport.h"
#include "report/ReportPageSetup.h"
#include "report/ReportRenderer.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

QByteArray renderReportPdf(const PreparedReport& report) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setTitle(report.title);
        writer.setCreator(report.creator);
        if (!report.pages.empty())
            writer.setPageLayout(pageLayoutOf(report.pages.front(), pdfMargins()));
        QPainter painter;
        bool first = true;
        for (const PreparedPage& page : report.pages) {
            if (!first) {
                writer.setPageLayout(pageLayoutOf(page, pdfMargins()));
                writer.newPage();
            } else if (!painter.begin(&writer)) {
                return {};
            }
            first = false;
            // The painter's origin is the corner of the margins.
            const QRectF area = pdfSheetArea(writer.pageLayout(), kPdfResolution);
            renderPage(painter, page, QRectF(QPointF(0, 0), area.size()));
        }
        if (painter.isActive())
            painter.end();
    }
    return bytes;
}

bool writeReportPdf(const PreparedReport& report, const QString& fileName, QString& error) {
    const QByteArray pdf = renderReportPdf(report);
    if (pdf.isEmpty()) {
        error = QStringLiteral("the report has no page to write");
        return false;
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size() || !file.commit()) {
        error = QStringLiteral("cannot write %1: %2").arg(fileName, file.errorString());
        return false;
    }
    return true;
}
