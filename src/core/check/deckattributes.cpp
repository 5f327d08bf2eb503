#include "deckattributes.h"

#include <initializer_list>

namespace DeckAttributes {

namespace {

struct ElementAttributes
{
    const char *element; // nullptr: any element
    std::initializer_list<const char *> attributes;
};

bool listed(std::initializer_list<ElementAttributes> table, QStringView element, QStringView attribute)
{
    for (const ElementAttributes &entry : table) {
        if (entry.element && element != QLatin1StringView(entry.element))
            continue;
        for (const char *name : entry.attributes) {
            if (attribute == QLatin1StringView(name))
                return true;
        }
    }
    return false;
}

} // namespace

bool isHref(QStringView element, QStringView attribute)
{
    if (attribute != QLatin1StringView("href") && attribute != QLatin1StringView("src")
        && !attribute.startsWith(QLatin1StringView("on")))
        return false;
    return listed({{"card", {"onenterforward", "onenterbackward", "ontimer"}},
                   {"template", {"onenterforward", "onenterbackward", "ontimer"}},
                   {"go", {"href"}},
                   {"a", {"href"}},
                   {"option", {"onpick"}},
                   {"img", {"src"}}},
                  element, attribute);
}

bool isVdata(QStringView element, QStringView attribute)
{
    return isHref(element, attribute)
        || listed({{"card", {"title"}},
                   {"do", {"label"}},
                   {"go", {"enctype"}},
                   {"postfield", {"name", "value"}},
                   {"setvar", {"name", "value"}},
                   {"select", {"title", "value", "ivalue"}},
                   {"optgroup", {"title"}},
                   {"option", {"value", "title"}},
                   {"input", {"value", "title", "accesskey"}},
                   {"fieldset", {"title"}},
                   {"timer", {"value"}},
                   {"img", {"alt", "localsrc"}},
                   {"anchor", {"title", "accesskey"}},
                   {"a", {"title", "accesskey"}},
                   {"table", {"title"}}},
                  element, attribute);
}

bool isPlainCdata(QStringView element, QStringView attribute)
{
    return listed({{nullptr, {"class"}},
                   {"do", {"type"}},
                   {"onevent", {"type"}},
                   {"go", {"accept-charset"}},
                   {"input", {"format"}},
                   {"access", {"domain", "path"}},
                   {"meta", {"http-equiv", "name", "content", "scheme"}},
                   {"img", {"vspace", "hspace", "height", "width"}},
                   {"table", {"align"}}},
                  element, attribute);
}

bool isNameToken(QStringView element, QStringView attribute)
{
    return listed({{nullptr, {"id", "xml:lang"}},
                   {"card", {"newcontext", "ordered"}},
                   {"do", {"name", "optional"}},
                   {"go", {"sendreferer", "method", "cache-control"}},
                   {"input", {"name", "type", "emptyok", "size", "maxlength", "tabindex"}},
                   {"select", {"name", "iname", "multiple", "tabindex"}},
                   {"timer", {"name"}},
                   {"table", {"columns"}},
                   {"p", {"align", "mode"}},
                   {"img", {"align"}},
                   {"meta", {"forua"}}},
                  element, attribute);
}

} // namespace DeckAttributes
