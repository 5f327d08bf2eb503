#pragma once

#include "screen.h"
#include "textmetrics.h"

#include <QList>

// Pours inline content into lines of a given width: words break at
// spaces, a word longer than a line breaks between characters, and a
// non-wrapping paragraph keeps each line whole however long it gets. Links
// and fields are framed: a bracket's advance on either side, kept on the
// line with the words next to it.
class LineFlow
{
public:
    LineFlow(int width, const TextMetrics &metrics);

    // Ends the current line and sets how the following ones are laid out.
    void startParagraph(ScreenLine::Align align, bool wrap);
    void endParagraph();
    // A br: ends the current line; an empty line when nothing is on it.
    void lineBreak();
    // Text whose white space is already collapsed.
    void text(const QString &text, int style, int item, ScreenRun::Kind kind);
    // Preformatted text: spaces kept, each line break ends a line.
    void preformatted(const QString &text, int style);
    // An unbreakable piece: a field or a picture.
    void atom(const ScreenRun &run, int height, bool framed);
    // Frames around the runs of a link placed between these calls.
    void beginFrame();
    void endFrame();

    bool lineIsEmpty() const { return m_line.runs.isEmpty(); }
    QList<ScreenLine> takeLines();

private:
    void placeWord(const QString &word, int style, int item, ScreenRun::Kind kind);
    void append(const QString &characters, int style, int item, ScreenRun::Kind kind);
    void newLine();
    void endLine(bool keepEmpty);
    int framePad() const;

    int m_width;
    const TextMetrics &m_metrics;
    ScreenLine m_line;
    QList<ScreenLine> m_lines;
    ScreenLine::Align m_align = ScreenLine::Align::Left;
    bool m_wrap = true;
    bool m_pendingSpace = false;
    int m_pendingSpaceStyle = 0;
    bool m_inFrame = false;
    bool m_frameOpenPending = false;
};
