#pragma once

#include "editor/highlightline.h"
#include "editor/wmlhighlighter.h"

#include <Qsci/qscilexercustom.h>
#include <QFont>
#include <vector>

// Plugs a TwmlHighlighter into a QScintilla editor. Each text class is one
// QScintilla style (DefaultText is style 0, so text not styled yet looks
// plain); its font is the editor's font, or "MS Sans Serif" in the same size
// for a class with the alternative-font flag, with the class's style and
// colours. Strike-out, which QScintilla styles cannot show, is drawn with
// one strike indicator per class.
//
// The lexer keeps each line's outgoing state. After an edit, styling starts
// at the first changed line and stops at the first line past the changes
// whose outgoing state equals the one stored for it; the lines after it keep
// their styles. A change to a class reaches the editor's styles at once and
// shows at the next repaint.
class WmlLexer : public QsciLexerCustom
{
    Q_OBJECT

public:
    // baseFont is the editor's font; highlighter must outlive the lexer.
    WmlLexer(TwmlHighlighter &highlighter, const QFont &baseFont, QObject *parent = nullptr);

    static int styleOf(TextClass textClass);
    static TextClass classOfStyle(int style);
    // The indicator that strikes out text of a class.
    static int strikeIndicator(TextClass textClass);

    const char *language() const override;
    QString description(int style) const override;
    QColor defaultColor(int style) const override;
    QColor defaultPaper(int style) const override;
    QFont defaultFont(int style) const override;
    bool defaultEolFill(int style) const override;
    int defaultStyle() const override;

    void setEditor(QsciScintilla *editor) override;
    void styleText(int start, int end) override;

private:
    QFont classFont(TextClass textClass) const;
    void applyClass(TextClass textClass);
    void setUpIndicators();
    void textModified(int position, int modificationType);
    // Moves the stored states for the change noted last, now that it is
    // done and the editor's line count tells how many lines it added.
    void settlePendingChange();
    void linesChanged(int line, int linesAdded);
    // Appends the styles of one line, whose bytes (without its break) start
    // where the styles gathered so far end.
    void styleLine(int line, const unsigned char *bytes, int byteCount, int breakLength, RegionState incoming,
                   RegionState *outgoing);
    void flushStyles();
    void forgetStates();
    long lineStart(int line) const;
    long send(unsigned int message, unsigned long wParam = 0, long lParam = 0) const;

    TwmlHighlighter &m_highlighter;
    QFont m_baseFont;

    // Outgoing state of each line, as last styled; valid for lines below
    // m_styledLines whose text has not changed since.
    std::vector<RegionState> m_states;
    int m_styledLines = 0;
    // The last line changed since it was styled, or -1.
    int m_lastChangedLine = -1;
    // The line and line count before the insertion or deletion under way,
    // or -1: the editor reports changes before it makes them (reporting
    // them afterwards costs a pass over the text), so their effect on the
    // lines is read once they are done.
    int m_pendingLine = -1;
    int m_pendingLineCount = 0;
    unsigned m_strikeClasses = 0;
    bool m_strikeEverUsed = false;

    // Scratch kept between lines so that styling allocates only for growth.
    HighlightLine m_line;
    QString m_lineText;
    std::vector<int> m_byteOffsets;
    QByteArray m_styles;
    long m_stylesStart = 0;
    struct Strike
    {
        long start;
        long length;
        int indicator;
    };
    std::vector<Strike> m_strikes;
};
