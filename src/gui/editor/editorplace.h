#pragma once

#include <QList>

class QsciScintilla;

// The caret, the selection (every range of it, a block included) and the
// scroll position of a QScintilla editor, taken at one moment and put back
// later, as the user left them. Positions that no longer exist in the text
// are brought to its end; the scroll position is kept by the document line
// at the top, so a window resized meanwhile (other wrapping) shows the
// same text at the top.
class EditorPlace
{
public:
    static EditorPlace of(const QsciScintilla &editor);
    void restore(QsciScintilla &editor) const;

private:
    struct Range
    {
        long anchor = 0;
        long caret = 0;
        long anchorVirtualSpace = 0;
        long caretVirtualSpace = 0;
    };

    QList<Range> m_ranges;
    long m_mainRange = 0;
    bool m_rectangular = false;
    Range m_rectangle;
    long m_topLine = 0;    // document line shown at the top
    long m_topSubLine = 0; // wrapped part of it at the top
    long m_xOffset = 0;
};
