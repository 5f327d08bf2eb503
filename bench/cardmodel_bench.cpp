// Rebuilding the card model of generated decks of 0.5 to 4 MB, against a
// pass that only counts the "<" of the same text.
#include "cardmodel/cardmodel.h"
#include "cardmodel/cardparser.h"

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
    for (int card = 1; text.size() < bytes; ++card) {
        text += QStringLiteral(
                    "<card id=\"c%1\" title=\"Card %1\">\r\n"
                    "<do type=\"accept\" label=\"Next\">\r\n<go href=\"#c%2\"/>\r\n</do>\r\n"
                    "<p align=\"center\"><img src=\"pics/missing%1.wbmp\" alt=\"pic\"/><br/>\r\n"
                    "<big><b>Heading %1</b></big></p>\r\n"
                    "<p>Some text for card %1, with a <a href=\"#c%2\">link to the next card</a> and more\r\n"
                    "words on a second line of the paragraph.</p>\r\n"
                    "<!-- a comment in card %1 -->\r\n"
                    "<p><select name=\"s%1\"><option value=\"1\">One</option><option value=\"2\">Two</option>"
                    "</select></p>\r\n"
                    "<p>Name: <input name=\"n%1\"/></p>\r\n"
                    "<do type=\"prev\" label=\"Back\"><prev/></do>\r\n"
                    "<onevent type=\"onenterforward\"><go href=\"#c1\"><postfield name=\"a\" value=\"b\"/></go>"
                    "</onevent>\r\n"
                    "<p>Filler text to bring the card near two kilobytes: lorem ipsum dolor sit amet, consectetur\r\n"
                    "adipiscing elit, sed do eiusmod tempor incididunt ut labore et dolore magna aliqua. Ut enim\r\n"
                    "ad minim veniam, quis nostrud exercitation ullamco laboris nisi ut aliquip ex ea commodo.\r\n"
                    "Duis aute irure dolor in reprehenderit in voluptate velit esse cillum dolore eu fugiat.</p>\r\n"
                    "</card>\r\n")
                    .arg(card)
                    .arg(card + 1);
    }
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

struct ProgramFolder
{
    QTemporaryDir dir;
    ProgramFolder()
    {
        QDir().mkpath(dir.filePath(QStringLiteral("data")));
        QFile::copy(QStringLiteral(TARNEL_SOURCE_DIR "/data/check.ini"), dir.filePath(QStringLiteral("data/check.ini")));
        qputenv("TARNEL_PROGRAM_DIR", dir.path().toLocal8Bit());
    }
};

} // namespace

static void BM_CountBrackets(benchmark::State &state)
{
    const QString &text = deckOf(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(text.count(QLatin1Char('<')));
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_CountBrackets)->Arg(512)->Arg(1024)->Arg(2048)->Arg(4096)->Unit(benchmark::kMillisecond);

static void BM_RebuildCardModel(benchmark::State &state)
{
    static ProgramFolder folder;
    const QString &text = deckOf(state.range(0));
    CardModel model;
    model.setImageFolder(folder.dir.path());
    for (auto _ : state)
        CardParser::SplitCards(model, text);
    state.SetBytesProcessed(state.iterations() * text.size());
    state.counters["cards"] = model.pageCount();
}
BENCHMARK(BM_RebuildCardModel)->Arg(512)->Arg(1024)->Arg(2048)->Arg(4096)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
