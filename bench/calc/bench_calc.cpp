#include "calc/FutureValue.h"
#include "calc/Schedule.h"

#include <benchmark/benchmark.h>

namespace {

void BM_CalcFV(benchmark::State& state) {
    const QString frequency = QStringLiteral("Monthly");
    double rate = 6;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rate);
        benchmark::DoNotOptimize(CalcFV(frequency, 1000, rate, 120, 100));
    }
}
BENCHMARK(BM_CalcFV);

// One whole recalculation: 77 future values and 95 texts.
void BM_Schedule(benchmark::State& state) {
    ScheduleInputs inputs;
    inputs.balance = 1000;
    inputs.savings = 100;
    inputs.rate = 6;
    inputs.firstYear = 2000;
    inputs.lastYear = 2010;
    inputs.savingsStepIndex = 1;
    inputs.rateStepIndex = 3;
    const RegionalSettings regional = RegionalSettings::unitedStates();
    ScheduleSnapshot snapshot = cleanSchedule();
    for (auto _ : state) {
        computeSchedule(inputs, regional, snapshot);
        benchmark::DoNotOptimize(snapshot.cells[kBaseRow][kBaseColumn].constData());
    }
}
BENCHMARK(BM_Schedule)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
