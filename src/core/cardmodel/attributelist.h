#pragma once

#include <QString>
#include <QStringList>

// Element attribute lists: the tag word, then the words of the tag's
// template in the tag list file, with the values a parsed element brings
// filled into the attributes that have an empty default. Enumerated
// attributes (align and mode of p, type and optional of do) hold a choice
// value: the index of the chosen option, then all options, joined by ";".
namespace AttributeList {

// The template of a tag word from the tag list file; empty when the file,
// its section or the key is missing.
QString ReadTagTemplate(const QString &tagWord);

// The choice value of value among the options "index;option;option...".
// "<!-- none -->" keeps the options as they are; a value that matches no
// option gives an empty index; with fewer than two words the result is empty.
QString MakeChoiceValue(const QString &options, const QString &value);

struct Rule;

// A tag template cut into its words, each with the rule that fills it (if
// any): made once per tag word, used for every element of that tag.
struct PreparedTemplate
{
    QString tagWord;
    QStringList words;
    QList<const Rule *> rules; // one per word, null for none
};
PreparedTemplate prepare(const QString &tagWord, const QString &tagTemplate);

// The lines of the list for tagWord. For "card" the three values are the
// id, class and title; for "a" the href (used as it is, quotes included);
// for "img" the src and alt; for the other tags first is the whole element
// record and the others are unused.
QStringList build(const PreparedTemplate &prepared, const QString &first, const QString &second,
                  const QString &third);
QStringList build(const QString &tagWord, const QString &tagTemplate, const QString &first,
                  const QString &second, const QString &third);

} // namespace AttributeList
