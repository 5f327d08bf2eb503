#pragma once

#include <QString>
#include <QStringList>

// Element records and attribute items: "^"-separated fields read with word
// semantics (a run of separators is one, no empty fields), and NAME="value"
// items found by the start of their name.
namespace ElementRecord {

// Stands in a field for an attribute the tag does not have.
const QString &none();

// Field n of a record, counted from 1; empty beyond the last.
QString field(const QString &record, int n);
// All fields of a record.
QStringList fields(const QString &record);
// The record's text for the kinds that show one: the whole record when it
// holds no "^", otherwise field n.
QString shownText(const QString &record, int n);

// The attribute part of a tag as NAME="value" items joined by "^": the text
// is cut at double quotes and taken in pairs; an odd word at the end is
// dropped. An empty value therefore shifts the pairing of later attributes.
QString SplitAttributes(const QString &attributeText);
// The same items as a list, as the record separator would cut them.
QStringList attributeItems(QStringView attributeText);

// The value of the first item that starts with key (compared in upper case,
// ASCII letters only): its second "="-word with the double quotes removed.
// "<!-- none -->" when no item matches.
QString FindAttribute(const QStringList &items, const QString &key);

// The same over the lines of an element attribute list, giving an empty
// text when no line matches.
QString ReadElementAttribute(const QStringList &lines, const QString &key);

} // namespace ElementRecord
