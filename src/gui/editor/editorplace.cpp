#include "editorplace.h"

#include <Qsci/qsciscintilla.h>

EditorPlace EditorPlace::of(const QsciScintilla &editor)
{
    EditorPlace place;
    const long count = editor.SendScintilla(QsciScintillaBase::SCI_GETSELECTIONS);
    for (long i = 0; i < count; ++i) {
        Range range;
        range.anchor = editor.SendScintilla(QsciScintillaBase::SCI_GETSELECTIONNANCHOR, i);
        range.caret = editor.SendScintilla(QsciScintillaBase::SCI_GETSELECTIONNCARET, i);
        range.anchorVirtualSpace = editor.SendScintilla(QsciScintillaBase::SCI_GETSELECTIONNANCHORVIRTUALSPACE, i);
        range.caretVirtualSpace = editor.SendScintilla(QsciScintillaBase::SCI_GETSELECTIONNCARETVIRTUALSPACE, i);
        place.m_ranges.append(range);
    }
    place.m_mainRange = editor.SendScintilla(QsciScintillaBase::SCI_GETMAINSELECTION);
    place.m_rectangular = editor.SendScintilla(QsciScintillaBase::SCI_SELECTIONISRECTANGLE) != 0;
    if (place.m_rectangular) {
        Range &block = place.m_rectangle;
        block.anchor = editor.SendScintilla(QsciScintillaBase::SCI_GETRECTANGULARSELECTIONANCHOR);
        block.caret = editor.SendScintilla(QsciScintillaBase::SCI_GETRECTANGULARSELECTIONCARET);
        block.anchorVirtualSpace =
            editor.SendScintilla(QsciScintillaBase::SCI_GETRECTANGULARSELECTIONANCHORVIRTUALSPACE);
        block.caretVirtualSpace = editor.SendScintilla(QsciScintillaBase::SCI_GETRECTANGULARSELECTIONCARETVIRTUALSPACE);
    }
    const long top = editor.SendScintilla(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE);
    place.m_topLine = editor.SendScintilla(QsciScintillaBase::SCI_DOCLINEFROMVISIBLE, top);
    place.m_topSubLine = top - editor.SendScintilla(QsciScintillaBase::SCI_VISIBLEFROMDOCLINE, place.m_topLine);
    place.m_xOffset = editor.SendScintilla(QsciScintillaBase::SCI_GETXOFFSET);
    return place;
}

void EditorPlace::restore(QsciScintilla &editor) const
{
    const long length = editor.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    const auto inText = [length](long position) { return qBound(0L, position, length); };
    if (m_rectangular) {
        editor.SendScintilla(QsciScintillaBase::SCI_SETRECTANGULARSELECTIONANCHOR, inText(m_rectangle.anchor));
        editor.SendScintilla(QsciScintillaBase::SCI_SETRECTANGULARSELECTIONCARET, inText(m_rectangle.caret));
        editor.SendScintilla(QsciScintillaBase::SCI_SETRECTANGULARSELECTIONANCHORVIRTUALSPACE,
                             m_rectangle.anchorVirtualSpace);
        editor.SendScintilla(QsciScintillaBase::SCI_SETRECTANGULARSELECTIONCARETVIRTUALSPACE,
                             m_rectangle.caretVirtualSpace);
    } else {
        for (int i = 0; i < m_ranges.size(); ++i) {
            const Range &range = m_ranges[i];
            // SCI_SETSELECTION and SCI_ADDSELECTION take the caret first.
            editor.SendScintilla(i == 0 ? QsciScintillaBase::SCI_SETSELECTION : QsciScintillaBase::SCI_ADDSELECTION,
                                 inText(range.caret), inText(range.anchor));
            editor.SendScintilla(QsciScintillaBase::SCI_SETSELECTIONNANCHORVIRTUALSPACE, i, range.anchorVirtualSpace);
            editor.SendScintilla(QsciScintillaBase::SCI_SETSELECTIONNCARETVIRTUALSPACE, i, range.caretVirtualSpace);
        }
        if (m_mainRange < m_ranges.size())
            editor.SendScintilla(QsciScintillaBase::SCI_SETMAINSELECTION, m_mainRange);
    }
    const long lines = editor.SendScintilla(QsciScintillaBase::SCI_GETLINECOUNT);
    const long topLine = qBound(0L, m_topLine, lines - 1);
    const long top = editor.SendScintilla(QsciScintillaBase::SCI_VISIBLEFROMDOCLINE, topLine);
    const long wrapped = editor.SendScintilla(QsciScintillaBase::SCI_WRAPCOUNT, topLine);
    editor.SendScintilla(QsciScintillaBase::SCI_SETFIRSTVISIBLELINE, top + qBound(0L, m_topSubLine, wrapped - 1));
    editor.SendScintilla(QsciScintillaBase::SCI_SETXOFFSET, m_xOffset);
}
