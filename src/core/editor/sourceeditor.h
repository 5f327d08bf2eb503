#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

struct SearchOptions
{
    bool forward = true;
    bool wholeWord = false;
    bool matchCase = false;
};

// What the document window and its commands require of a source editor.
// Positions are character offsets from the start of the text, whose lines
// are joined by CR LF (a line break counts two characters). The caret is
// the active end of the selection; the anchor the other end. Insertion,
// completion, find and replace, context help and the image scan are written
// once against this interface; the program's QScintilla editor and the
// plain in-memory buffer both implement it.
class SourceEditor
{
public:
    virtual ~SourceEditor() = default;

    // --- text
    virtual QString text() const = 0;
    // Replaces the whole text (line breaks are normalised to CR LF) and
    // forgets the undo history; the caret goes to the start.
    virtual void setText(const QString &text) = 0;
    virtual int length() const = 0;
    virtual int lineCount() const = 0;
    virtual QString lineText(int line) const = 0; // without its line break
    virtual int lineStart(int line) const = 0;
    virtual int lineOfPosition(int position) const = 0;
    QChar charAt(int position) const;
    // The position of the last c (an ASCII character) that starts before
    // position, or -1. Costs time in proportion to the text passed over.
    virtual int lastIndexOfAscii(char c, int position) const;
    // The text from start up to the first c at or after start, but no
    // further than end; read in pieces, so a near c costs little.
    QString textUpTo(int start, char c, int end) const;
    QStringList lines() const;
    void setLines(const QStringList &lines);

    // --- caret and selection
    virtual int caret() const = 0;
    virtual int anchor() const = 0;
    virtual void setSelection(int anchor, int caret) = 0;
    void setCaret(int position) { setSelection(position, position); }
    int selectionStart() const { return qMin(anchor(), caret()); }
    int selectionEnd() const { return qMax(anchor(), caret()); }
    // Signed: positive when the caret is after the anchor.
    int selectionLength() const { return caret() - anchor(); }
    QString selectedText() const;
    // Replaces the selection with text; the caret ends after the insertion.
    virtual void replaceSelection(const QString &text) = 0;

    // --- search (see TextSearch for the rules)
    // On success selects the match, anchor at the end the next search leaves
    // from, and returns true; otherwise leaves caret and selection alone.
    bool search(const QString &text, const SearchOptions &options);
    // The editor's word separators, used by whole-word search.
    static QString wordSeparators();

    // --- view
    virtual void ensureCaretVisible() = 0;
    void moveCaretToLine(int line) { setCaret(lineStart(line)); }
    // The caret's pixel position within the editor control.
    virtual QPoint caretPixelPosition() const = 0;

    // --- undo
    virtual void undo() = 0;
    virtual void redo() = 0;
    virtual bool canUndo() const = 0;
    virtual bool canRedo() const = 0;
    // Edits between begin and end undo as one step.
    virtual void beginUndoStep() = 0;
    virtual void endUndoStep() = 0;

protected:
    virtual QString textRange(int start, int end) const = 0;
};
