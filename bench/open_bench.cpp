// Opening a 20 MB WML file into a document window against reading the
// same file's bytes. (Keystrokes are measured in keystroke_bench.)
#include "app/mainform.h"
#include "editor/mdichild.h"

#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <fstream>
#include <sys/resource.h>

namespace {

QString bigFile;

long residentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

void writeBigFile(const QString &path, qint64 bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    const QByteArray card = "<card id=\"c\" title=\"A card\">\r\n<p>Some <b>bold</b> text and a "
                            "<a href=\"#next\">link</a>.<br/></p>\r\n</card>\r\n";
    QByteArray text = "<?xml version=\"1.0\"?>\r\n<wml>\r\n";
    text.reserve(bytes + card.size() + 16);
    while (text.size() < bytes)
        text += card;
    text += "</wml>\r\n";
    file.write(text);
}

} // namespace

static void BM_ReadFileBytes(benchmark::State &state)
{
    for (auto _ : state) {
        QFile file(bigFile);
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(file.readAll());
    }
}
BENCHMARK(BM_ReadFileBytes)->Unit(benchmark::kMillisecond);

static void BM_OpenDocument20MB(benchmark::State &state)
{
    TMainForm main(nullptr, false);
    main.show();
    long peakGrowth = 0;
    for (auto _ : state) {
        const long before = residentKiB();
        main.OpenDocument(bigFile);
        QApplication::processEvents();
        peakGrowth = std::max(peakGrowth, residentKiB() - before);
        state.PauseTiming();
        delete main.mdiArea()->subWindowList().constFirst();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["rss_growth_MiB"] = double(peakGrowth) / 1024.0;
    state.counters["file_MiB"] = double(QFileInfo(bigFile).size()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_OpenDocument20MB)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char **argv)
{
    QTemporaryDir programFolder;
    qputenv("TARNEL_PROGRAM_DIR", QFile::encodeName(programFolder.path()));
    QApplication application(argc, argv);
    bigFile = programFolder.filePath(QStringLiteral("big.wml"));
    writeBigFile(bigFile, 20 * 1024 * 1024);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
