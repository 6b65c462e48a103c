#include "app/Main.h"
#include "calc/RegionalSettings.h"
#include "platform/Application.h"
#include "widgets/TFnpNumericEdit.h"
#include "widgets/TNumEdit.h"
#include "widgets/TStringAlignGrid.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A control of the window, found by its objectName as any outside tool finds it.
template <typename T>
T* control(TfrmMain& window, const char* name) {
    return window.findChild<T*>(QLatin1String(name));
}

void enterInputs(TfrmMain& window, long double balance, long double savings, double rate) {
    control<TNumEdit>(window, "edtBalance")->setValue(balance);
    control<TNumEdit>(window, "edtSavings")->setValue(savings);
    control<TFnpNumericEdit>(window, "edtInterest")->setValue(rate);
}

// The window's own recalculation, run through its meta-object.
void calculate(TfrmMain& window, const char* handler = "CalculateGrdFV") {
    QMetaObject::invokeMethod(&window, handler);
}

} // namespace

// One full recalculation of the main window: inputs read from the controls,
// 77 future values, 95 texts formatted and written into the grid, base cell
// selected and coloured.
static void BM_CalculateGrdFV(benchmark::State& state) {
    TfrmMain window(RegionalSettings::unitedStates());
    enterInputs(window, 1000, 100, 6);
    for (auto _ : state) {
        calculate(window);
        benchmark::DoNotOptimize(window.snapshot().baseCell().size());
    }
}
BENCHMARK(BM_CalculateGrdFV)->Unit(benchmark::kMicrosecond);

// The same with the grid painted at once, as the shown window does.
static void BM_CalculateGrdFVAndPaint(benchmark::State& state) {
    TfrmMain window(RegionalSettings::unitedStates());
    window.show();
    enterInputs(window, 1000, 100, 6);
    auto* grid = control<TStringAlignGrid>(window, "grdFV");
    for (auto _ : state) {
        calculate(window);
        grid->viewport()->repaint();
    }
}
BENCHMARK(BM_CalculateGrdFVAndPaint)->Unit(benchmark::kMicrosecond);

// The same after CleanGrid, as the reset command and the recovery run it.
static void BM_CleanGridAndCalculate(benchmark::State& state) {
    TfrmMain window(RegionalSettings::unitedStates());
    enterInputs(window, 0, 250, 7.25);
    for (auto _ : state) {
        calculate(window, "CleanGrid");
        calculate(window);
    }
}
BENCHMARK(BM_CleanGridAndCalculate)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // A private runtime folder: the window's single-instance lock never meets
    // a running copy of the program.
    QTemporaryDir runtimeDir;
    QFile::setPermissions(runtimeDir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
