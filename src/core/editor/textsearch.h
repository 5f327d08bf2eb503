#pragma once

#include "sourceeditor.h"

// Text search over an editor's lines, from a start position:
// - forward finds the first match that starts at or after the start,
//   backward the nearest match that starts before it;
// - a match never spans a line break;
// - without match case both sides are compared in upper case;
// - a whole-word match starts at the beginning of a line or after a word
//   separator and ends at the end of a line or before one.
namespace TextSearch {

struct Match
{
    int start = -1;
    int length = 0;
    bool found() const { return start >= 0; }
};

Match find(const SourceEditor &editor, const QString &pattern, int from, const SearchOptions &options);

// The same rules over one line of text: the column of the first match at or
// after column (forward) or starting before column (backward), or -1.
int findInLine(QStringView line, QStringView pattern, int column, const SearchOptions &options);

// Upper case character by character, so that columns stay where they are.
QString upperCased(QStringView text);

} // namespace TextSearch
