#include "calc/Growth.h"
#include "calc/GrowthTexts.h"
#include "growth/GrowthWindow.h"
#include "platform/Application.h"

#include <QPixmap>
#include <QStandardPaths>
#include <benchmark/benchmark.h>

namespace {

// Balance 1000, savings 100, 6 % compounded monthly, over 100 years.
GrowthInputs centuryInputs() {
    GrowthInputs in;
    in.balance = 1000;
    in.savings = 100;
    in.rate = 6;
    in.term = 1200;
    in.firstMonth = 1;
    in.firstYear = 2000;
    return in;
}

} // namespace

// The figures: 100 rows, each a future value from CalcFV.
static void BM_GrowthFigures(benchmark::State& state) {
    const GrowthInputs in = centuryInputs();
    for (auto _ : state)
        benchmark::DoNotOptimize(computeGrowth(in).rows.size());
}
BENCHMARK(BM_GrowthFigures)->Unit(benchmark::kMicrosecond);

// The CSV that Save As writes and the command line prints.
static void BM_GrowthCsv(benchmark::State& state) {
    const Growth growth = computeGrowth(centuryInputs());
    const RegionalSettings regional = RegionalSettings::unitedStates();
    for (auto _ : state)
        benchmark::DoNotOptimize(growthAsCsv(growth, regional).size());
}
BENCHMARK(BM_GrowthCsv)->Unit(benchmark::kMicrosecond);

// From the figures to the window's first paint: the window built (chart and
// table), shown, laid out and painted whole.
static void BM_GrowthWindowFirstPaint(benchmark::State& state) {
    const RegionalSettings regional = RegionalSettings::unitedStates();
    for (auto _ : state) {
        GrowthWindow window(computeGrowth(centuryInputs()), regional);
        window.show();
        benchmark::DoNotOptimize(window.grab().cacheKey());
    }
}
BENCHMARK(BM_GrowthWindowFirstPaint)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The window reads its size from the per-user store: the test one here.
    QStandardPaths::setTestModeEnabled(true);
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
