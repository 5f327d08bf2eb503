#pragma once

class QWidget;

// Keeps QScintilla's accessibility support, and its cost, for the time a
// screen reader is listening.
//
// Once QScintilla's accessible interface for an editor exists, every repaint
// after a change counts the characters from the start of the text to the
// caret to tell a reader where the caret went: on a 20 MB page that is a
// pass over 20 MB per keystroke. Qt creates that interface as soon as an
// editor is shown, reader or not. So while accessibility is inactive the
// program's editors get a plain accessible interface (an editable text, no
// text access); when a reader connects, the cached ones are dropped and
// QScintilla's full interface is created on the reader's first question.
namespace QuietAccessibility {

// Installs the interface factory; called once an editor exists, so that it
// is asked before QScintilla's own.
void install();

// Drops the cached accessible interface of editor, so that the next query
// makes the one that fits whether accessibility is active.
void forgetInterface(QWidget *editor);

} // namespace QuietAccessibility
