// Rebuilding the card model of generated decks of 0.5 to 8 MB, against a
// pass that only counts the "<" of the same text.
#include "cardmodel/cardmodel.h"
#include "cardmodel/cardparser.h"

#include "benchdeck.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <map>

namespace {

// About 500 cards per MB, each with mixed elements and an image that does
// not exist.
QString deck(qsizetype bytes)
{
    QString text = QStringLiteral("<?xml version=\"1.0\"?>\r\n<wml>\r\n");
    text.reserve(bytes + 4096);
    for (int card = 1; text.size() < bytes; ++card)
        text += BenchDeck::card(card, QStringLiteral("pics/missing%1.wbmp").arg(card));
    text += QStringLiteral("</wml>\r\n");
    return text;
}

const QString &deckOf(qsizetype kib)
{
    static std::map<qsizetype, QString> decks;
    auto found = decks.find(kib);
    if (found == decks.end())
        found = decks.emplace(kib, deck(kib * 1024)).first;
    return found->second;
}

} // namespace

static void BM_CountBrackets(benchmark::State &state)
{
    const QString &text = deckOf(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(text.count(QLatin1Char('<')));
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_CountBrackets)->Arg(512)->Arg(1024)->Arg(2048)->Arg(4096)->Arg(8192)->Unit(benchmark::kMillisecond);

static void BM_RebuildCardModel(benchmark::State &state)
{
    static BenchDeck::ProgramFolder folder;
    const QString &text = deckOf(state.range(0));
    CardModel model;
    model.setImageFolder(folder.path(QStringLiteral("site")));
    for (auto _ : state)
        CardParser::SplitCards(model, text);
    state.SetBytesProcessed(state.iterations() * text.size());
    state.counters["cards"] = model.pageCount();
}
BENCHMARK(BM_RebuildCardModel)->Arg(512)->Arg(1024)->Arg(2048)->Arg(4096)->Arg(8192)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
