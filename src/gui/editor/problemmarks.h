#pragma once

#include "check/problemset.h"

#include <QColor>
#include <QObject>

class WmlEditor;

// Shows the problems of a check in a source editor: a squiggle under each
// problem's text (red for errors, orange for warnings), a dot in the symbol
// margin on each line that has one, and the messages as a tool tip when the
// mouse rests on a squiggle. Marks move with the text as it is edited until
// the next check replaces them.
class ProblemMarks : public QObject
{
    Q_OBJECT

public:
    // Indicator numbers above those of the highlighter's strike-outs.
    static constexpr int errorIndicator = 20;
    static constexpr int warningIndicator = 21;
    // Higher markers are drawn on top: an error's dot hides a warning's.
    static constexpr int warningMarker = 10;
    static constexpr int errorMarker = 11;
    static constexpr int symbolMargin = 1;
    static constexpr int dwellMilliseconds = 400;

    static QColor errorColor() { return QColor(0xd0, 0x1c, 0x1c); }
    static QColor warningColor() { return QColor(0xf0, 0x8c, 0x00); }
    static QColor colorOf(Severity severity) { return severity == Severity::Error ? errorColor() : warningColor(); }

    explicit ProblemMarks(WmlEditor &editor);

    // Replaces the marks with those of problems (its shown part only).
    void show(const ProblemSet &problems);

    // The tool tip for the character at position: the messages of the
    // problems whose squiggle covers it; empty when none does.
    QString toolTipAt(int position) const;

private:
    void hideToolTip();
    void dwellStarted(int bytePosition, int x, int y);

    WmlEditor &m_editor;
    ProblemSet m_problems;
    // Whether the tool tip showing is one of ours.
    bool m_tipShown = false;
};
