#include "checkcontext.h"
#include "documenttype.h"
#include "documenttypechecks.h"

namespace DocumentTypeChecks {

namespace {

const QString valueRule = QStringLiteral("dtd-value");

bool isDigits(QStringView value)
{
    if (value.isEmpty())
        return false;
    for (const QChar c : value) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

// XML 1.0, production 4 (NameChar) and 5 (Name), as far as a deck needs.
bool isNameStart(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_') || c == QLatin1Char(':');
}

bool isNameChar(QChar c)
{
    return isNameStart(c) || c.isDigit() || c.isMark() || c == QLatin1Char('.') || c == QLatin1Char('-')
        || c == QChar(0x00B7);
}

bool isNameToken(QStringView value)
{
    if (value.isEmpty())
        return false;
    for (const QChar c : value) {
        if (!isNameChar(c))
            return false;
    }
    return true;
}

bool isName(QStringView value)
{
    return isNameToken(value) && isNameStart(value.front());
}

// WML 1.1, 8.2: digits, then a "%" for a share of the space.
bool isLength(QStringView value)
{
    if (value.endsWith(QLatin1Char('%')))
        value.chop(1);
    return isDigits(value);
}

// The events an onevent may bind inside its parent (WML 1.3, 9.10).
QStringList eventsOf(const QString &parent)
{
    if (parent == QLatin1String("option"))
        return {QStringLiteral("onpick")};
    if (parent == QLatin1String("card") || parent == QLatin1String("template"))
        return {QStringLiteral("onenterforward"), QStringLiteral("onenterbackward"), QStringLiteral("ontimer")};
    return {};
}

SourceRange valueRange(const WmlAttribute &attribute)
{
    return attribute.valueRange.length() > 0 ? attribute.valueRange : attribute.range;
}

// A fix that writes the word the author meant ("GET" -> "get").
std::optional<QuickFix> spelling(const WmlAttribute &attribute, const QStringList &words)
{
    const QString written = attribute.value.trimmed();
    for (const QString &word : words) {
        if (written.compare(word, Qt::CaseInsensitive) == 0)
            return QuickFix{CheckContext::tr("Write %1").arg(word),
                            {TextEdit{attribute.valueRange.start.offset, attribute.valueRange.end.offset, word}}};
    }
    return std::nullopt;
}

void checkWords(const CheckContext &context, const WmlAttribute &attribute, const QStringList &words)
{
    // Enumerated values are tokens: XML drops the spaces around them.
    if (words.contains(attribute.value.trimmed()))
        return;
    context.error(valueRule, valueRange(attribute),
                  CheckContext::tr("%1 must be %2, not \"%3\"").arg(attribute.name, orList(words), attribute.value),
                  spelling(attribute, words));
}

void checkEvent(const CheckContext &context, const WmlAttribute &attribute, const WmlNode *parent)
{
    if (!parent)
        return;
    const QStringList events = eventsOf(parent->name);
    if (events.isEmpty() || events.contains(attribute.value.trimmed()))
        return;
    context.error(valueRule, valueRange(attribute),
                  CheckContext::tr("\"%1\" is not an event of %2; use %3")
                      .arg(attribute.value, tag(parent->name), orList(events)),
                  spelling(attribute, events));
}

void checkValue(const CheckContext &context, const AttributeDefinition &definition, const WmlAttribute &attribute)
{
    const QString &value = attribute.value;
    const QStringView token = QStringView(value).trimmed();
    switch (definition.type) {
    case AttributeType::Enumeration:
        checkWords(context, attribute, QString::fromLatin1(definition.values).split(QLatin1Char('|')));
        return;
    case AttributeType::Number:
        if (!isDigits(token))
            context.error(valueRule, valueRange(attribute),
                          CheckContext::tr("%1 must be a whole number, not \"%2\"").arg(attribute.name, value));
        return;
    case AttributeType::Length:
        if (!isLength(value))
            context.error(valueRule, valueRange(attribute),
                          CheckContext::tr("%1 must be a number of pixels or a percentage (like 20 or 50%), "
                                           "not \"%2\"")
                              .arg(attribute.name, value));
        return;
    case AttributeType::NmToken:
        if (token.isEmpty())
            context.error(valueRule, valueRange(attribute), CheckContext::tr("%1 may not be empty").arg(attribute.name));
        else if (!isNameToken(token))
            context.error(valueRule, valueRange(attribute),
                          CheckContext::tr("%1 may hold only letters, digits and . - _ :, not \"%2\"")
                              .arg(attribute.name, value));
        return;
    case AttributeType::Id:
        if (!isName(token))
            context.error(valueRule, valueRange(attribute),
                          CheckContext::tr("%1 must start with a letter or _ and hold only letters, digits "
                                           "and . - _ :, not \"%2\"")
                              .arg(attribute.name, value));
        return;
    case AttributeType::CData:
    case AttributeType::VData:
    case AttributeType::Href:
    case AttributeType::ContentType:
        if (definition.presence == AttributePresence::Fixed)
            checkWords(context, attribute, {QString::fromLatin1(definition.values)});
        return;
    }
}

} // namespace

void values(const CheckContext &context)
{
    forEachKnownElement(context, [&](const WmlNode &element, const WmlNode *parent, const ElementType &elementType) {
        const bool onevent = element.name == QLatin1String("onevent");
        for (const WmlAttribute &attribute : element.attributes) {
            const AttributeDefinition *definition = elementType.attribute(attribute.name);
            if (!definition)
                continue; // reported as dtd-attribute
            if (onevent && attribute.name == QLatin1String("type"))
                checkEvent(context, attribute, parent);
            else
                checkValue(context, *definition, attribute);
        }
    });
}

} // namespace DocumentTypeChecks
