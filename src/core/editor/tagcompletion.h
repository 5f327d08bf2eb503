#pragma once

#include <QString>
#include <QStringList>

class SourceEditor;

// The Ctrl+J completion list, without its widget: what the text before the
// caret asks for, the entries offered, and the edits made when the list
// opens, when an entry is chosen and when it is cancelled.
namespace TagCompletion {

struct Request
{
    enum class Kind {
        NoTag,      // no "<" before the caret: the list does not open
        TagNames,   // the caret is right after a bare "<"
        Attributes, // inside an opening tag named tagName
        ClosingTag, // inside a closing tag: an empty list
    };
    Kind kind = Kind::NoTag;
    QString tagName;
};

// Looks back from position for the nearest "<". The tag name runs from
// after it to the first space before position.
Request requestAt(const SourceEditor &editor, int position);

// The entries for the attributes of a tag whose tag-list value is value:
// the first item dropped, a trailing "#" removed from the others.
QStringList attributeEntries(const QString &value);

// What an open list typed into the text: closing the list takes back that
// space and never anything the user typed.
struct OpenList
{
    int space = -1;       // where the list typed its space; -1 when it typed none
    int lengthAfter = 0;  // the text's length once the space was typed
    bool tagNames = false; // it offers tag names, which follow the "<" directly
};

// Puts the caret back at position with nothing selected and types the one
// space that separates what follows from the tag.
OpenList prepareForList(SourceEditor &editor, int position, bool tagNames = false);

// The options of an attribute entry whose default is a choice list,
// name="index;option;option...": the options without the leading index of
// the preselected one (a number, "-" or nothing). Empty for any other entry.
QStringList choicesOf(const QString &entry);

// Inserts entry at the caret; when it holds an empty pair of double quotes
// the caret goes between the quotes of the last such pair.
void insertEntry(SourceEditor &editor, const QString &entry);

// Chooses entry from list. A tag name takes the list's space back first, so
// that it follows its "<". An attribute with a choice list goes in with an
// empty value and the caret between its quotes; its choices are returned,
// to be offered next. Anything else is inserted by insertEntry.
QStringList choose(SourceEditor &editor, const OpenList &list, const QString &entry);

// Removes the space the list typed, when it is still there and the text has
// not changed since; the caret and the anchor keep their places in the text.
void cancel(SourceEditor &editor, const OpenList &list);

// One entry per "<card" in the text (any case, comments included):
// "card1", "card2", ...
QStringList cardEntries(const SourceEditor &editor);

} // namespace TagCompletion
