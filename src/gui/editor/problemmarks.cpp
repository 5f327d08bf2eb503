#include "problemmarks.h"

#include "wmleditor.h"

#include <QApplication>
#include <QMenu>
#include <QToolTip>

ProblemMarks::ProblemMarks(WmlEditor &editor) : QObject(&editor), m_editor(editor)
{
    m_editor.indicatorDefine(QsciScintilla::SquigglePixmapIndicator, errorIndicator);
    m_editor.setIndicatorForegroundColor(errorColor(), errorIndicator);
    m_editor.indicatorDefine(QsciScintilla::SquigglePixmapIndicator, warningIndicator);
    m_editor.setIndicatorForegroundColor(warningColor(), warningIndicator);

    m_editor.markerDefine(QsciScintilla::Circle, warningMarker);
    m_editor.setMarkerBackgroundColor(warningColor(), warningMarker);
    m_editor.setMarkerForegroundColor(warningColor().darker(130), warningMarker);
    m_editor.markerDefine(QsciScintilla::Circle, errorMarker);
    m_editor.setMarkerBackgroundColor(errorColor(), errorMarker);
    m_editor.setMarkerForegroundColor(errorColor().darker(130), errorMarker);
    m_editor.setMarginType(symbolMargin, QsciScintilla::SymbolMargin);
    m_editor.setMarginMarkerMask(symbolMargin, (1 << warningMarker) | (1 << errorMarker));
    // Always there, so the text does not shift as problems come and go.
    m_editor.setMarginWidth(symbolMargin, 16);

    m_editor.SendScintilla(QsciScintillaBase::SCI_SETMOUSEDWELLTIME, dwellMilliseconds);
    connect(&m_editor, &QsciScintillaBase::SCN_DWELLSTART, this, &ProblemMarks::dwellStarted);
    connect(&m_editor, &QsciScintillaBase::SCN_DWELLEND, this, &ProblemMarks::hideToolTip);
    // A tool tip would cover the menu's first items, the quick fixes.
    connect(&m_editor, &WmlEditor::contextMenuOpening, this, &ProblemMarks::hideToolTip);
}

void ProblemMarks::show(const ProblemSet &problems)
{
    // The message under the mouse may be gone, or mended by a fix.
    hideToolTip();
    m_problems = problems;
    const long bytes = m_editor.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    for (int indicator : {errorIndicator, warningIndicator}) {
        m_editor.SendScintilla(QsciScintillaBase::SCI_SETINDICATORCURRENT, indicator);
        m_editor.SendScintilla(QsciScintillaBase::SCI_INDICATORCLEARRANGE, 0L, bytes);
    }
    m_editor.SendScintilla(QsciScintillaBase::SCI_MARKERDELETEALL, warningMarker);
    m_editor.SendScintilla(QsciScintillaBase::SCI_MARKERDELETEALL, errorMarker);

    const int length = m_editor.length();
    for (int i = 0; i < problems.shownCount(); ++i) {
        const Diagnostic &diagnostic = problems.all()[i];
        int start = qBound(0, diagnostic.range.start.offset, length);
        int end = qBound(start, diagnostic.range.end.offset, length);
        // A problem of no length (a missing end tag at the end of the page)
        // still gets a character to underline: its own, or the last one.
        if (end == start) {
            if (start < length)
                ++end;
            else if (start > 0)
                --start;
        }
        const bool error = diagnostic.severity == Severity::Error;
        const long from = m_editor.bytePosition(start);
        m_editor.SendScintilla(QsciScintillaBase::SCI_SETINDICATORCURRENT, error ? errorIndicator : warningIndicator);
        m_editor.SendScintilla(QsciScintillaBase::SCI_INDICATORFILLRANGE, from, m_editor.bytePosition(end) - from);
        m_editor.SendScintilla(QsciScintillaBase::SCI_MARKERADD, long(m_editor.lineOfPosition(start)),
                               long(error ? errorMarker : warningMarker));
    }
}

QString ProblemMarks::toolTipAt(int position) const
{
    const long byte = m_editor.bytePosition(position);
    const bool marked = m_editor.SendScintilla(QsciScintillaBase::SCI_INDICATORVALUEAT, errorIndicator, byte) != 0
                        || m_editor.SendScintilla(QsciScintillaBase::SCI_INDICATORVALUEAT, warningIndicator, byte) != 0;
    if (!marked)
        return QString();
    QList<Diagnostic> here = m_problems.at(position);
    // at() also finds a problem ending just before position; under the
    // mouse only those that cover the character count, when there are any.
    QList<Diagnostic> covering = here;
    covering.removeIf([position](const Diagnostic &diagnostic) {
        return position >= std::max(diagnostic.range.end.offset, diagnostic.range.start.offset + 1);
    });
    if (!covering.isEmpty())
        here = covering;
    QStringList lines;
    for (const Diagnostic &diagnostic : std::as_const(here))
        lines << ProblemSet::describe(diagnostic);
    return lines.join(QLatin1Char('\n'));
}

void ProblemMarks::dwellStarted(int bytePosition, int x, int y)
{
    if (bytePosition < 0 || QApplication::activePopupWidget())
        return;
    const QString tip = toolTipAt(m_editor.characterPosition(bytePosition));
    if (tip.isEmpty())
        return;
    QToolTip::showText(m_editor.viewport()->mapToGlobal(QPoint(x, y)), tip, m_editor.viewport());
    m_tipShown = true;
}

void ProblemMarks::hideToolTip()
{
    if (m_tipShown)
        QToolTip::hideText();
    m_tipShown = false;
}
