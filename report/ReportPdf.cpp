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
        writer.setResolution(600);
        writer.setCreator(QStringLiteral("Tallowmere"));
        if (!report.pages.empty())
            writer.setPageLayout(pageLayoutOf(report.pages.front(), QMarginsF()));
        QPainter painter;
        bool first = true;
        for (const PreparedPage& page : report.pages) {
            if (!first) {
                writer.setPageLayout(pageLayoutOf(page, QMarginsF()));
                writer.newPage();
            } else if (!painter.begin(&writer)) {
                return {};
            }
            first = false;
            renderPage(painter, page, QRectF(0, 0, writer.width(), writer.height()));
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
