#pragma once

#include "sourceeditor.h"

#include <QString>
#include <QStringList>

// Find, replace and remove tag over the editor interface; the find dialog
// only reads its controls and calls these.
namespace FindReplace {

// Whether text joins a search history: it is not empty and no entry
// contains it (case-sensitively).
bool joinsHistory(const QStringList &history, const QString &text);

// "String \"x\" not found"
QString notFoundMessage(const QString &text);
// "N occurrence of string \"a\" replaced by \"b\""; the not-found message
// for a count of 0.
QString replacedMessage(int count, const QString &text, const QString &replacement);

// Searches from the caret. Found: the match is selected and shown. Not
// found: the caret goes back to where the search began, nothing selected.
bool find(SourceEditor &editor, const QString &text, const SearchOptions &options);

// Replaces every match from the caret on in the search direction (from the
// start when fromTop) and gives their number; a selection made before is
// replaced first, uncounted. The result is what pressing Replace again and
// again gives: each search leaves from the end of the last replacement, so
// a backward match may run into the text just put in. A match that starts
// inside a replacement is never taken, so a replacement that holds the find
// text is not searched again and the loop always ends. The editor changes
// in one edit, undone as one step; the caret ends after the last
// replacement (where the last, failing search began).
int replaceAll(SourceEditor &editor, const QString &text, const QString &replacement, const SearchOptions &options,
               bool fromTop);

// Deletes the tag that starts at the nearest "<" before the caret (or at
// the caret when none precedes it) through the next ">"; false when there
// is no ">" to end it.
bool removeTag(SourceEditor &editor);

} // namespace FindReplace
