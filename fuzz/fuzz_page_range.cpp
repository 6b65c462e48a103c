// The print dialog's page list ("1,3,5-12") and the page sequence built from
// it. Input: two bytes of page count, one of copies, one of choices, then the
// text. A list read is ascending, without repeats, inside the report, and
// reads back the same when written out; the sequence repeats it per copy.

#include "FuzzCheck.h"
#include "report/PrintJob.h"

#include <QStringList>

namespace {

QString written(const QList<int>& pages) {
    QStringList items;
    for (int page : pages)
        items << QString::number(page);
    return items.join(u',');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4)
        return 0;
    // Page counts and copies as the dialog offers them.
    const int pageCount = 1 + (data[0] | (data[1] << 8)) % 1000;
    PrintJob job;
    job.copies = data[2] % 12;
    job.collate = data[3] & 1;
    job.parity = static_cast<PrintJob::Parity>((data[3] >> 1) % 3);
    job.range = PrintJob::Range::Pages;
    job.pagesText = QString::fromUtf8(Fuzz::bytes(data + 4, size - 4));

    const auto pages = parsePageRange(job.pagesText, pageCount);
    const auto sequence = printSequence(job, pageCount, 1);
    FUZZ_CHECK(pages.has_value() == sequence.has_value());
    if (!pages)
        return 0;
    for (qsizetype i = 0; i < pages->size(); ++i) {
        FUZZ_CHECK(pages->at(i) >= 1 && pages->at(i) <= pageCount);
        if (i > 0)
            FUZZ_CHECK(pages->at(i - 1) < pages->at(i));
    }
    if (!pages->isEmpty())
        FUZZ_CHECK(parsePageRange(written(*pages), pageCount) == pages);

    qsizetype kept = 0;
    for (int page : *pages)
        kept += job.parity == PrintJob::Parity::All ||
                (page % 2 == 1) == (job.parity == PrintJob::Parity::Odd);
    FUZZ_CHECK(sequence->size() == kept * std::max(1, job.copies));
    for (int page : *sequence)
        FUZZ_CHECK(pages->contains(page));
    return 0;
}
