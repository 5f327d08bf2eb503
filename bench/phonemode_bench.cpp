// The Phone mode: a key press on the phone until the phone is painted
// again (the engine's new layout and the painting), against painting the
// same phone again without a new layout, in the same run. The deck is the
// 2 KB benchmark deck with a link on each line.
#include "browser/phonesession.h"
#include "preview/phoneview.h"

#include <QApplication>
#include <QKeyEvent>
#include <benchmark/benchmark.h>

namespace {

constexpr int linkCount = 48; // about 2 KB of deck

QString deck()
{
    QString links;
    for (int i = 1; i <= linkCount; ++i)
        links += QStringLiteral("<a href=\"#c%1\">Link number %1</a><br/>\n").arg(i);
    return QStringLiteral("<?xml version=\"1.0\"?>\n<!DOCTYPE wml PUBLIC \"-//WAPFORUM//DTD WML 1.3//EN\" "
                          "\"http://www.wapforum.org/DTD/wml13.dtd\">\n<wml><card id=\"c\" title=\"Bench\"><p>")
           + links + QStringLiteral("</p></card></wml>\n");
}

class NoNetwork : public Fetcher
{
public:
    FetchResult fetch(const FetchRequest &) override { return FetchResult::failure(QStringLiteral("offline")); }
};

struct Phone
{
    NoNetwork network;
    PhoneSession session{network};
    PhoneView view{session};

    Phone()
    {
        DeviceProfile profile;
        profile.screenWidth = 128;
        profile.screenHeight = 128;
        view.setProfile(profile);
        view.resize(384, 384); // three times
        view.show();
        session.open(deck(), QUrl(QStringLiteral("file:///bench/deck.wml")), profile);
        QApplication::processEvents();
    }
    void key(Qt::Key key)
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&view, &press);
    }
};

} // namespace

static void BM_KeyToRepaint(benchmark::State &state)
{
    Phone phone;
    int step = 0;
    for (auto _ : state) {
        // Down through the links and back up, so every press moves the focus.
        phone.key((step++ / (linkCount - 1)) % 2 == 0 ? Qt::Key_Down : Qt::Key_Up);
        phone.view.repaint();
    }
    state.counters["deckBytes"] = double(deck().size());
}
BENCHMARK(BM_KeyToRepaint)->Unit(benchmark::kMicrosecond);

static void BM_RepaintOnly(benchmark::State &state)
{
    Phone phone;
    for (auto _ : state)
        phone.view.repaint();
}
BENCHMARK(BM_RepaintOnly)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
