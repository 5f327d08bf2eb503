#pragma once

#include <QString>
#include <QStringList>

// The tag list file "data/check.ini" beside the program. Its section "tags"
// holds one key per WML element, spelled as it follows "<", in the order the
// completion list shows them. Each value is a "|"-list: the first item is
// the element's own word, every further item one attribute written as
// name="default", optionally followed by a "#" marker. The file is read
// afresh at every call, so edits take effect at once.
namespace TagListFile {

QString path();
bool exists();

// The keys of section "tags" in file order; empty when the file is missing.
QStringList tagNames();
// The value of key tag (found without regard to case); empty when the file,
// the section or the key is missing.
QString tagValue(const QString &tag);

// The items of a value: runs of "|" are one separator, empty items do not
// exist.
QStringList items(const QString &value);

} // namespace TagListFile
