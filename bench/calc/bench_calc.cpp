#include "calc/FutureValue.h"
#include "calc/GoalMarks.h"
#include "calc/GoalSolver.h"
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

ScheduleInputs exampleInputs() {
    ScheduleInputs inputs;
    inputs.balance = 1000;
    inputs.savings = 100;
    inputs.rate = 6;
    inputs.firstYear = 2000;
    inputs.lastYear = 2010;
    inputs.savingsStepIndex = 1;
    inputs.rateStepIndex = 3;
    return inputs;
}

// One whole recalculation: 77 future values and 95 texts; with the goal marks
// of a $20,000 target when the argument is 1.
void BM_Schedule(benchmark::State& state) {
    const ScheduleInputs inputs = exampleInputs();
    const bool marked = state.range(0) == 1;
    const RegionalSettings regional = RegionalSettings::unitedStates();
    ScheduleSnapshot snapshot = cleanSchedule();
    for (auto _ : state) {
        computeSchedule(inputs, regional, snapshot);
        benchmark::DoNotOptimize(snapshot.cells[kBaseRow][kBaseColumn].constData());
        if (marked) {
            const GoalMarks marks = goalMarks(snapshot, 20000.0);
            benchmark::DoNotOptimize(marks.reached.data());
        }
    }
}
BENCHMARK(BM_Schedule)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// One solve of the example for a $20,000 target: 0 savings, 1 balance, 2 term, 3 rate.
void BM_SolveGoal(benchmark::State& state) {
    const ScheduleInputs inputs = exampleInputs();
    const auto unknown = static_cast<GoalUnknown>(state.range(0));
    for (auto _ : state) {
        const GoalAnswer answer = solveGoal(inputs, 20000.0, unknown);
        benchmark::DoNotOptimize(answer.value);
    }
}
BENCHMARK(BM_SolveGoal)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
