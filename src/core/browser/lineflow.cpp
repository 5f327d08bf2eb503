#include "lineflow.h"

#include "cardtext.h"

#include <algorithm>

namespace {

bool sameRun(const ScreenRun &run, int style, int item, ScreenRun::Kind kind)
{
    return run.kind == kind && run.style == style && run.item == item && run.pictureSize.isEmpty()
           && !run.frameClose && kind != ScreenRun::Kind::Input && kind != ScreenRun::Kind::Select;
}

} // namespace

LineFlow::LineFlow(int width, const TextMetrics &metrics)
    : m_width(std::max(1, width))
    , m_metrics(metrics)
{
}

void LineFlow::startParagraph(ScreenLine::Align align, bool wrap)
{
    endLine(false);
    m_align = align;
    m_wrap = wrap;
    m_line.align = align;
}

void LineFlow::endParagraph()
{
    endLine(false);
}

void LineFlow::lineBreak()
{
    endLine(true);
}

void LineFlow::newLine()
{
    endLine(true);
}

void LineFlow::endLine(bool keepEmpty)
{
    m_pendingSpace = false;
    if (m_line.runs.isEmpty() && !keepEmpty)
        return;
    if (m_line.height == 0)
        m_line.height = m_metrics.lineHeight(0);
    m_lines.append(m_line);
    m_line = ScreenLine();
    m_line.align = m_align;
}

int LineFlow::framePad() const
{
    return m_inFrame ? m_metrics.advance(0) : 0;
}

void LineFlow::beginFrame()
{
    m_inFrame = true;
    m_frameOpenPending = true;
}

void LineFlow::endFrame()
{
    m_inFrame = false;
    if (m_frameOpenPending) {
        m_frameOpenPending = false;
        return;
    }
    if (!m_line.runs.isEmpty()) {
        m_line.runs.last().frameClose = true;
        m_line.runs.last().width += m_metrics.advance(0);
        m_line.width += m_metrics.advance(0);
    }
}

void LineFlow::append(const QString &characters, int style, int item, ScreenRun::Kind kind)
{
    const QString &shown = characters;
    int extra = 0;
    if (m_frameOpenPending) {
        extra = m_metrics.advance(0);
        m_frameOpenPending = false;
    }
    const int width = m_metrics.width(characters, style) + extra;
    if (!m_line.runs.isEmpty() && extra == 0 && sameRun(m_line.runs.last(), style, item, kind)) {
        m_line.runs.last().text += shown;
        m_line.runs.last().width += width;
    } else {
        ScreenRun run;
        run.kind = kind;
        run.text = shown;
        run.style = style;
        run.item = item;
        run.x = m_line.width;
        run.width = width;
        run.frameOpen = extra != 0;
        m_line.runs.append(run);
    }
    m_line.width += width;
    m_line.height = std::max(m_line.height, m_metrics.lineHeight(style));
}

void LineFlow::placeWord(const QString &word, int style, int item, ScreenRun::Kind kind)
{
    const int open = m_frameOpenPending ? m_metrics.advance(0) : 0;
    const int space = m_pendingSpace && !m_line.runs.isEmpty() ? m_metrics.advance(m_pendingSpaceStyle) : 0;
    const int needed = space + open + m_metrics.width(word, style) + framePad();
    if (m_wrap && !m_line.runs.isEmpty() && m_line.width + needed > m_width)
        newLine();
    if (m_pendingSpace && !m_line.runs.isEmpty()) {
        // The space belongs outside a frame that opens at this word.
        const bool opening = m_frameOpenPending;
        m_frameOpenPending = false;
        append(QStringLiteral(" "), m_pendingSpaceStyle, opening ? -1 : item,
               opening ? ScreenRun::Kind::Text : kind);
        m_frameOpenPending = opening;
    }
    m_pendingSpace = false;
    if (!m_wrap) {
        append(word, style, item, kind);
        return;
    }
    // A word wider than a whole line is cut between characters, in one
    // pass over the word however long it is.
    qsizetype at = 0;
    while (at < word.size()) {
        const int room = m_width - m_line.width - framePad() - (m_frameOpenPending ? m_metrics.advance(0) : 0);
        const int fits = std::max(0, room / m_metrics.advance(style));
        qsizetype end = at;
        for (int shown = 0; end < word.size(); ++end) {
            const int next = TextMetrics::characters(QStringView(word).mid(end, 1));
            if (shown + next > fits)
                break;
            shown += next;
        }
        if (end == word.size()) {
            append(word.mid(at), style, item, kind);
            return;
        }
        if (fits == 0 && !m_line.runs.isEmpty()) {
            newLine();
            continue;
        }
        // A surrogate pair and the marks after a letter stay with it.
        end = std::max(end, at + 1);
        if (end < word.size() && word[end - 1].isHighSurrogate())
            ++end;
        while (end < word.size() && TextMetrics::characters(QStringView(word).mid(end, 1)) == 0)
            ++end;
        append(word.mid(at, end - at), style, item, kind);
        at = end;
        if (at < word.size())
            newLine();
    }
}

void LineFlow::text(const QString &text, int style, int item, ScreenRun::Kind kind)
{
    qsizetype at = 0;
    while (at < text.size()) {
        if (text[at] == QLatin1Char(' ')) {
            m_pendingSpace = true;
            m_pendingSpaceStyle = style;
            ++at;
            continue;
        }
        qsizetype end = at;
        while (end < text.size() && text[end] != QLatin1Char(' '))
            ++end;
        placeWord(text.mid(at, end - at), style, item, kind);
        at = end;
    }
}

void LineFlow::preformatted(const QString &text, int style)
{
    const QStringList lines = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            newLine();
        QString line = lines[i];
        line.replace(QLatin1Char('\t'), QStringLiteral("        "));
        if (!line.isEmpty())
            append(line, style, -1, ScreenRun::Kind::Text);
    }
}

void LineFlow::atom(const ScreenRun &run, int height, bool framed)
{
    const bool opens = framed || m_frameOpenPending;
    const int pads = (opens ? m_metrics.advance(0) : 0) + (framed ? m_metrics.advance(0) : framePad());
    const int space = m_pendingSpace && !m_line.runs.isEmpty() ? m_metrics.advance(m_pendingSpaceStyle) : 0;
    if (m_wrap && !m_line.runs.isEmpty() && m_line.width + space + run.width + pads > m_width)
        newLine();
    if (m_pendingSpace && !m_line.runs.isEmpty())
        append(QStringLiteral(" "), m_pendingSpaceStyle, -1, ScreenRun::Kind::Text);
    m_pendingSpace = false;
    m_frameOpenPending = false;
    ScreenRun placed = run;
    placed.frameOpen = run.frameOpen || opens;
    placed.frameClose = run.frameClose || framed;
    placed.x = m_line.width;
    placed.width = run.width + (opens ? m_metrics.advance(0) : 0) + (framed ? m_metrics.advance(0) : 0);
    m_line.runs.append(placed);
    m_line.width += placed.width;
    m_line.height = std::max(m_line.height, height);
}

QList<ScreenLine> LineFlow::takeLines()
{
    endLine(false);
    QList<ScreenLine> lines;
    lines.swap(m_lines);
    return lines;
}
