// The whole Preview road (card model, pages, image scan) for a 1 MB deck of
// 500 cards with 50 WBMP pictures, against copying the deck file.
#include "cardmodel/cardmodel.h"
#include "editor/plaintextbuffer.h"
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

BENCHMARK_MAIN();
