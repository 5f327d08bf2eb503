#include "checkcontext.h"
#include "documenttype.h"
#include "documenttypechecks.h"

namespace DocumentTypeChecks {

namespace {

const QString attributeRule = QStringLiteral("dtd-attribute");
const QString requiredRule = QStringLiteral("dtd-required");

bool isXmlSpace(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// Removes the attribute and the white space before it.
QuickFix removal(const QString &text, const WmlAttribute &attribute)
{
    int start = attribute.range.start.offset;
    while (start > 0 && isXmlSpace(text[start - 1]))
        --start;
    return QuickFix{CheckContext::tr("Remove %1").arg(attribute.name),
                    {TextEdit{start, attribute.range.end.offset, QString()}}};
}

// Adds name="" at the end of the start tag, before its ">" or "/>" and
// the white space before them.
QuickFix addition(const QString &text, const WmlNode &element, const QString &name)
{
    int at = element.startTag.end.offset;
    if (at > element.startTag.start.offset && text[at - 1] == QLatin1Char('>'))
        --at;
    if (at > element.startTag.start.offset && text[at - 1] == QLatin1Char('/'))
        --at;
    while (at > element.startTag.start.offset && isXmlSpace(text[at - 1]))
        --at;
    const QString attribute = name + QLatin1String("=\"\"");
    return QuickFix{CheckContext::tr("Add %1").arg(attribute), {TextEdit{at, at, QLatin1Char(' ') + attribute}}};
}

bool hasAttributeInAnyCase(const WmlNode &element, const QString &name)
{
    for (const WmlAttribute &attribute : element.attributes) {
        if (attribute.name.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

void attributes(const CheckContext &context)
{
    const QString &text = context.document().text();
    forEachKnownElement(context, [&](const WmlNode &element, const WmlNode *, const ElementType &elementType) {
        for (const WmlAttribute &attribute : element.attributes) {
            if (elementType.attribute(attribute.name))
                continue;
            const quint8 versions = DocumentType::attributeVersions(element.name, attribute.name);
            QString message;
            const QString lower = attribute.name.toLower();
            if (versions == 0 && lower != attribute.name && elementType.attribute(lower)
                && !element.hasAttribute(lower)) {
                const int start = attribute.range.start.offset;
                context.error(attributeRule, attribute.range,
                              CheckContext::tr("%1 has no %2 attribute; WML writes it %3")
                                  .arg(tag(element.name), attribute.name, lower),
                              QuickFix{CheckContext::tr("Write %1").arg(lower),
                                       {TextEdit{start, start + int(attribute.name.size()), lower}}});
                continue;
            }
            if (versions == 0) {
                message = CheckContext::tr("%1 has no %2 attribute").arg(tag(element.name), attribute.name);
            } else if (WmlVersions::oldest(versions) > context.version()) {
                message = CheckContext::tr("%1 came with WML %2; this deck is WML %3")
                              .arg(attribute.name, versionName(WmlVersions::oldest(versions)),
                                   versionName(context.version()));
            } else {
                message = CheckContext::tr("%1 has no %2 attribute in WML %3")
                              .arg(tag(element.name), attribute.name, versionName(context.version()));
            }
            context.error(attributeRule, attribute.range, message, removal(text, attribute));
        }
    });
}

void required(const CheckContext &context)
{
    const QString &text = context.document().text();
    forEachKnownElement(context, [&](const WmlNode &element, const WmlNode *, const ElementType &elementType) {
        for (const AttributeDefinition *definition : elementType.required) {
            const QString name = QLatin1String(definition->name);
            if (hasAttributeInAnyCase(element, name))
                continue; // a wrong case is reported as dtd-attribute
            const QString message = startsWithVowel(name)
                ? CheckContext::tr("%1 needs an %2 attribute").arg(tag(element.name), name)
                : CheckContext::tr("%1 needs a %2 attribute").arg(tag(element.name), name);
            context.error(requiredRule, element.startTag, message, addition(text, element, name));
        }
    });
}

} // namespace DocumentTypeChecks
