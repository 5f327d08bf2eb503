// Runs the WML highlighter over arbitrary lines from every incoming state
// and checks that the runs cover each line exactly.
#include "editor/wmlhighlighter.h"

#include <QString>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    static const TwmlHighlighter highlighter;
    RegionState state;
    state.kind = RegionKind(data[0] % 10);
    state.identity = data[1] % 45;
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2));
    for (const QStringView line : QStringView(text).split(u'\n')) {
        std::vector<TwmlHighlighter::Run> runs;
        state = highlighter.scanLine(line, state, &runs);
        int covered = 0;
        for (const TwmlHighlighter::Run &run : runs) {
            if (run.start != covered || run.length <= 0)
                __builtin_trap();
            covered += run.length;
        }
        if (covered != line.size())
            __builtin_trap();
    }
    return 0;
}
