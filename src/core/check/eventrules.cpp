#include "deckchecks.h"
#include "decktext.h"

#include <QHash>

// Event bindings: do names (WML-66), the one task of an anchor, one access
// element, and intrinsic events that do not conflict (WML-69).

namespace DeckChecks {

namespace {

bool isTask(const WmlNode &node)
{
    return node.isElement()
        && (node.name == QLatin1String("go") || node.name == QLatin1String("prev")
            || node.name == QLatin1String("refresh") || node.name == QLatin1String("noop"));
}

// The do elements of a card or the template, wherever they stand in it.
void collectDos(const WmlNode &node, QList<const WmlNode *> *dos)
{
    for (const WmlNode &child : node.children) {
        if (!child.isElement())
            continue;
        if (child.name == QLatin1String("do"))
            dos->append(&child);
        else
            collectDos(child, dos);
    }
}

void checkDoNames(const CheckContext &context, const WmlNode &place)
{
    QList<const WmlNode *> dos;
    collectDos(place, &dos);
    QHash<QString, const WmlNode *> names;
    for (const WmlNode *element : dos) {
        const WmlAttribute *name = element->attribute(u"name");
        const WmlAttribute *type = element->attribute(u"type");
        const WmlAttribute *naming = name ? name : type;
        if (!naming)
            continue; // a do without a type is the document type's concern
        const QString value = naming->value;
        const auto first = names.constFind(value);
        if (first == names.constEnd()) {
            names.insert(value, element);
            continue;
        }
        const bool inTemplate = place.name == QLatin1String("template");
        QString message = inTemplate
                            ? CheckContext::tr("Another do in the template is already named \"%1\" (line %2)")
                            : CheckContext::tr("Another do in this card is already named \"%1\" (line %2)");
        message = message.arg(value).arg((*first)->startTag.start.line);
        if (!name)
            message += CheckContext::tr("; a do without a name is named by its type");
        context.error(QStringLiteral("wml-do-name"), naming->valueRange, message);
    }
}

QStringList eventsOf(const WmlNode &element)
{
    if (element.name == QLatin1String("card") || element.name == QLatin1String("template"))
        return {QStringLiteral("onenterforward"), QStringLiteral("onenterbackward"), QStringLiteral("ontimer")};
    if (element.name == QLatin1String("option"))
        return {QStringLiteral("onpick")};
    return {};
}

void checkEvents(const CheckContext &context, const WmlNode &element)
{
    const QStringList events = eventsOf(element);
    if (events.isEmpty())
        return;
    QHash<QString, const WmlNode *> bound;
    for (const WmlNode *onevent : element.elements(u"onevent")) {
        const WmlAttribute *type = onevent->attribute(u"type");
        if (!type)
            continue; // a missing type is the document type's
        const SourceRange where = type->valueRange;
        if (!events.contains(type->value))
            continue; // an event the element does not have is the document type's
        if (const WmlAttribute *attribute = element.attribute(type->value)) {
            context.error(QStringLiteral("wml-single"), where,
                          CheckContext::tr("The %1 attribute of <%2> already handles this event (line %3)")
                              .arg(type->value, element.name)
                              .arg(attribute->range.start.line));
            continue;
        }
        const auto first = bound.constFind(type->value);
        if (first != bound.constEnd()) {
            context.error(QStringLiteral("wml-single"), where,
                          CheckContext::tr("Another onevent of this <%1> already handles %2 (line %3)")
                              .arg(element.name, type->value)
                              .arg((*first)->startTag.start.line));
            continue;
        }
        bound.insert(type->value, onevent);
    }
}

} // namespace

void doNames(const CheckContext &context)
{
    const WmlNode *root = context.document().root();
    if (!root)
        return;
    for (const WmlNode &child : root->children) {
        if (child.isElement() && (child.name == QLatin1String("card") || child.name == QLatin1String("template")))
            checkDoNames(context, child);
    }
}

void anchorTasks(const CheckContext &context)
{
    const WmlNode *root = context.document().root();
    if (!root)
        return;
    forEachElement(*root, [&](const WmlNode &element) {
        if (element.name != QLatin1String("anchor"))
            return;
        int tasks = 0;
        for (const WmlNode &child : element.children) {
            if (!isTask(child))
                continue;
            if (++tasks > 1) {
                context.error(QStringLiteral("wml-anchor-task"), child.startTag,
                              CheckContext::tr("An anchor holds exactly one task: this <%1> is one too many")
                                  .arg(child.name));
            }
        }
        if (tasks == 0) {
            context.error(QStringLiteral("wml-anchor-task"), element.startTag,
                          CheckContext::tr("This anchor has no task: put a go, prev or refresh in it"));
        }
    });
}

void single(const CheckContext &context)
{
    const WmlNode *root = context.document().root();
    if (!root)
        return;
    const WmlNode *firstAccess = nullptr;
    forEachElement(*root, [&](const WmlNode &element) {
        if (element.name == QLatin1String("access")) {
            if (!firstAccess) {
                firstAccess = &element;
            } else {
                context.error(QStringLiteral("wml-single"), element.startTag,
                              CheckContext::tr("A deck has at most one access element; the first is on line %1")
                                  .arg(firstAccess->startTag.start.line));
            }
        }
        checkEvents(context, element);
    });
}

} // namespace DeckChecks
