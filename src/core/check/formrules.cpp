#include "deckchecks.h"
#include "decktext.h"

// Forms and the deck's head: fieldsets with content, lists whose choice is
// kept, meta elements with one property name (WML-67) and tables with
// columns (WML-68).

namespace DeckChecks {

namespace {

bool isBlank(const WmlNode &element)
{
    for (const WmlNode &child : element.children) {
        if (child.isElement() || !child.isWhitespace())
            return false;
    }
    return true;
}

// Whether picking an option does something of its own.
bool hasPickHandler(const WmlNode &node)
{
    for (const WmlNode &child : node.children) {
        if (!child.isElement())
            continue;
        if (child.name == QLatin1String("option")) {
            if (child.hasAttribute(u"onpick") || !child.elements(u"onevent").isEmpty())
                return true;
        } else if (child.name == QLatin1String("optgroup") && hasPickHandler(child)) {
            return true;
        }
    }
    return false;
}

} // namespace

void fieldsetEmpty(const CheckContext &context)
{
    const WmlNode *root = context.document().root();
    if (!root)
        return;
    forEachElement(*root, [&](const WmlNode &element) {
        if (element.name != QLatin1String("fieldset") || !isBlank(element))
            return;
        context.error(QStringLiteral("wml-fieldset-empty"), element.startTag,
                      CheckContext::tr("A fieldset must not be empty: put fields or text in it, or remove it"),
                      QuickFix{CheckContext::tr("Remove the empty fieldset"),
                               {TextEdit{element.range.start.offset, element.range.end.offset, QString()}}});
    });
}

void nameRequired(const CheckContext &context)
{
    const WmlNode *root = context.document().root();
    if (!root)
        return;
    forEachElement(*root, [&](const WmlNode &element) {
        if (element.name != QLatin1String("select") || element.hasAttribute(u"name")
            || element.hasAttribute(u"iname") || hasPickHandler(element))
            return;
        context.warning(QStringLiteral("wml-name-required"), element.startTag,
                        CheckContext::tr("Nothing keeps the choice made in this list: give the select a name or an "
                                         "iname, or its options an onpick"));
    });
}

void meta(const CheckContext &context)
{
    const WmlNode *root = context.document().root();
    if (!root)
        return;
    forEachElement(*root, [&](const WmlNode &element) {
        if (element.name != QLatin1String("meta"))
            return;
        const bool name = element.hasAttribute(u"name");
        const bool httpEquiv = element.hasAttribute(u"http-equiv");
        if (name && httpEquiv) {
            context.error(QStringLiteral("wml-meta"), element.startTag,
                          CheckContext::tr("A meta element names its property once: give it name or http-equiv, "
                                           "not both"));
        } else if (!name && !httpEquiv) {
            context.error(QStringLiteral("wml-meta"), element.startTag,
                          CheckContext::tr("A meta element needs a name or an http-equiv attribute"));
        }
    });
}

void tableColumns(const CheckContext &context)
{
    const WmlNode *root = context.document().root();
    if (!root)
        return;
    forEachElement(*root, [&](const WmlNode &element) {
        if (element.name != QLatin1String("table"))
            return;
        const WmlAttribute *columns = element.attribute(u"columns");
        bool number = false;
        if (columns && columns->value.trimmed().toInt(&number) == 0 && number) {
            context.error(QStringLiteral("wml-table-columns"), columns->valueRange,
                          CheckContext::tr("A table needs at least one column"));
        }
    });
}

} // namespace DeckChecks
