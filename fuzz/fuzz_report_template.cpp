// The stored report template: any bytes read without a crash, and what reads
// back as a template is written and read again to the same bytes.

#include "FuzzCheck.h"
#include "report/ReportStream.h"
#include "report/TfrReport.h"

namespace {

bool isOnlyEmptyPage(const TfrReport& report) {
    return report.Pages.size() == 1 && report.Pages.front()->Objects.empty();
}

void checkRead(ReportReadResult result, const TfrReport& report) {
    if (result == ReportReadResult::ReadError)
        FUZZ_CHECK(isOnlyEmptyPage(report));
    if (result == ReportReadResult::Unsupported)
        FUZZ_CHECK(report.PrinterName == QLatin1String("unchanged") && report.Pages.empty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input = Fuzz::bytes(data, size).toByteArray();

    // As the stored file (wrapper and stream) and as the bare stream.
    TfrReport stored;
    stored.PrinterName = QStringLiteral("unchanged");
    const ReportReadResult result = readReport(input, stored);
    checkRead(result, stored);
    TfrReport bare;
    bare.PrinterName = QStringLiteral("unchanged");
    checkRead(readReportStream(input, bare), bare);

    if (result != ReportReadResult::Ok)
        return 0;
    // Written once, the template is in the writer's own form: reading and
    // writing it again changes nothing.
    const QByteArray written = writeReport(stored);
    TfrReport again;
    FUZZ_CHECK(readReport(written, again) == ReportReadResult::Ok);
    FUZZ_CHECK(again.Pages.size() == stored.Pages.size());
    FUZZ_CHECK(writeReport(again) == written);
    return 0;
}
