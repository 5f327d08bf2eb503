#pragma once

#include "sourcerange.h"

#include <QList>
#include <QString>
#include <QStringView>
#include <vector>

// One attribute as the start tag writes it: the value with its entities
// resolved, the range of the whole "name=value" and of the value alone
// (inside the quotes).
struct WmlAttribute
{
    QString name;
    QString value;
    SourceRange range;
    SourceRange valueRange;
};

// An element or a run of text of a WML deck. A text node holds the
// characters of one run between tags (entities resolved, CDATA included);
// comments and processing instructions are not kept.
struct WmlNode
{
    enum class Kind { Element, Text };

    Kind kind = Kind::Element;
    QString name; // the element's name; empty for text
    QString text; // the characters of a text node
    QList<WmlAttribute> attributes;
    std::vector<WmlNode> children;
    // An element: from its "<" to the end of its end tag (or of its empty
    // tag); a text node: its characters as written.
    SourceRange range;
    // An element's start tag alone, "<" to ">".
    SourceRange startTag;

    bool isElement() const { return kind == Kind::Element; }
    bool isText() const { return kind == Kind::Text; }
    // Whether a text node holds only XML white space.
    bool isWhitespace() const;

    const WmlAttribute *attribute(QStringView attributeName) const;
    bool hasAttribute(QStringView attributeName) const { return attribute(attributeName) != nullptr; }
    // The attribute's value, or an empty string when it is not there.
    QString value(QStringView attributeName) const;
    // The element children named elementName, in order.
    QList<const WmlNode *> elements(QStringView elementName) const;
};
