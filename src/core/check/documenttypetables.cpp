#include "documenttype.h"

// The elements of WML 1.1 (WAP-136 sections 9 and 11), WML 1.2 and
// WML 1.3 (WAP-191 sections 9 and 11, with WAP-191_104 and _105).
// WAP-191's change list names cache-control on go as the one thing 1.3
// added to 1.2, so 1.2 is taken as 1.3 without it: what differs between
// 1.1 and 1.3 otherwise (pre, enctype on go, accesskey on a, anchor and
// input, no xml:lang on br) counts as 1.2's.

namespace {

using T = AttributeType;
using P = AttributePresence;
namespace V = WmlVersions;

// The groups of elements the definitions share.
#define WML_EMPH "em | strong | b | i | u | big | small"
#define WML_TEXT "#PCDATA | " WML_EMPH
#define WML_LAYOUT "br"
#define WML_FLOW WML_TEXT " | " WML_LAYOUT " | img | anchor | a | table"
#define WML_FIELDS WML_FLOW " | input | select | fieldset"
#define WML_TASK "go | prev | noop | refresh"

const AttributeDefinition xmlLang{"xml:lang", T::NmToken};

AttributeDefinition vdata(const char *name, P presence = P::Implied)
{
    return {name, T::VData, presence};
}

AttributeDefinition boolean(const char *name, const char *defaultValue)
{
    return {name, T::Enumeration, defaultValue ? P::Defaulted : P::Implied, "true|false", defaultValue};
}

AttributeDefinition withVersions(AttributeDefinition attribute, quint8 versions)
{
    attribute.versions = versions;
    return attribute;
}

// The three card events, on card and template.
void addCardEvents(std::vector<AttributeDefinition> *attributes)
{
    for (const char *event : {"onenterforward", "onenterbackward", "ontimer"})
        attributes->push_back({event, T::Href});
}

// An emphasis element: flow content and xml:lang.
ElementDefinition emphasis(const char *name)
{
    return {name, V::All, "(" WML_FLOW ")*", {xmlLang}};
}

std::vector<ElementDefinition> buildDefinitions()
{
    std::vector<ElementDefinition> elements = {
        // Decks and cards
        {"wml", V::All, "(head?, template?, card+)", {xmlLang}},
        {"card", V::Wml11, "(onevent*, timer?, (do | p)*)", {}},
        {"card", V::From12, "(onevent*, timer?, (do | p | pre)*)", {}},
        // Event bindings
        {"do", V::All, "(" WML_TASK ")",
         {{"type", T::CData, P::Required}, vdata("label"), {"name", T::NmToken}, boolean("optional", "false"),
          xmlLang}},
        {"onevent", V::All, "(" WML_TASK ")", {{"type", T::CData, P::Required}}},
        // Deck-level declarations
        {"head", V::All, "(access | meta)+", {}},
        {"template", V::All, "(do | onevent)*", {}},
        {"access", V::All, "EMPTY", {{"domain", T::CData}, {"path", T::CData}}},
        {"meta", V::All, "EMPTY",
         {{"http-equiv", T::CData}, {"name", T::CData}, withVersions(boolean("forua", nullptr), V::Wml11),
          withVersions(boolean("forua", "false"), V::From12),
          {"content", T::CData, P::Required}, {"scheme", T::CData}}},
        // Tasks
        {"go", V::All, "(postfield | setvar)*",
         {{"href", T::Href, P::Required}, boolean("sendreferer", "false"),
          {"method", T::Enumeration, P::Defaulted, "post|get", "get"},
          {"enctype", T::ContentType, P::Defaulted, nullptr, "application/x-www-form-urlencoded", V::From12},
          {"cache-control", T::Enumeration, P::Implied, "no-cache", nullptr, V::Wml13},
          {"accept-charset", T::CData}}},
        {"prev", V::All, "(setvar)*", {}},
        {"refresh", V::All, "(setvar)*", {}},
        {"noop", V::All, "EMPTY", {}},
        {"postfield", V::All, "EMPTY", {vdata("name", P::Required), vdata("value", P::Required)}},
        {"setvar", V::All, "EMPTY", {vdata("name", P::Required), vdata("value", P::Required)}},
        // Card fields
        {"select", V::All, "(optgroup | option)+",
         {vdata("title"), {"name", T::NmToken}, vdata("value"), {"iname", T::NmToken}, vdata("ivalue"),
          boolean("multiple", "false"), {"tabindex", T::Number}, xmlLang}},
        {"optgroup", V::All, "(optgroup | option)+", {vdata("title"), xmlLang}},
        {"option", V::All, "(#PCDATA | onevent)*", {vdata("value"), vdata("title"), {"onpick", T::Href}, xmlLang}},
        {"input", V::All, "EMPTY",
         {{"name", T::NmToken, P::Required}, {"type", T::Enumeration, P::Defaulted, "text|password", "text"},
          vdata("value"), {"format", T::CData}, withVersions(boolean("emptyok", "false"), V::Wml11),
          withVersions(boolean("emptyok", nullptr), V::From12), {"size", T::Number},
          {"maxlength", T::Number}, {"tabindex", T::Number}, vdata("title"),
          {"accesskey", T::VData, P::Implied, nullptr, nullptr, V::From12}, xmlLang}},
        {"fieldset", V::All, "(" WML_FIELDS " | do)*", {vdata("title"), xmlLang}},
        {"timer", V::All, "EMPTY", {{"name", T::NmToken}, vdata("value", P::Required)}},
        // Images
        {"img", V::All, "EMPTY",
         {vdata("alt", P::Required), {"src", T::Href, P::Required}, vdata("localsrc"),
          {"vspace", T::Length, P::Defaulted, nullptr, "0"}, {"hspace", T::Length, P::Defaulted, nullptr, "0"},
          {"align", T::Enumeration, P::Defaulted, "top|middle|bottom", "bottom"}, {"height", T::Length},
          {"width", T::Length}, xmlLang}},
        // Anchors
        {"anchor", V::All, "(#PCDATA | br | img | go | prev | refresh)*",
         {vdata("title"), {"accesskey", T::VData, P::Implied, nullptr, nullptr, V::From12}, xmlLang}},
        {"a", V::All, "(#PCDATA | br | img)*",
         {{"href", T::Href, P::Required}, vdata("title"),
          {"accesskey", T::VData, P::Implied, nullptr, nullptr, V::From12}, xmlLang}},
        // Tables
        {"table", V::All, "(tr)+",
         {vdata("title"), {"align", T::CData}, {"columns", T::Number, P::Required}, xmlLang}},
        {"tr", V::All, "(td)+", {}},
        {"td", V::All, "(" WML_TEXT " | " WML_LAYOUT " | img | anchor | a)*", {xmlLang}},
        // Text
        emphasis("em"),
        emphasis("strong"),
        emphasis("b"),
        emphasis("i"),
        emphasis("u"),
        emphasis("big"),
        emphasis("small"),
        {"p", V::All, "(" WML_FIELDS " | do)*",
         {{"align", T::Enumeration, P::Defaulted, "left|right|center", "left"},
          {"mode", T::Enumeration, P::Implied, "wrap|nowrap"}, xmlLang}},
        {"br", V::All, "EMPTY", {{"xml:lang", T::NmToken, P::Implied, nullptr, nullptr, V::Wml11}}},
        {"pre", V::From12, "(#PCDATA | a | anchor | do | u | br | i | b | em | strong | input | select)*",
         {{"xml:space", T::CData, P::Fixed, "preserve", "preserve"}}},
    };
    for (ElementDefinition &element : elements) {
        if (qstrcmp(element.name, "card") == 0) {
            element.attributes = {vdata("title"), boolean("newcontext", "false"), boolean("ordered", "true"),
                                  xmlLang};
            addCardEvents(&element.attributes);
        } else if (qstrcmp(element.name, "template") == 0) {
            addCardEvents(&element.attributes);
        }
    }
    return elements;
}

#undef WML_EMPH
#undef WML_TEXT
#undef WML_LAYOUT
#undef WML_FLOW
#undef WML_FIELDS
#undef WML_TASK

} // namespace

const std::vector<ElementDefinition> &documentTypeDefinitions()
{
    static const std::vector<ElementDefinition> definitions = buildDefinitions();
    return definitions;
}
