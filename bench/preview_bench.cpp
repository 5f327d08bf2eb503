// The whole Preview road (card model, pages, image scan) for a 1 MB deck of
// 500 cards with 50 WBMP pictures, against copying the deck file.
#include "cardmodel/cardmodel.h"
#include "editor/plaintextbuffer.h"
#include "preview/previewimages.h"
#include "preview/previewroad.h"

#include "benchdeck.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct Site
{
    BenchDeck::ProgramFolder folder;
    QTemporaryDir &dir = folder.dir;
    QString deckPath;
    QString source;

    Site()
    {
        QDir().mkpath(dir.filePath(QStringLiteral("site/pics")));

        // 50 pictures of 96 x 48 pixels.
        QByteArray picture = QByteArray::fromHex("00006030");
        for (int i = 0; i < 48 * 12; ++i)
            picture.append(char(i * 37));
        for (int i = 0; i < 50; ++i) {
            QFile file(dir.filePath(QStringLiteral("site/pics/p%1.wbmp").arg(i)));
            file.open(QIODevice::WriteOnly);
            file.write(picture);
        }
        // Cards of about 2 KB of mixed elements; every tenth shows a picture.
        source = QStringLiteral("<?xml version=\"1.0\"?>\r\n<wml>\r\n");
        for (int card = 0; card < 500; ++card) {
            const QString picture = card % 10 == 0 ? QStringLiteral("pics/p%1.wbmp").arg(card / 10)
                                                   : QStringLiteral("pics/none.wbmp");
            source += BenchDeck::card(card, picture);
            // More lines of text bring each card to about 2 KB.
            source.insert(source.size() - 9, QStringLiteral("<p>"));
            while (source.size() < qsizetype(card + 1) * 2097 - 13)
                source.insert(source.size() - 9, QStringLiteral("More text on a line of its own, as paragraphs of a "
                                                                 "longer card have them.\r\n"));
            source.insert(source.size() - 9, QStringLiteral("</p>\r\n"));
        }
        source += QStringLiteral("</wml>\r\n");
        deckPath = dir.filePath(QStringLiteral("site/deck.wml"));
        QFile deck(deckPath);
        deck.open(QIODevice::WriteOnly);
        deck.write(source.toUtf8());
    }
};

Site &site()
{
    static Site instance;
    return instance;
}

} // namespace

static void BM_CopyDeckFile(benchmark::State &state)
{
    const QString copy = site().dir.filePath(QStringLiteral("copy.wml"));
    for (auto _ : state) {
        QFile::remove(copy);
        QFile::copy(site().deckPath, copy);
    }
    state.SetBytesProcessed(state.iterations() * site().source.size());
}
BENCHMARK(BM_CopyDeckFile)->Unit(benchmark::kMillisecond);

static void BM_PreviewRoad(benchmark::State &state)
{
    CardModel model;
    PlainTextBuffer buffer;
    PreviewRoad::Request request;
    request.source = site().source;
    request.documentFolder = site().dir.filePath(QStringLiteral("site"));
    request.pageFolder = site().dir.filePath(QStringLiteral("program/temp"));
    request.light = QColor(127, 175, 144);
    int cards = 0;
    for (auto _ : state)
        cards = int(PreviewRoad::run(model, request, buffer).cardNames.size());
    state.counters["cards"] = cards;
    state.SetBytesProcessed(state.iterations() * site().source.size());
}
BENCHMARK(BM_PreviewRoad)->Unit(benchmark::kMillisecond);

// The image scan of a generated deck written as one line, with state.range(0)
// references to pictures that are not there: the time should grow with the
// deck, not with the square of the pictures on its line.
static QString oneLineDeck(int pictures)
{
    QString deck = QStringLiteral("<?xml version=\"1.0\"?><wml><card id=\"c\"><p>");
    for (int i = 0; i < pictures; ++i)
        deck += QStringLiteral("<img src=\"pics/missing%1.wbmp\" alt=\"Picture %1\"/>").arg(i);
    return deck + QStringLiteral("</p></card></wml>");
}

static void BM_ImageScanOneLine(benchmark::State &state)
{
    const QString deck = oneLineDeck(int(state.range(0)));
    const QString folder = site().dir.filePath(QStringLiteral("site"));
    const QString pages = site().dir.filePath(QStringLiteral("program/temp"));
    for (auto _ : state)
        PreviewImages::scan(deck, folder, pages, QColor(Qt::white));
    state.SetBytesProcessed(state.iterations() * deck.size());
}
BENCHMARK(BM_ImageScanOneLine)->Arg(1000)->Arg(4000)->Arg(16000)->Unit(benchmark::kMillisecond);

// The baseline for the scan: one case-sensitive pass over the same deck.
static void BM_IndexOfOneLine(benchmark::State &state)
{
    const QString deck = oneLineDeck(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(deck.count(QLatin1String(".wbmp")));
    state.SetBytesProcessed(state.iterations() * deck.size());
}
BENCHMARK(BM_IndexOfOneLine)->Arg(16000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
