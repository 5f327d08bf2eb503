// The phone engine: loading and laying out a 2 KB deck, and a key press
// with its new layout, against parsing the same deck alone in the same run.
#include "browser/browser.h"
#include "browser/fetcher.h"
#include "wml/wmldocument.h"

#include "benchdeck.h"

#include <QRegularExpression>
#include <benchmark/benchmark.h>

namespace {

// Two cards of the benchmark deck (about 2 KB), without the onevent that
// would send every card back to the first.
QString deck()
{
    static const QRegularExpression onevent(QStringLiteral("<onevent.*?</onevent>\\r\\n"),
                                            QRegularExpression::DotMatchesEverythingOption);
    QString text = QStringLiteral("<?xml version=\"1.0\"?>\r\n"
                                  "<!DOCTYPE wml PUBLIC \"-//WAPFORUM//DTD WML 1.3//EN\" "
                                  "\"http://www.wapforum.org/DTD/wml13.dtd\">\r\n<wml>\r\n");
    for (int card = 1; card <= 2; ++card)
        text += BenchDeck::card(card, QStringLiteral("pic%1.wbmp").arg(card)).remove(onevent);
    return text + QStringLiteral("</wml>\r\n");
}

class MemoryFetcher : public Fetcher
{
public:
    QByteArray bytes;
    FetchResult fetch(const FetchRequest &request) override
    {
        if (!request.url.path().endsWith(QLatin1String(".wml")))
            return FetchResult::failure(QStringLiteral("no pictures here"));
        FetchResult result;
        result.ok = true;
        result.bytes = bytes;
        return result;
    }
};

} // namespace

static void BM_Parse2KB(benchmark::State &state)
{
    const QString text = deck();
    for (auto _ : state)
        benchmark::DoNotOptimize(WmlDocument::parse(text));
    state.counters["bytes"] = double(text.size());
}
BENCHMARK(BM_Parse2KB)->Unit(benchmark::kMicrosecond);

static void BM_LoadAndLayOut2KB(benchmark::State &state)
{
    MemoryFetcher fetcher;
    fetcher.bytes = deck().toUtf8();
    qsizetype lines = 0;
    for (auto _ : state) {
        Browser browser(fetcher, DeviceProfile());
        browser.load(QStringLiteral("http://bench.test/deck.wml"));
        lines = browser.screen().lines.size();
    }
    state.counters["lines"] = double(lines);
}
BENCHMARK(BM_LoadAndLayOut2KB)->Unit(benchmark::kMicrosecond);

static void BM_KeyPressWithLayout(benchmark::State &state)
{
    MemoryFetcher fetcher;
    fetcher.bytes = deck().toUtf8();
    Browser browser(fetcher, DeviceProfile());
    browser.load(QStringLiteral("http://bench.test/deck.wml"));
    bool down = true;
    for (auto _ : state) {
        browser.press(down ? Browser::Key::Down : Browser::Key::Up);
        benchmark::DoNotOptimize(browser.screen().focus);
        down = !down;
    }
}
BENCHMARK(BM_KeyPressWithLayout)->Unit(benchmark::kMicrosecond);

static void BM_FollowLinkToNextCard(benchmark::State &state)
{
    MemoryFetcher fetcher;
    fetcher.bytes = deck().toUtf8();
    Browser browser(fetcher, DeviceProfile());
    browser.load(QStringLiteral("http://bench.test/deck.wml"));
    for (auto _ : state) {
        browser.press(Browser::Key::Soft1); // accept: go to the next card, within the deck
        benchmark::DoNotOptimize(browser.screen().lines.size());
        browser.press(Browser::Key::Back);
        benchmark::DoNotOptimize(browser.screen().lines.size());
    }
}
BENCHMARK(BM_FollowLinkToNextCard)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
