// Checking a deck: a 2 KB deck and a 1 MB deck, against parsing the same
// text with Qt's XML stream reader alone (no tree, no rules) in the same run.
#include "check/checker.h"
#include "wml/wmldocument.h"

#include "benchdeck.h"

#include <QXmlStreamReader>
#include <benchmark/benchmark.h>

namespace {

QString deckOfSize(int bytes)
{
    QString deck = QStringLiteral("<?xml version=\"1.0\"?>\r\n"
                                  "<!DOCTYPE wml PUBLIC \"-//WAPFORUM//DTD WML 1.3//EN\" "
                                  "\"http://www.wapforum.org/DTD/wml13.dtd\">\r\n<wml>\r\n");
    for (int card = 1; deck.size() < bytes; ++card)
        deck += BenchDeck::card(card, QStringLiteral("pic.wbmp"));
    return deck + QStringLiteral("</wml>\r\n");
}

} // namespace

static void BM_XmlReaderAlone(benchmark::State &state)
{
    const QString deck = deckOfSize(int(state.range(0)));
    for (auto _ : state) {
        QXmlStreamReader reader(deck);
        while (!reader.atEnd())
            reader.readNext();
        benchmark::DoNotOptimize(reader.hasError());
    }
    state.SetBytesProcessed(state.iterations() * deck.size());
}
BENCHMARK(BM_XmlReaderAlone)->Arg(2 * 1024)->Arg(1024 * 1024)->Unit(benchmark::kMillisecond);

static void BM_ParseOnly(benchmark::State &state)
{
    const QString deck = deckOfSize(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(WmlDocument::parse(deck));
    state.SetBytesProcessed(state.iterations() * deck.size());
}
BENCHMARK(BM_ParseOnly)->Arg(2 * 1024)->Arg(1024 * 1024)->Unit(benchmark::kMillisecond);

static void BM_ParseAndCheck(benchmark::State &state)
{
    const QString deck = deckOfSize(int(state.range(0)));
    int problems = 0;
    for (auto _ : state) {
        const auto document = WmlDocument::parse(deck);
        problems = int(Checker::check(*document, Checker::Options()).size());
    }
    state.counters["problems"] = problems;
    state.SetBytesProcessed(state.iterations() * deck.size());
}
BENCHMARK(BM_ParseAndCheck)->Arg(2 * 1024)->Arg(1024 * 1024)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
