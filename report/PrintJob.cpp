#include "report/PrintJob.h"

#include "report/PreparedReport.h"
#include "report/ReportPageSetup.h"
#include "report/ReportRenderer.h"

#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <set>

std::optional<QList<int>> parsePageRange(const QString& text, int pageCount) {
    static const QRegularExpression item(
        QStringLiteral("^\\s*(\\d{1,9})\\s*(?:-\\s*(\\d{1,9})\\s*)?$"));
    const QStringList parts = text.split(u',');
    std::set<int> pages;
    for (const QString& part : parts) {
        const auto match = item.match(part);
        if (!match.hasMatch())
            return std::nullopt;
        const int first = match.captured(1).toInt();
        const int last = match.captured(2).isEmpty() ? first : match.captured(2).toInt();
        if (first < 1 || last < first)
            return std::nullopt;
        for (int page = first; page <= std::min(last, pageCount); ++page)
            pages.insert(page);
    }
    return QList<int>(pages.begin(), pages.end());
}

std::optional<QList<int>> printSequence(const PrintJob& job, int pageCount, int currentPage) {
    QList<int> pages;
    switch (job.range) {
    case PrintJob::Range::All:
        for (int page = 1; page <= pageCount; ++page)
            pages << page;
        break;
    case PrintJob::Range::Current:
        if (currentPage >= 1 && currentPage <= pageCount)
            pages << currentPage;
        break;
    case PrintJob::Range::Pages: {
        const auto parsed = parsePageRange(job.pagesText, pageCount);
        if (!parsed)
            return std::nullopt;
        pages = *parsed;
        break;
    }
    }
    if (job.parity != PrintJob::Parity::All) {
        const int keep = job.parity == PrintJob::Parity::Odd ? 1 : 0;
        pages.removeIf([keep](int page) { return page % 2 != keep; });
    }
    const int copies = std::clamp(job.copies, 1, 999);
    QList<int> sequence;
    if (job.collate) {
        for (int copy = 0; copy < copies; ++copy)
            sequence << pages;
    } else {
        for (int page : pages)
            for (int copy = 0; copy < copies; ++copy)
                sequence << page;
    }
    return sequence;
}

namespace {

// A stored bin number (1 upper, 2 lower, ... 15 form source; 65535 the
// printer's default) as the printer's paper source.
void setBin(QPrinter& printer, std::int32_t bin) {
    if (printer.outputFormat() != QPrinter::NativeFormat || bin < 1 || bin > 15 || bin == 12 ||
        bin == 13)
        return;
    const int source = bin <= 11 ? bin - 1 : bin - 3;
    printer.setPaperSource(static_cast<QPrinter::PaperSource>(source));
}

} // namespace

bool printPages(QPrinter& printer, const PreparedReport& report, const QList<int>& sequence) {
    const bool pdf = printer.outputFormat() == QPrinter::PdfFormat;
    if (pdf)
        printer.setResolution(kPdfResolution);
    printer.setDocName(report.title);
    printer.setCreator(report.creator);
    QPainter painter;
    bool started = false;
    for (int number : sequence) {
        if (number < 1 || number > int(report.pages.size()))
            continue;
        const PreparedPage& page = report.pages[std::size_t(number - 1)];
        const QPageLayout layout = pageLayoutOf(
            page, pdf ? pdfMargins() : printer.pageLayout().margins(QPageLayout::Point));
        setBin(printer, page.bin);
        printer.setPageLayout(layout);
        if (started) {
            if (!printer.newPage())
                return false;
        } else {
            if (!painter.begin(&printer))
                return false;
            started = true;
        }
        const QRectF printable = printer.pageRect(QPrinter::DevicePixel);
        const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
        // The painter's origin: the paper's corner on a full page, else the
        // printable area's.
        const QPointF origin = printer.fullPage() ? QPointF() : printable.topLeft();
        QRectF target;
        if (pdf && page.stretchToPrintable) {
            // Every PDF of the report has the same printable area.
            target = pdfSheetArea(layout, printer.resolution()).translated(-origin);
        } else if (page.stretchToPrintable) {
            target = printable.translated(-origin);
        } else {
            const double dpiX = printer.logicalDpiX(), dpiY = printer.logicalDpiY();
            target = QRectF(paper.topLeft() - origin, QSizeF(page.width * dpiX / kUnitsPerInch,
                                                             page.height * dpiY / kUnitsPerInch));
        }
        renderPage(painter, page, target);
    }
    return started && painter.end();
}
