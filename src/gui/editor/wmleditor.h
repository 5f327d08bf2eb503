#pragma once

#include "editor/sourceeditor.h"
#include "editor/wmlhighlighter.h"

#include <Qsci/qsciscintilla.h>

class EditChangeWatch;
class WmlLexer;

// The document window's source editor `Memo1`: QScintilla set up as the
// program wants it (Courier New 11 px, word wrap, CR LF line breaks, block
// selection, auto-indent, Insert toggling overwrite with a wide caret, the
// program's word separators) and offering the SourceEditor operations in
// character offsets. Its highlighter colours the text as WML; a change to
// one of the highlighter's classes shows at the next repaint.
class WmlEditor : public QsciScintilla, public SourceEditor
{
    Q_OBJECT

public:
    explicit WmlEditor(QWidget *parent = nullptr);
    ~WmlEditor() override;

    TwmlHighlighter &highlighter() { return m_highlighter; }
    const TwmlHighlighter &highlighter() const { return m_highlighter; }

    QString text() const override;
    void setText(const QString &text) override;
    int length() const override;
    int lineCount() const override;
    QString lineText(int line) const override;
    int lineStart(int line) const override;
    int lineOfPosition(int position) const override;
    int lastIndexOfAscii(char c, int position) const override;

    // With a block (Alt+Shift+arrows, Alt+drag) or several ranges selected,
    // caret, anchor, the selected text and replaceSelection all mean the
    // main range only: the block's piece in the caret's line. Replacing it
    // drops the other ranges from the selection and leaves their text alone.
    int caret() const override;
    int anchor() const override;
    void setSelection(int anchor, int caret) override;
    void replaceSelection(const QString &text) override;
    // Whether the selection is a block or has more than one range.
    bool hasSeveralRanges() const;

    void ensureCaretVisible() override;
    QPoint caretPixelPosition() const override;

    void undo() override;
    void redo() override;
    bool canUndo() const override;
    bool canRedo() const override;
    void beginUndoStep() override;
    void endUndoStep() override;

    bool isOverwriteMode() const;

    // Removes QScintilla's own binding of a key, so that a command of the
    // program with that shortcut gets it.
    void releaseKey(const QKeySequence &key);

    // Between character offsets and the byte positions Scintilla's own
    // messages take (indicators, markers, notifications).
    long bytePosition(int position) const;
    int characterPosition(long bytePosition) const;
    // The offset of the character nearest to point, in viewport coordinates.
    int positionAtPoint(const QPoint &point) const;

    // Whether QScintilla's insert and delete notifications are on (only
    // while an accessibility client is active; see EditChangeWatch).
    bool sendsTextNotifications() const;

signals:
    // The text changed. Unlike QsciScintilla::textChanged this costs
    // nothing on a long page, and it is the one to listen to.
    void contentChanged();

    // A key is about to be handled by the editor.
    void keyPressed(int key, Qt::KeyboardModifiers modifiers);

    // The Insert key switched between inserting and overwriting.
    void overwriteModeChanged(bool overwrite);

    // Files from the desktop's file manager were dropped on the editor; the
    // text is left alone and the files are for the main window to open.
    void filesDropped(const QStringList &paths);

    // The context menu is about to show; position is where it was asked
    // for (the clicked character, or the caret from the keyboard). Items
    // added to menu show above the editing commands.
    void contextMenuOpening(QMenu *menu, int position);

protected:
    QString textRange(int start, int end) const override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    // The surrounding text an input method sees is a window of the caret's
    // line (see InputMethodContext), never the whole page.
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

private:
    // Whether the bytes from from to to are all ASCII.
    bool isAscii(long from, long to) const;
    void updateCaretStyle();
    // Reduces a block or multiple selection to its main range.
    void keepMainRangeOnly();

    TwmlHighlighter m_highlighter;
    WmlLexer *m_lexer = nullptr;
    EditChangeWatch *m_changes = nullptr;
};
