#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The character set named in a page's XML declaration
// (<?xml version="1.0" encoding="windows-1250"?>), read from the bytes and
// rewritten in the text.
namespace XmlDeclaration {

// The encoding a page's bytes declare, as written; empty when the bytes do
// not start with an XML declaration readable as ASCII, or it names none.
QByteArray declaredEncoding(const QByteArray &bytes);

// One replacement in a text: the characters from start, length long,
// become replacement.
struct TextEdit
{
    qsizetype start = 0;
    qsizetype length = 0;
    QString replacement;

    QString appliedTo(const QString &text) const { return QString(text).replace(start, length, replacement); }
};

// The edit that makes the text's XML declaration name the encoding: its
// encoding value is replaced, or an encoding is added after the version.
// None when the text has no XML declaration or it names that encoding
// already (in any letter case).
std::optional<TextEdit> encodingEdit(const QString &text, const QByteArray &encoding);

} // namespace XmlDeclaration
