// Compiling decks to WBXML: one 2 KB deck against parsing it alone, and
// 200 decks of 1 to 3 KB, parsed and compiled, as a site's build does.
#include "wbxml/wbxmlwriter.h"
#include "wml/wmldocument.h"

#include "benchdeck.h"

#include <benchmark/benchmark.h>
#include <vector>

namespace {

QString deckOfCards(int cards, int first)
{
    QString deck = QStringLiteral("<?xml version=\"1.0\"?>\r\n"
                                  "<!DOCTYPE wml PUBLIC \"-//WAPFORUM//DTD WML 1.3//EN\" "
                                  "\"http://www.wapforum.org/DTD/wml13.dtd\">\r\n<wml>\r\n");
    for (int card = first; card < first + cards; ++card)
        deck += BenchDeck::card(card, QStringLiteral("pic%1.wbmp").arg(card));
    return deck + QStringLiteral("</wml>\r\n");
}

} // namespace

static void BM_Parse2KB(benchmark::State &state)
{
    const QString deck = deckOfCards(1, 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(WmlDocument::parse(deck));
    state.counters["bytes"] = double(deck.size());
}
BENCHMARK(BM_Parse2KB)->Unit(benchmark::kMicrosecond);

static void BM_Encode2KB(benchmark::State &state)
{
    const auto document = WmlDocument::parse(deckOfCards(1, 1));
    qsizetype size = 0;
    for (auto _ : state)
        size = WbxmlWriter::encode(*document).size();
    state.counters["compiled"] = double(size);
}
BENCHMARK(BM_Encode2KB)->Unit(benchmark::kMicrosecond);

static void BM_ParseAndEncode200Decks(benchmark::State &state)
{
    std::vector<QString> decks;
    for (int i = 0; i < 200; ++i)
        decks.push_back(deckOfCards(1 + i % 3, i)); // 1, 2 and 3 cards: about 1.1 to 3.3 KB
    for (auto _ : state) {
        for (const QString &deck : decks)
            benchmark::DoNotOptimize(WbxmlWriter::encode(*WmlDocument::parse(deck)));
    }
}
BENCHMARK(BM_ParseAndEncode200Decks)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
