#include "rulesets.h"

#include "checkcontext.h"
#include "deckattributes.h"
#include "decktext.h"
#include "decksize.h"
#include "wbxml/wbxmlwriter.h"
#include "variablesyntax.h"

// What the chosen phone takes: these are warnings, as a deck over a
// phone's limit works on larger phones.

namespace DeviceRules {

namespace {

SourceRange deckStart(const CheckContext &context)
{
    const WmlNode *root = context.document().root();
    return root ? root->startTag : SourceRange{};
}

void deckSize(const CheckContext &context)
{
    const int limit = context.device().maxDeckBytes;
    if (limit <= 0)
        return;
    // The phone receives the deck compiled by the gateway. Compiling takes
    // its tags and attributes to a byte or two and keeps the text, so the
    // compiled deck is rarely larger than its text without comments and
    // spaces, and never an eighth of it: the estimate settles the clear
    // cases, and the deck is compiled only where it cannot.
    const int estimate = DeckSize::textEstimate(context.document().text());
    if (estimate <= limit)
        return;
    if (estimate / 8 > limit) {
        context.warning(QStringLiteral("device-deck-size"), deckStart(context),
                        CheckContext::tr("The deck is about %1 bytes of text, far more than the %2 takes compiled "
                                         "(%3 bytes)")
                            .arg(estimate)
                            .arg(context.device().name)
                            .arg(limit));
        return;
    }
    const qsizetype size = WbxmlWriter::encode(context.document()).size();
    if (size <= limit)
        return;
    context.warning(QStringLiteral("device-deck-size"), deckStart(context),
                    CheckContext::tr("deck compiles to %1 bytes, above the %2 limit of %3 bytes")
                        .arg(size)
                        .arg(context.device().name)
                        .arg(limit));
}

// A length in pixels; -1 for a percentage or no number.
int pixels(const QString &value)
{
    bool ok = false;
    const int number = value.trimmed().toInt(&ok);
    return ok ? number : -1;
}

void imageSize(const CheckContext &context)
{
    const WmlNode *root = context.document().root();
    if (!root)
        return;
    const DeviceProfile &device = context.device();
    forEachElement(*root, [&](const WmlNode &element) {
        if (element.name != QLatin1String("img"))
            return;
        const WmlAttribute *width = element.attribute(u"width");
        const WmlAttribute *height = element.attribute(u"height");
        if (width && device.screenWidth > 0 && pixels(width->value) > device.screenWidth) {
            context.warning(QStringLiteral("device-image-size"), width->valueRange,
                            CheckContext::tr("The picture is %1 pixels wide; the %2 shows up to %3")
                                .arg(pixels(width->value))
                                .arg(device.name)
                                .arg(device.screenWidth));
        }
        if (height && device.screenHeight > 0 && pixels(height->value) > device.screenHeight) {
            context.warning(QStringLiteral("device-image-size"), height->valueRange,
                            CheckContext::tr("The picture is %1 pixels high; the %2 shows up to %3")
                                .arg(pixels(height->value))
                                .arg(device.name)
                                .arg(device.screenHeight));
        }
    });
}

void urlLength(const CheckContext &context)
{
    const WmlNode *root = context.document().root();
    const int limit = context.device().maxUrlLength;
    if (!root || limit <= 0)
        return;
    forEachElement(*root, [&](const WmlNode &element) {
        for (const WmlAttribute &attribute : element.attributes) {
            if (attribute.value.size() <= limit || !DeckAttributes::isHref(element.name, attribute.name))
                continue;
            // Variables count for what is written around them: their values
            // are known only on the phone.
            int length = int(attribute.value.trimmed().size());
            for (const VariableSyntax::Reference &reference : VariableSyntax::scan(attribute.value).references)
                length -= reference.end - reference.start;
            if (length <= limit)
                continue;
            context.warning(QStringLiteral("device-url-length"), attribute.valueRange,
                            CheckContext::tr("The URL is %1 characters long; the %2 follows URLs of up to %3")
                                .arg(length)
                                .arg(context.device().name)
                                .arg(limit));
        }
    });
}

} // namespace

QList<Checker::Rule> rules()
{
    return {
        {"device-deck-size", true, true, true, deckSize},
        {"device-image-size", true, true, true, imageSize},
        {"device-url-length", true, true, true, urlLength},
    };
}

} // namespace DeviceRules
