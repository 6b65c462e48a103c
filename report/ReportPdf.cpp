#include "report/ReportPdf.h"

#include "platform/SafeFile.h"
#include "report/PreparedReport.h"
#include "report/ReportPageSetup.h"
#include "report/ReportRenderer.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>
#include <numeric>

QByteArray renderReportPdf(const PreparedReport& report) {
    QList<int> all(qsizetype(report.pages.size()));
    std::iota(all.begin(), all.end(), 1);
    return renderReportPdf(report, all);
}

QByteArray renderReportPdf(const PreparedReport& report, const QList<int>& sequence) {
    QList<int> numbers = sequence;
    numbers.removeIf(
        [&report](int number) { return number < 1 || number > int(report.pages.size()); });
    if (numbers.isEmpty())
        return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setTitle(report.title);
        writer.setCreator(report.creator);
        QPainter painter;
        for (int number : numbers) {
            const PreparedPage& page = report.pages[std::size_t(number - 1)];
            // Each page on its own paper: set before the page begins.
            writer.setPageLayout(pageLayoutOf(page, pdfMargins()));
            if (painter.isActive())
                writer.newPage();
            else if (!painter.begin(&writer))
                return {};
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
        error = QCoreApplication::translate("ReportPdf", "the report has no page to write");
        return false;
    }
    try {
        SafeFile::write(fileName, pdf, SafeFile::Special::Wait);
    } catch (const SafeFile::Error& e) {
        error = QCoreApplication::translate("ReportPdf", "cannot write %1: %2")
                    .arg(fileName, e.reason());
        return false;
    }
    return true;
}
