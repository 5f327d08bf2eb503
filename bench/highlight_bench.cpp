// The WML highlighter's speed. Scanning a generated 10 MB page line by
// line, against a pass over the same lines that only finds every "<"
// (memchr over the bytes, and Qt's search over the characters the engine
// reads); and a character typed in the middle of a 20 MB page, restyled and
// repainted, against the same edit in an editor that does not highlight.
#include "editor/highlightline.h"
#include "editor/wmleditor.h"
#include "editor/wmlhighlighter.h"

#include <QApplication>
#include <QKeyEvent>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>

namespace {

using Clock = std::chrono::steady_clock;

// A page of varied cards: attributes of every quoting, comments and a
// script over several lines, entities, a tag split over two lines.
QByteArray generatePage(qint64 bytes)
{
    const QByteArray card =
        "<card id=\"c%\" title=\"Card %\" newcontext='true'>\r\n"
        "<!-- The card's purpose,\r\n"
        "     explained over two lines. -->\r\n"
        "<onevent type=\"onenterforward\"><refresh><setvar name=\"v\" value=\"1\"/></refresh></onevent>\r\n"
        "<p align=center>Some <b>bold</b> and <i>italic</i> text &amp; an entity, <a href=\"#next\">a link</a>.<br/>\r\n"
        "<select name=\"s\"><option value=\"a\">A</option><option value=\"b\">B</option></select>\r\n"
        "<input name=\"n\"\r\n"
        "  maxlength=\"20\" format=\"*M\"/>\r\n"
        "Plain words make up much of a page, with a few commas, full stops and numbers 1234.\r\n"
        "</p>\r\n"
        "<script language=\"javascript\">\r\n"
        "  if (a < b) { x = \"<b>\"; }\r\n"
        "</script>\r\n"
        "<do type=\"accept\" label=\"Next\"><go href=\"#c%\" method=\"post\"><postfield name=\"v\" value=\"$(v)\"/></go></do>\r\n"
        "</card>\r\n";
    QByteArray page = "<?xml version=\"1.0\"?>\r\n<!DOCTYPE wml PUBLIC \"-//WAPFORUM//DTD WML 1.1//EN\">\r\n<wml>\r\n";
    page.reserve(bytes + card.size() * 2);
    for (int n = 0; page.size() < bytes; ++n)
        page += QByteArray(card).replace('%', QByteArray::number(n));
    page += "</wml>\r\n";
    return page;
}

struct Lines
{
    std::vector<QByteArray> bytes;
    std::vector<QString> text;
    qint64 totalBytes = 0;
};

const Lines &tenMegabytes()
{
    static const Lines lines = [] {
        Lines made;
        const QByteArray page = generatePage(10 * 1000 * 1000);
        made.totalBytes = page.size();
        for (const QByteArray &line : page.split('\n')) {
            made.bytes.push_back(line.endsWith('\r') ? line.chopped(1) : line);
            made.text.push_back(QString::fromUtf8(made.bytes.back()));
        }
        return made;
    }();
    return lines;
}

long long countLessThanBytes(const Lines &lines)
{
    long long found = 0;
    for (const QByteArray &line : lines.bytes) {
        const char *at = line.constData();
        const char *end = at + line.size();
        while ((at = static_cast<const char *>(std::memchr(at, '<', size_t(end - at)))) != nullptr) {
            ++found;
            ++at;
        }
    }
    return found;
}

long long countLessThanCharacters(const Lines &lines)
{
    long long found = 0;
    for (const QString &line : lines.text) {
        for (qsizetype at = line.indexOf(u'<'); at >= 0; at = line.indexOf(u'<', at + 1))
            ++found;
    }
    return found;
}

double secondsOf(const std::function<void()> &pass)
{
    double best = 1e9;
    for (int i = 0; i < 5; ++i) {
        const auto start = Clock::now();
        pass();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

void reportSpeed(benchmark::State &state, double seconds)
{
    state.SetBytesProcessed(int64_t(state.iterations()) * tenMegabytes().totalBytes);
    state.counters["MB_per_s"] = double(tenMegabytes().totalBytes) / seconds / 1e6;
}

} // namespace

static void BM_FindEveryLessThanMemchr(benchmark::State &state)
{
    const Lines &lines = tenMegabytes();
    double seconds = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(countLessThanBytes(lines));
        seconds += std::chrono::duration<double>(Clock::now() - start).count();
    }
    reportSpeed(state, seconds / double(state.iterations()));
}
BENCHMARK(BM_FindEveryLessThanMemchr)->Unit(benchmark::kMillisecond);

static void BM_FindEveryLessThanQString(benchmark::State &state)
{
    const Lines &lines = tenMegabytes();
    double seconds = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(countLessThanCharacters(lines));
        seconds += std::chrono::duration<double>(Clock::now() - start).count();
    }
    reportSpeed(state, seconds / double(state.iterations()));
}
BENCHMARK(BM_FindEveryLessThanQString)->Unit(benchmark::kMillisecond);

static void BM_HighlightLines(benchmark::State &state)
{
    const Lines &lines = tenMegabytes();
    const TwmlHighlighter highlighter;
    HighlightLine line;
    long long runs = 0;
    const std::function<void(const TwmlHighlighter::Run &)> count = [&runs](const TwmlHighlighter::Run &) { ++runs; };
    const double memchrSeconds = secondsOf([&] { benchmark::DoNotOptimize(countLessThanBytes(lines)); });
    const double qstringSeconds = secondsOf([&] { benchmark::DoNotOptimize(countLessThanCharacters(lines)); });
    double seconds = 0;
    double best = 1e9;
    for (auto _ : state) {
        const auto start = Clock::now();
        RegionState region;
        for (const QString &text : lines.text) {
            line.reset(text);
            region = highlighter.scanLine(line, region, count);
        }
        benchmark::DoNotOptimize(region);
        const double pass = std::chrono::duration<double>(Clock::now() - start).count();
        seconds += pass;
        best = std::min(best, pass);
    }
    reportSpeed(state, seconds / double(state.iterations()));
    state.counters["runs"] = double(runs) / double(state.iterations());
    // Best against best, so that a busy machine slows both sides alike.
    state.counters["x_memchr"] = best / memchrSeconds;
    state.counters["x_qstring_find"] = best / qstringSeconds;
}
BENCHMARK(BM_HighlightLines)->Unit(benchmark::kMillisecond);

// The editor showing the middle of a generated 20 MB page, caret in a line
// of plain words.
struct MiddleOf20MB
{
    WmlEditor editor;
    double firstPaintMs = 0;

    explicit MiddleOf20MB(bool highlighted)
    {
        if (!highlighted)
            editor.setLexer(nullptr);
        editor.resize(900, 700);
        editor.show();
        QApplication::processEvents();
        editor.setText(QString::fromUtf8(generatePage(20 * 1000 * 1000)));
        editor.setFocus();
        const int caretLine = editor.lineCount() / 2 + 3;
        editor.setCaret(editor.lineStart(caretLine) + 10);
        // The caret line in the middle of the view, so that a change of
        // state restyles the half of the view below it.
        const long onScreen = editor.SendScintilla(QsciScintillaBase::SCI_LINESONSCREEN);
        editor.SendScintilla(QsciScintillaBase::SCI_SETFIRSTVISIBLELINE, caretLine - onScreen / 2);
        const auto start = Clock::now();
        editor.viewport()->repaint();
        firstPaintMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        QApplication::processEvents();
    }

    // What a repaint asks to have styled: from the edited line to the end
    // of the last line in view.
    void restyleView() const
    {
        const long lastLine = editor.SendScintilla(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE)
            + editor.SendScintilla(QsciScintillaBase::SCI_LINESONSCREEN);
        const long caretLine = editor.SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION,
                                                    editor.SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS));
        editor.SendScintilla(QsciScintillaBase::SCI_COLOURISE,
                             editor.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, caretLine),
                             editor.SendScintilla(QsciScintillaBase::SCI_GETLINEENDPOSITION, lastLine));
    }
};

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Arg 1: the program's editor; Arg 0: the same editor with no lexer. The
// counters split each typed character into the key's handling by the
// editor, the restyling of what is in view, and the repaint.
static void BM_TypeInMiddleOf20MB(benchmark::State &state)
{
    MiddleOf20MB middle(state.range(0) != 0);
    double keyMs = 0;
    double restyleMs = 0;
    double paintMs = 0;
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        auto start = Clock::now();
        QApplication::sendEvent(&middle.editor, &press);
        keyMs += millisecondsSince(start);
        start = Clock::now();
        middle.restyleView();
        restyleMs += millisecondsSince(start);
        start = Clock::now();
        middle.editor.viewport()->repaint();
        paintMs += millisecondsSince(start);
    }
    const double n = double(state.iterations());
    state.counters["key_ms"] = keyMs / n;
    state.counters["restyle_ms"] = restyleMs / n;
    state.counters["paint_ms"] = paintMs / n;
    state.counters["first_paint_ms"] = middle.firstPaintMs;
}
BENCHMARK(BM_TypeInMiddleOf20MB)->ArgName("highlighted")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Opening and closing a comment in the middle of 20 MB changes the state of
// every later line: only what the view shows is restyled at once.
static void BM_OpenCommentInMiddleOf20MB(benchmark::State &state)
{
    MiddleOf20MB middle(true);
    WmlEditor &editor = middle.editor;
    const int at = editor.lineStart(editor.lineOfPosition(editor.caret()));
    double restyleMs = 0;
    for (auto _ : state) {
        editor.setSelection(at, at);
        editor.replaceSelection(QStringLiteral("<!--"));
        auto start = Clock::now();
        middle.restyleView();
        restyleMs += millisecondsSince(start);
        editor.viewport()->repaint();
        editor.setSelection(at, at + 4);
        editor.replaceSelection(QString());
        start = Clock::now();
        middle.restyleView();
        restyleMs += millisecondsSince(start);
        editor.viewport()->repaint();
    }
    state.counters["restyle_ms"] = restyleMs / double(state.iterations()) / 2;
}
BENCHMARK(BM_OpenCommentInMiddleOf20MB)->Unit(benchmark::kMillisecond);

// Styling a whole 20 MB page in the editor, as jumping to its end does:
// the engine plus reading the lines from QScintilla and handing it styles.
static void BM_StyleWhole20MB(benchmark::State &state)
{
    const QString page = QString::fromUtf8(generatePage(20 * 1000 * 1000));
    WmlEditor editor;
    double seconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        editor.setText(page); // new text: no line is styled yet
        state.ResumeTiming();
        const auto start = Clock::now();
        editor.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0, -1);
        seconds += std::chrono::duration<double>(Clock::now() - start).count();
    }
    state.counters["MB_per_s"] = double(page.size()) * double(state.iterations()) / seconds / 1e6;
}
BENCHMARK(BM_StyleWhole20MB)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
