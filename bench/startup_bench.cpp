// Start-up of the whole process, from starting the program to its main
// window's first map, against a bare QMainWindow program built the same
// way and started the same way in the same run. Each program is started
// offscreen with TARNEL_REPORT_FIRST_MAP set, writes "mapped" when its
// window is first exposed, and quits. The median of the repetitions is
// the figure to read.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QString programPath(const char *name)
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(name);
}

void startToFirstMap(benchmark::State &state, const QString &program)
{
    QTemporaryDir programFolder;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TARNEL_REPORT_FIRST_MAP"), QStringLiteral("1"));
    environment.insert(QStringLiteral("TARNEL_PROGRAM_DIR"), programFolder.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (auto _ : state) {
        QProcess process;
        process.setProcessEnvironment(environment);
        QElapsedTimer clock;
        clock.start();
        process.start(program, {});
        bool mapped = false;
        while (!mapped && process.waitForReadyRead(10000))
            mapped = process.readAllStandardOutput().contains("mapped");
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        if (!mapped)
            state.SkipWithError("the program never reported its first map");
        process.waitForFinished(10000);
    }
}

} // namespace

static void BM_BareMainWindowProcess(benchmark::State &state)
{
    startToFirstMap(state, programPath("barewindow"));
}
BENCHMARK(BM_BareMainWindowProcess)->UseManualTime()->Iterations(5)->Repetitions(5)
    ->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

static void BM_TarnelProcess(benchmark::State &state)
{
    startToFirstMap(state, programPath("tarnel"));
}
BENCHMARK(BM_TarnelProcess)->UseManualTime()->Iterations(5)->Repetitions(5)
    ->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
