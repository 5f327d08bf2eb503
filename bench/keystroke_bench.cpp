// What one keystroke costs in the source editor, on pages of every shape:
// a typed character at the end of a 20 MB page against the same keystroke
// in a 20 KB page; a character typed into the middle of a single line of
// 200 KB and 2 MB against one in a 200-byte line; Ctrl+J after 30,000
// lines without a "<" against Ctrl+J right after a "<" on the same line.
// Every keystroke is followed by a repaint, as a user would see it.
#include "app/mainform.h"
#include "editor/completionlist.h"
#include "editor/mdichild.h"
#include "editor/wmleditor.h"

#include "benchdeck.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

BenchDeck::ProgramFolder *programFolder = nullptr;

QByteArray page(qint64 bytes, bool oneLine)
{
    const QByteArray breakText = oneLine ? QByteArray(" ") : QByteArray("\r\n");
    const QByteArray card = "<card id=\"c\" title=\"A card\">" + breakText
        + "<p>Some <b>bold</b> text and a <a href=\"#next\">link</a>.<br/></p>" + breakText + "</card>"
        + breakText;
    QByteArray text = "<?xml version=\"1.0\"?>" + breakText + "<wml>" + breakText;
    text.reserve(bytes + card.size() + 16);
    while (text.size() < bytes)
        text += card;
    return text + "</wml>" + breakText;
}

// A main window with one document holding text, shown, with the caret
// placed by the caller.
struct Window
{
    explicit Window(const QByteArray &text)
    {
        static int serial = 0;
        const QString path = programFolder->path(QStringLiteral("page%1.wml").arg(++serial));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(text);
        file.close();
        main.resize(900, 700);
        main.show();
        main.OpenDocument(path);
        editor = main.activeChild()->editor();
        editor->setFocus();
        QApplication::processEvents();
    }

    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString &text = QString())
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(editor, &press);
    }

    void paint()
    {
        editor->viewport()->repaint();
        QApplication::processEvents();
    }

    TMainForm main{nullptr, false};
    WmlEditor *editor = nullptr;
};

void typeAndPaint(benchmark::State &state, Window &window)
{
    for (auto _ : state) {
        window.key(Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        window.paint();
    }
}

} // namespace

static void BM_TypeAtEnd(benchmark::State &state)
{
    Window window(page(state.range(0) * 1024, false));
    window.editor->setCaret(window.editor->length());
    window.paint();
    typeAndPaint(state, window);
}
BENCHMARK(BM_TypeAtEnd)->Arg(20)->Arg(20 * 1024)->Unit(benchmark::kMillisecond);

static void BM_TypeInMiddleOfOneLine(benchmark::State &state)
{
    Window window(page(state.range(0), true));
    window.editor->setCaret(window.editor->length() / 2);
    window.paint();
    typeAndPaint(state, window);
}
BENCHMARK(BM_TypeInMiddleOfOneLine)->Arg(200)->Arg(200 * 1000)->Arg(2000 * 1000)->Unit(benchmark::kMillisecond);

// Ctrl+J with the caret right after a "<" on its line, or 30,000 lines
// below the last "<" (the "<p>" at the top). Either way a list opens and is
// closed again, untimed.
static void BM_CtrlJ(benchmark::State &state)
{
    const bool farFromTag = state.range(0) != 0;
    QByteArray text = "<wml><card><p>\r\n";
    for (int line = 0; line < 30000; ++line)
        text += "Plain words on a line of text without any tag in it at all\r\n";
    text += farFromTag ? "word" : "<";
    Window window(text);
    window.editor->setCaret(window.editor->length());
    window.paint();
    for (auto _ : state) {
        window.key(Qt::Key_J, Qt::ControlModifier);
        window.paint();
        state.PauseTiming();
        if (window.main.activeChild()->completionList()->isVisible())
            window.key(Qt::Key_Escape);
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CtrlJ)->ArgName("far")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    BenchDeck::ProgramFolder folder; // with the shipped tag list, for Ctrl+J
    programFolder = &folder;
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
