// Removing the preview's files at exit: this program's part of "temp"
// holding 22,599 preview files (the pages and picture copies of a 5 MB
// deck), against `rm -rf` of the same tree.
#include "common/previewfolders.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int fileCount = 22599;
constexpr int picturesEvery = 10; // one picture copy, in a sub-folder, per ten pages

// Fills a document's page folder as a preview of a large deck does.
void fillPageFolder(const QString &folder)
{
    QDir().mkpath(folder + QStringLiteral("/pics"));
    const QByteArray page = "<html>\r\n<body>\r\n<p>A line of a card</p>\r\n</body>\r\n</html>\r\n";
    for (int i = 0; i < fileCount; ++i) {
        const QString name = i % picturesEvery == 0 ? QStringLiteral("/pics/p%1.bmp").arg(i)
                                                    : QStringLiteral("/card%1.htm").arg(i);
        const int descriptor = ::open(QFile::encodeName(folder + name).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (descriptor >= 0) {
            (void)::write(descriptor, page.constData(), size_t(page.size()));
            ::close(descriptor);
        }
    }
}

} // namespace

static void BM_RmRfSameTree(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString tree = dir.filePath(QStringLiteral("temp/run/1"));
    const QByteArray command = "rm -rf '" + QFile::encodeName(dir.filePath(QStringLiteral("temp/run"))) + "'";
    for (auto _ : state) {
        state.PauseTiming();
        fillPageFolder(tree);
        state.ResumeTiming();
        benchmark::DoNotOptimize(std::system(command.constData()));
    }
    state.counters["files"] = fileCount;
}
BENCHMARK(BM_RmRfSameTree)->Unit(benchmark::kMillisecond)->Iterations(5);

static void BM_ClearTempFolder(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString temp = dir.filePath(QStringLiteral("temp"));
    for (auto _ : state) {
        state.PauseTiming();
        PreviewFolders folders(temp);
        fillPageFolder(folders.newDocumentFolder());
        state.ResumeTiming();
        folders.ClearTempFolder();
    }
    state.counters["files"] = fileCount;
    if (QDir(temp).exists())
        state.SkipWithError("the temp folder was left behind");
}
BENCHMARK(BM_ClearTempFolder)->Unit(benchmark::kMillisecond)->Iterations(5);

BENCHMARK_MAIN();
