#pragma once

#include <QList>
#include <QString>
#include <optional>

class QPrinter;
struct PreparedReport;

// What the print dialog asks for, and how it becomes a list of pages to print.
struct PrintJob {
    enum class Range { All, Current, Pages };
    enum class Parity { All, Odd, Even };

    Range range = Range::All;
    QString pagesText; // "1,3,5-12" when range is Pages
    int copies = 1;
    bool collate = true;
    Parity parity = Parity::All;
};

// Parses "1,3,5-12": numbers and ranges separated by commas (spaces allowed),
// each between 1 and `pageCount` (numbers above it are dropped). Returns the
// page numbers in ascending order without repeats, or nothing when the text is
// not such a list.
std::optional<QList<int>> parsePageRange(const QString& text, int pageCount);

// The pages (1-based) to send, in order: the chosen range, filtered to odd or
// even numbers, then repeated for the copies, collated or page by page.
// Nothing when the page list cannot be parsed.
std::optional<QList<int>> printSequence(const PrintJob& job, int pageCount, int currentPage);

// Prints the pages of `sequence` on `printer`, setting paper and orientation
// before each page. With StretchToPrintable the sheet fills the printable area;
// otherwise it maps 1:1 onto the paper and the unprintable border cuts it.
bool printPages(QPrinter& printer, const PreparedReport& report, const QList<int>& sequence);
