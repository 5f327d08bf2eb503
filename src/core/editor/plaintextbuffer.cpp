#include "plaintextbuffer.h"

#include "common/linebreaks.h"

#include <algorithm>

void PlainTextBuffer::setText(const QString &text)
{
    m_text = LineBreaks::normalized(text);
    m_caret = m_anchor = 0;
    m_undo.clear();
    m_redo.clear();
    m_lineStarts.clear();
}

void PlainTextBuffer::ensureLineStarts() const
{
    if (!m_lineStarts.empty())
        return;
    m_lineStarts.push_back(0);
    for (qsizetype at = m_text.indexOf(QLatin1String("\r\n")); at >= 0;
         at = m_text.indexOf(QLatin1String("\r\n"), at + 2))
        m_lineStarts.push_back(int(at) + 2);
}

int PlainTextBuffer::lineCount() const
{
    ensureLineStarts();
    return int(m_lineStarts.size());
}

int PlainTextBuffer::lineStart(int line) const
{
    ensureLineStarts();
    if (line < 0)
        return 0;
    if (line >= int(m_lineStarts.size()))
        return length();
    return m_lineStarts[line];
}

QString PlainTextBuffer::lineText(int line) const
{
    ensureLineStarts();
    if (line < 0 || line >= int(m_lineStarts.size()))
        return QString();
    const int start = m_lineStarts[line];
    const int end = line + 1 < int(m_lineStarts.size()) ? m_lineStarts[line + 1] - 2 : length();
    return m_text.mid(start, end - start);
}

int PlainTextBuffer::lineOfPosition(int position) const
{
    ensureLineStarts();
    const auto it = std::upper_bound(m_lineStarts.begin(), m_lineStarts.end(), clamp(position));
    return int(it - m_lineStarts.begin()) - 1;
}

void PlainTextBuffer::setSelection(int anchor, int caret)
{
    m_anchor = clamp(anchor);
    m_caret = clamp(caret);
}

QString PlainTextBuffer::textRange(int start, int end) const
{
    start = clamp(start);
    end = clamp(end);
    return start < end ? m_text.mid(start, end - start) : QString();
}

void PlainTextBuffer::apply(const Edit &edit, bool forward)
{
    const QString &out = forward ? edit.removed : edit.inserted;
    const QString &in = forward ? edit.inserted : edit.removed;
    m_text.replace(edit.position, out.size(), in);
    m_lineStarts.clear();
    m_caret = m_anchor = edit.position + int(in.size());
}

void PlainTextBuffer::replaceSelection(const QString &text)
{
    const int start = selectionStart();
    Edit edit{start, m_text.mid(start, selectionEnd() - start), text};
    if (edit.removed.isEmpty() && edit.inserted.isEmpty()) {
        setCaret(start);
        return;
    }
    apply(edit, true);
    m_redo.clear();
    if (m_groupDepth > 0 && !m_undo.empty())
        m_undo.back().push_back(std::move(edit));
    else
        m_undo.push_back(Step{std::move(edit)});
}

void PlainTextBuffer::beginUndoStep()
{
    if (m_groupDepth++ == 0)
        m_undo.push_back(Step());
}

void PlainTextBuffer::endUndoStep()
{
    if (m_groupDepth == 0)
        return;
    if (--m_groupDepth == 0 && !m_undo.empty() && m_undo.back().empty())
        m_undo.pop_back();
}

void PlainTextBuffer::undo()
{
    if (m_undo.empty())
        return;
    Step step = std::move(m_undo.back());
    m_undo.pop_back();
    for (auto it = step.rbegin(); it != step.rend(); ++it)
        apply(*it, false);
    if (!step.empty())
        m_caret = m_anchor = step.front().position;
    m_redo.push_back(std::move(step));
}

void PlainTextBuffer::redo()
{
    if (m_redo.empty())
        return;
    Step step = std::move(m_redo.back());
    m_redo.pop_back();
    for (const Edit &edit : step)
        apply(edit, true);
    m_undo.push_back(std::move(step));
}

QPoint PlainTextBuffer::caretPixelPosition() const
{
    const int line = lineOfPosition(m_caret);
    return QPoint((m_caret - lineStart(line)) * 8, line * 16);
}
