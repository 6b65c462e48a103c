#include "report/PreparedReport.h"
#include "report/ReportPdf.h"
#include "report/ReportRenderer.h"
#include "report/ReportStream.h"
#include "report/ScheduleReport.h"
#include "report/ScheduleTemplate.h"
#include "report/TfrReport.h"
#include "report/TfrUserDataset.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

// The schedule report as the window prints it: the stored template filled from
// the first run's schedule.
struct Schedule {
    TfrReport report;
    TfrUserDataset dataset;
    // `longValues`: 20,000,000 and 200,000 a month at 8% for 40 years, so that
    // every value is shrunk to fit its cell.
    explicit Schedule(bool longValues = false) {
        readReport(scheduleTemplateResource(), report);
        const RegionalSettings regional = RegionalSettings::unitedStates();
        ScheduleInputs in;
        if (longValues) {
            in.balance = 20000000;
            in.savings = 200000;
            in.rate = 8;
            in.firstYear = 2000;
            in.lastYear = 2040;
        }
        fillScheduleReport(report, dataset, computeSchedule(in, regional), regional);
    }
};

} // namespace

// Reading the stored template (4910 bytes, 34 objects).
static void BM_ReadTemplate(benchmark::State& state) {
    const QByteArray stored = scheduleTemplateResource();
    for (auto _ : state) {
        TfrReport report;
        benchmark::DoNotOptimize(readReport(stored, report));
    }
}
BENCHMARK(BM_ReadTemplate)->Unit(benchmark::kMicrosecond);

// Preparing the page: binding, 12 master rows, 96 bracket expansions.
static void BM_Prepare(benchmark::State& state) {
    Schedule schedule;
    for (auto _ : state) {
        schedule.report.PrepareReport();
        benchmark::DoNotOptimize(schedule.report.prepared().pages.size());
    }
}
BENCHMARK(BM_Prepare)->Unit(benchmark::kMicrosecond);

// Drawing the prepared page at 100% on the screen (779 x 1008 pixels).
static void BM_RenderScreen(benchmark::State& state) {
    Schedule schedule;
    schedule.report.PrepareReport();
    QImage image(779, 1008, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        renderPage(painter, schedule.report.prepared().pages[0], QRectF(0, 0, 779, 1008));
    }
}
BENCHMARK(BM_RenderScreen)->Unit(benchmark::kMillisecond);

// What `tallowmere-cli report --pdf` does after computing: prepare and write
// the PDF (in memory).
static void BM_PrepareAndRenderPdf(benchmark::State& state) {
    Schedule schedule(state.range(0) != 0);
    for (auto _ : state) {
        schedule.report.PrepareReport();
        const QByteArray pdf = renderReportPdf(schedule.report.prepared());
        benchmark::DoNotOptimize(pdf.size());
    }
}
// Argument 1: every value shrunk to fit.
BENCHMARK(BM_PrepareAndRenderPdf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
