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

// Puts the caret back at position with nothing selected and types the one
// space that separates what follows from the tag.
void prepareForList(SourceEditor &editor, int position);

// Inserts entry at the caret; when it holds an empty pair of double quotes
// the caret goes between the quotes of the last such pair.
void insertEntry(SourceEditor &editor, const QString &entry);

// Removes the space the opening of the list typed.
void cancel(SourceEditor &editor);

// One entry per "<card" in the text (any case, comments included):
// "card1", "card2", ...
QStringList cardEntries(const SourceEditor &editor);

} // namespace TagCompletion
