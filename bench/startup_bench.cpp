// Start-up to the first shown main window, against a bare QMainWindow
// started the same way in the same run.
#include "app/mainform.h"

#include <QApplication>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

static void BM_BareMainWindow(benchmark::State &state)
{
    for (auto _ : state) {
        QMainWindow window;
        window.show();
        QTest::qWaitForWindowExposed(&window);
    }
}
BENCHMARK(BM_BareMainWindow)->Unit(benchmark::kMillisecond);

static void BM_TarnelMainWindow(benchmark::State &state)
{
    for (auto _ : state) {
        TMainForm window(nullptr, false);
        window.show();
        QTest::qWaitForWindowExposed(&window);
    }
}
BENCHMARK(BM_TarnelMainWindow)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QTemporaryDir programFolder;
    qputenv("TARNEL_PROGRAM_DIR", QFile::encodeName(programFolder.path()));
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
