#include "wmleditor.h"

#include "editchangewatch.h"
#include "inputmethodcontext.h"
#include "quietaccessibility.h"
#include "wmllexer.h"

#include "common/droppedfiles.h"
#include "common/linebreaks.h"

#include <Qsci/qscicommandset.h>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPalette>
#include <cstring>

namespace {
constexpr int utf16Index = QsciScintillaBase::SC_LINECHARACTERINDEX_UTF16;
constexpr qsizetype wrapLimitBytes = 4 * 1024 * 1024;
} // namespace

WmlEditor::WmlEditor(QWidget *parent) : QsciScintilla(parent)
{
    setObjectName(QStringLiteral("Memo1"));
    m_highlighter.setObjectName(QStringLiteral("wmlHighlighter1"));
    setUtf8(true);
    SendScintilla(SCI_ALLOCATELINECHARACTERINDEX, utf16Index);

    QFont font(QStringLiteral("Courier New"));
    // 11 pixels at the usual 96 dpi; QScintilla sizes its styles in points.
    font.setPointSizeF(11 * 72.0 / 96.0);
    font.setStyleHint(QFont::TypeWriter);
    setFont(font);
    // A lexer gives every style its own font, so it is handed the editor's.
    m_lexer = new WmlLexer(m_highlighter, font, this);
    setLexer(m_lexer);

    setEolMode(EolWindows);
    SendScintilla(SCI_SETPASTECONVERTENDINGS, 1);
    setWrapMode(WrapWord);
    SendScintilla(SCI_SETHSCROLLBAR, 0);
    setAutoIndent(true);
    setCaretWidth(1);
    setMarginWidth(1, 0);
    setTabWidth(8);
    setSelectionBackgroundColor(palette().color(QPalette::Highlight));
    setSelectionForegroundColor(palette().color(QPalette::HighlightedText));
    // Alt+drag and Alt+Shift+arrows select a block.
    SendScintilla(SCI_SETMOUSESELECTIONRECTANGULARSWITCH, 1);
    SendScintilla(SCI_SETRECTANGULARSELECTIONMODIFIER, SCMOD_ALT);

    // Word characters are everything but the separators of whole-word search.
    QByteArray wordChars;
    const QString separators = wordSeparators();
    for (int c = 33; c < 127; ++c) {
        if (!separators.contains(QLatin1Char(char(c))))
            wordChars.append(char(c));
    }
    SendScintilla(SCI_SETWORDCHARS, 0UL, wordChars.constData());

    // QScintilla installed its accessibility factory as the editor was
    // made; the quiet one goes in front of it.
    QuietAccessibility::install();
    m_changes = new EditChangeWatch(*this);
    connect(m_changes, &EditChangeWatch::changed, this, &WmlEditor::contentChanged);
}

WmlEditor::~WmlEditor()
{
    // The lexer reads the highlighter, which goes before the editor does.
    setLexer(nullptr);
}

long WmlEditor::bytePosition(int position) const
{
    if (position <= 0)
        return 0;
    if (position >= length())
        return SendScintilla(SCI_GETLENGTH);
    const long line = SendScintilla(SCI_LINEFROMINDEXPOSITION, position, utf16Index);
    const long lineBytes = SendScintilla(SCI_POSITIONFROMLINE, line);
    const long lineChars = SendScintilla(SCI_INDEXPOSITIONFROMLINE, line, utf16Index);
    const long column = position - lineChars;
    if (isAscii(lineBytes, lineBytes + column))
        return lineBytes + column;
    return SendScintilla(SCI_POSITIONRELATIVECODEUNITS, lineBytes, column);
}

bool WmlEditor::isAscii(long from, long to) const
{
    // QScintilla counts characters one by one, decoding each; on a long
    // line of ASCII, which most pages are, one byte is one character.
    if (to <= from || to > SendScintilla(SCI_GETLENGTH))
        return to == from;
    const auto *bytes = reinterpret_cast<const unsigned char *>(SendScintilla(SCI_GETRANGEPOINTER, from, to - from));
    unsigned char any = 0;
    for (long i = 0; i < to - from; ++i)
        any |= bytes[i];
    return any < 0x80;
}

int WmlEditor::characterPosition(long bytePos) const
{
    const long line = SendScintilla(SCI_LINEFROMPOSITION, bytePos);
    const long lineBytes = SendScintilla(SCI_POSITIONFROMLINE, line);
    const long lineChars = SendScintilla(SCI_INDEXPOSITIONFROMLINE, line, utf16Index);
    if (isAscii(lineBytes, bytePos))
        return int(lineChars + bytePos - lineBytes);
    return int(lineChars + SendScintilla(SCI_COUNTCODEUNITS, lineBytes, bytePos));
}

QString WmlEditor::text() const
{
    const long bytes = SendScintilla(SCI_GETLENGTH);
    const char *data = reinterpret_cast<const char *>(SendScintilla(SCI_GETCHARACTERPOINTER));
    return QString::fromUtf8(data, bytes);
}

void WmlEditor::setText(const QString &text)
{
    const QByteArray bytes = LineBreaks::normalized(text).toUtf8();
    // Wrapping lays out every line of the text; past a few megabytes that
    // takes seconds, so very large pages open unwrapped.
    setWrapMode(bytes.size() > wrapLimitBytes ? WrapNone : WrapWord);
    SendScintilla(SCI_CLEARALL);
    // Appending with an explicit length keeps NUL characters.
    SendScintilla(SCI_APPENDTEXT, bytes.size(), bytes.constData());
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    SendScintilla(SCI_GOTOPOS, 0);
    m_changes->reportChange();
}

int WmlEditor::length() const
{
    // The character index keeps one start past the last line: the length.
    const long lines = SendScintilla(SCI_GETLINECOUNT);
    const long indexed = SendScintilla(SCI_INDEXPOSITIONFROMLINE, lines, utf16Index);
    if (indexed >= 0)
        return int(indexed);
    const long lastLine = lines - 1;
    const long lineChars = SendScintilla(SCI_INDEXPOSITIONFROMLINE, lastLine, utf16Index);
    const long lineBytes = SendScintilla(SCI_POSITIONFROMLINE, lastLine);
    return int(lineChars + SendScintilla(SCI_COUNTCODEUNITS, lineBytes, SendScintilla(SCI_GETLENGTH)));
}

int WmlEditor::lineCount() const
{
    return int(SendScintilla(SCI_GETLINECOUNT));
}

QString WmlEditor::lineText(int line) const
{
    if (line < 0 || line >= lineCount())
        return QString();
    const long start = SendScintilla(SCI_POSITIONFROMLINE, line);
    const long end = SendScintilla(SCI_GETLINEENDPOSITION, line);
    const char *data = reinterpret_cast<const char *>(SendScintilla(SCI_GETRANGEPOINTER, start, end - start));
    return QString::fromUtf8(data, end - start);
}

int WmlEditor::lineStart(int line) const
{
    if (line < 0)
        return 0;
    if (line >= lineCount())
        return length();
    return int(SendScintilla(SCI_INDEXPOSITIONFROMLINE, line, utf16Index));
}

int WmlEditor::lineOfPosition(int position) const
{
    return int(SendScintilla(SCI_LINEFROMINDEXPOSITION, qBound(0, position, length()), utf16Index));
}

int WmlEditor::lastIndexOfAscii(char c, int position) const
{
    // An ASCII byte never occurs inside a UTF-8 sequence, so the bytes
    // before position are searched as they are stored.
    const long end = bytePosition(position);
    if (end <= 0)
        return -1;
    const auto *data = static_cast<const char *>(reinterpret_cast<const void *>(SendScintilla(SCI_GETRANGEPOINTER, 0, end)));
    const void *found = memrchr(data, c, size_t(end));
    return found ? characterPosition(static_cast<const char *>(found) - data) : -1;
}

QString WmlEditor::textRange(int start, int end) const
{
    const long from = bytePosition(start);
    const long to = bytePosition(end);
    if (to <= from)
        return QString();
    const char *data = reinterpret_cast<const char *>(SendScintilla(SCI_GETRANGEPOINTER, from, to - from));
    return QString::fromUtf8(data, to - from);
}

// A block selection is one range per line; the program's commands read and
// replace only the main one (the piece in the caret's line), so what they
// read is exactly what they replace.
int WmlEditor::caret() const
{
    const long main = SendScintilla(SCI_GETMAINSELECTION);
    return characterPosition(SendScintilla(SCI_GETSELECTIONNCARET, main));
}

int WmlEditor::anchor() const
{
    const long main = SendScintilla(SCI_GETMAINSELECTION);
    return characterPosition(SendScintilla(SCI_GETSELECTIONNANCHOR, main));
}

bool WmlEditor::hasSeveralRanges() const
{
    return SendScintilla(SCI_GETSELECTIONS) > 1 || SendScintilla(SCI_SELECTIONISRECTANGLE) != 0;
}

void WmlEditor::keepMainRangeOnly()
{
    if (!hasSeveralRanges())
        return;
    const long main = SendScintilla(SCI_GETMAINSELECTION);
    const long mainAnchor = SendScintilla(SCI_GETSELECTIONNANCHOR, main);
    const long mainCaret = SendScintilla(SCI_GETSELECTIONNCARET, main);
    SendScintilla(SCI_SETSEL, mainAnchor, mainCaret);
}

void WmlEditor::setSelection(int anchor, int caret)
{
    SendScintilla(SCI_SETSEL, bytePosition(anchor), bytePosition(caret));
}

void WmlEditor::replaceSelection(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    keepMainRangeOnly();
    // SCI_REPLACESEL stops at NUL; the target functions take a length.
    SendScintilla(SCI_TARGETFROMSELECTION);
    SendScintilla(SCI_REPLACETARGET, bytes.size(), bytes.constData());
    const long end = SendScintilla(SCI_GETTARGETEND);
    SendScintilla(SCI_SETSEL, end, end);
    SendScintilla(SCI_SCROLLCARET);
    m_changes->reportChange();
}

void WmlEditor::ensureCaretVisible()
{
    SendScintilla(SCI_SCROLLCARET);
}

QPoint WmlEditor::caretPixelPosition() const
{
    const long pos = SendScintilla(SCI_GETCURRENTPOS);
    return QPoint(int(SendScintilla(SCI_POINTXFROMPOSITION, 0, pos)),
                  int(SendScintilla(SCI_POINTYFROMPOSITION, 0, pos)));
}

void WmlEditor::undo()
{
    QsciScintilla::undo();
    m_changes->reportChange();
}

void WmlEditor::redo()
{
    QsciScintilla::redo();
    m_changes->reportChange();
}
bool WmlEditor::canUndo() const { return isUndoAvailable(); }
bool WmlEditor::canRedo() const { return isRedoAvailable(); }
void WmlEditor::beginUndoStep() { beginUndoAction(); }
void WmlEditor::endUndoStep()
{
    endUndoAction();
    m_changes->reportChange();
}

bool WmlEditor::sendsTextNotifications() const
{
    return m_changes->sendsTextNotifications();
}

bool WmlEditor::isOverwriteMode() const
{
    return SendScintilla(SCI_GETOVERTYPE) != 0;
}

void WmlEditor::updateCaretStyle()
{
    const bool overwrite = isOverwriteMode();
    SendScintilla(SCI_SETCARETSTYLE, overwrite ? CARETSTYLE_BLOCK : CARETSTYLE_LINE);
}

void WmlEditor::releaseKey(const QKeySequence &key)
{
    if (key.isEmpty())
        return;
    const int combination = key[0].toCombined();
    for (QsciCommand *command : standardCommands()->commands()) {
        if (command->key() == combination)
            command->setKey(0);
        if (command->alternateKey() == combination)
            command->setAlternateKey(0);
    }
}

void WmlEditor::keyPressEvent(QKeyEvent *event)
{
    emit keyPressed(event->key(), event->modifiers());
    QsciScintilla::keyPressEvent(event);
    m_changes->reportChange();
    if (event->key() == Qt::Key_Insert) {
        updateCaretStyle();
        emit overwriteModeChanged(isOverwriteMode());
    }
}

void WmlEditor::inputMethodEvent(QInputMethodEvent *event)
{
    QsciScintilla::inputMethodEvent(event);
    m_changes->reportChange();
}

// A drag of files is taken whole, as on the main window; a drag of text
// is QScintilla's.
void WmlEditor::dragEnterEvent(QDragEnterEvent *event)
{
    if (DroppedFiles::localPaths(event->mimeData()).isEmpty()) {
        QsciScintilla::dragEnterEvent(event);
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void WmlEditor::dragMoveEvent(QDragMoveEvent *event)
{
    if (DroppedFiles::localPaths(event->mimeData()).isEmpty()) {
        QsciScintilla::dragMoveEvent(event);
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void WmlEditor::dropEvent(QDropEvent *event)
{
    const QStringList files = DroppedFiles::localPaths(event->mimeData());
    if (files.isEmpty()) {
        QsciScintilla::dropEvent(event);
        m_changes->reportChange();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    emit filesDropped(files);
}

void WmlEditor::mouseReleaseEvent(QMouseEvent *event)
{
    QsciScintilla::mouseReleaseEvent(event);
    m_changes->reportChange();
}

int WmlEditor::positionAtPoint(const QPoint &point) const
{
    const long byte = SendScintilla(SCI_POSITIONFROMPOINT, long(point.x()), long(point.y()));
    return characterPosition(qMax(0L, byte));
}

void WmlEditor::contextMenuEvent(QContextMenuEvent *event)
{
    // QScintilla's own handling, with a word for the program's additions.
    if (!contextMenuNeeded(event->x(), event->y()))
        return;
    QMenu *menu = createStandardContextMenu();
    if (!menu)
        return;
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const int position = event->reason() == QContextMenuEvent::Mouse ? positionAtPoint(event->pos()) : caret();
    emit contextMenuOpening(menu, position);
    menu->popup(event->globalPos());
}

QVariant WmlEditor::inputMethodQuery(Qt::InputMethodQuery query) const
{
    switch (query) {
    case Qt::ImSurroundingText:
    case Qt::ImCursorPosition:
    case Qt::ImAnchorPosition:
    case Qt::ImTextBeforeCursor:
    case Qt::ImTextAfterCursor: {
        const InputMethodContext context = InputMethodContext::around(*this);
        if (query == Qt::ImSurroundingText)
            return context.text;
        if (query == Qt::ImCursorPosition)
            return context.cursor;
        if (query == Qt::ImAnchorPosition)
            return context.anchor;
        if (query == Qt::ImTextBeforeCursor)
            return context.text.left(context.cursor);
        return context.text.mid(context.cursor);
    }
    default:
        return QsciScintilla::inputMethodQuery(query);
    }
}
