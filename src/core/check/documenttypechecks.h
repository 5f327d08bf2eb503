#pragma once

#include "checkcontext.h"
#include "documenttype.h"

#include "wml/wmlnode.h"

#include <QStringList>
#include <vector>

// The checks behind the document type rules (see rulesets.h), one per
// rule id.
namespace DocumentTypeChecks {

void elements(const CheckContext &context);   // dtd-element
void content(const CheckContext &context);    // dtd-content
void attributes(const CheckContext &context); // dtd-attribute
void required(const CheckContext &context);   // dtd-required
void values(const CheckContext &context);     // dtd-value

// "<card>"
inline QString tag(const QString &name)
{
    return QLatin1Char('<') + name + QLatin1Char('>');
}

// Whether an English word takes "an" rather than "a".
inline bool startsWithVowel(const QString &word)
{
    return !word.isEmpty() && QStringLiteral("aeiouAEIOU").contains(word.front());
}

// "a", "a or b", "a, b or c"
QString orList(const QStringList &words);

// Calls visit(element, parent) for every element under and including
// root (parent is null for root), without recursion: a deck of deeply
// nested tags must not exhaust the stack.
template<typename Visit>
void forEachElement(const WmlNode &root, Visit visit)
{
    struct Item
    {
        const WmlNode *node;
        const WmlNode *parent;
    };
    std::vector<Item> stack{{&root, nullptr}};
    while (!stack.empty()) {
        const Item item = stack.back();
        stack.pop_back();
        visit(*item.node, item.parent);
        const auto &children = item.node->children;
        for (auto it = children.rbegin(); it != children.rend(); ++it) {
            if (it->isElement())
                stack.push_back({&*it, item.node});
        }
    }
}

// Calls visit(element, parent, elementType) for every element of the
// deck that the document type of the context's version knows; unknown
// elements are dtd-element's to report.
template<typename Visit>
void forEachKnownElement(const CheckContext &context, Visit visit)
{
    const WmlNode *root = context.document().root();
    if (!root)
        return;
    const DocumentType &type = DocumentType::of(context.version());
    forEachElement(*root, [&](const WmlNode &element, const WmlNode *parent) {
        if (const ElementType *elementType = type.element(element.name))
            visit(element, parent, *elementType);
    });
}

} // namespace DocumentTypeChecks
