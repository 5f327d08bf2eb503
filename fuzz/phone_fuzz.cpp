// Runs arbitrary bytes as a deck on the phone engine and presses keys
// taken from the input's last bytes: the engine may not crash, may not
// loop (libFuzzer's time-out catches a hang), fetches a bounded number of
// times per key, and never reads a local file for a deck from the network.
#include "browser/browser.h"
#include "browser/fetcher.h"

#include <QByteArray>
#include <cstdint>

namespace {

// Serves the fuzzed deck at every .wml address of its host, a second deck
// beside it, and nothing else.
class FuzzFetcher : public Fetcher
{
public:
    QByteArray deck;
    int requests = 0;

    FetchResult fetch(const FetchRequest &request) override
    {
        ++requests;
        // A deck from the network never reads a file of this computer.
        if (request.url.isLocalFile() || request.url.scheme().compare(QLatin1String("file"), Qt::CaseInsensitive) == 0)
            __builtin_trap();
        if (request.url.host() != QLatin1String("fuzz.test"))
            return FetchResult::failure(QStringLiteral("outside"));
        FetchResult result;
        result.ok = true;
        result.bytes = request.url.path().endsWith(QLatin1String("other.wml"))
                           ? QByteArray("<wml><card id=\"o\" onenterforward=\"deck.wml\"><p>o</p></card></wml>")
                           : deck;
        return result;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const size_t keyCount = std::min<size_t>(size / 4, 24);
    FuzzFetcher fetcher;
    fetcher.deck = QByteArray(reinterpret_cast<const char *>(data), qsizetype(size - keyCount));
    Browser browser(fetcher, DeviceProfile());
    browser.load(QStringLiteral("http://fuzz.test/dir/deck.wml"));
    browser.screen();
    for (size_t i = size - keyCount; i < size; ++i) {
        const uint8_t byte = data[i];
        const int before = fetcher.requests;
        switch (byte % 9) {
        case 0: browser.press(Browser::Key::Up); break;
        case 1: browser.press(Browser::Key::Down); break;
        case 2: browser.press(Browser::Key::Select); break;
        case 3: browser.press(Browser::Key::Soft1); break;
        case 4: browser.press(Browser::Key::Soft2); break;
        case 5: browser.press(Browser::Key::Back); break;
        case 6: browser.type(QString(QChar(u'0' + byte % 10)).repeated(byte % 4)); break;
        case 7: browser.pick(1 + byte / 9 % 5); break;
        default: browser.advance(byte * 7); break;
        }
        browser.screen();
        // Each step runs at most a bounded chain of tasks (and the timer a
        // bounded number of expiries), each fetching one deck, plus pictures.
        if (fetcher.requests - before > (Browser::maximumChain + 2) * (Browser::maximumExpiries + 1) + 64)
            __builtin_trap();
    }
    return 0;
}
