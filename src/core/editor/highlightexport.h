#pragma once

#include "editor/wmlhighlighter.h"

#include <QByteArray>
#include <QStringList>

// The highlighter's view of a whole document, written out for readers
// outside the program. Lines are highlighted one after the other, each from
// the state the line before ended in.
namespace HighlightExport {

// For every maximal run of characters of one class, one line
// "LINE<TAB>COLUMN<TAB>LENGTH<TAB>CLASS" (UTF-8, LF-terminated). Lines and
// columns count from 0, in characters of the line (a character outside the
// Basic Multilingual Plane counts once); line breaks are not counted.
QByteArray runsText(const TwmlHighlighter &highlighter, const QStringList &lines);

// A standalone HTML page (UTF-8) with a small stylesheet, one rule per text
// class named as the class, and the document in a <pre> holding one span
// per run. Control characters other than tab, which HTML cannot carry, are
// written as U+FFFD.
QByteArray htmlPage(const TwmlHighlighter &highlighter, const QStringList &lines, const QString &title);

// The stylesheet's rule for one class (".HtmlComment { ... }").
QString styleRule(TextClass textClass, const TextAttributes &attributes);

} // namespace HighlightExport
