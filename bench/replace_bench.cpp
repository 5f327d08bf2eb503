// Replace All of a one-character text with 100,000 matches in a 5 MB page,
// on the plain buffer and on the QScintilla editor, against QString::replace
// over the same text.
#include "editor/findreplace.h"
#include "editor/plaintextbuffer.h"
#include "editor/wmleditor.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

const QString &page()
{
    static const QString text = [] {
        // 50-character lines, every second one holding two "#".
        QString line = QStringLiteral("<p>Some words of a line of text in a deck xx</p>\r\n");
        QString marked = QStringLiteral("<p>Some words #f a line of text in a deck #x</p>\r\n");
        QString all;
        all.reserve(5'200'000);
        for (int i = 0; i < 50'000; ++i)
            all += (i % 1 == 0) ? marked : line;
        while (all.size() < 5'000'000)
            all += line;
        return all;
    }();
    return text;
}

} // namespace

static void BM_QStringReplace(benchmark::State &state)
{
    for (auto _ : state) {
        QString text = page();
        text.replace(QLatin1Char('#'), QLatin1Char('@'));
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_QStringReplace)->Unit(benchmark::kMillisecond);

static void BM_ReplaceAllPlainBuffer(benchmark::State &state)
{
    PlainTextBuffer editor;
    int count = 0;
    for (auto _ : state) {
        state.PauseTiming();
        editor.setText(page());
        state.ResumeTiming();
        count = FindReplace::replaceAll(editor, QStringLiteral("#"), QStringLiteral("@"), SearchOptions(), false);
    }
    state.counters["matches"] = count;
}
BENCHMARK(BM_ReplaceAllPlainBuffer)->Unit(benchmark::kMillisecond);

static void BM_ReplaceAllEditor(benchmark::State &state)
{
    WmlEditor editor;
    editor.resize(800, 600);
    int count = 0;
    for (auto _ : state) {
        state.PauseTiming();
        editor.setText(page());
        state.ResumeTiming();
        count = FindReplace::replaceAll(editor, QStringLiteral("#"), QStringLiteral("@"), SearchOptions(), false);
        QApplication::processEvents();
    }
    state.counters["matches"] = count;
    state.counters["undo steps"] = [&] {
        int steps = 0;
        while (editor.canUndo() && steps < 10) {
            editor.undo();
            ++steps;
        }
        return steps;
    }();
}
BENCHMARK(BM_ReplaceAllEditor)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
