#include "deckchecks.h"
#include "deckattributes.h"
#include "decktext.h"
#include "variablesyntax.h"

#include <algorithm>

// URLs (RFC 2396, 2.4): spaces and characters outside US-ASCII are written
// %-escaped. A variable's value is escaped by the phone, so references are
// left alone.

namespace DeckChecks {

namespace {

bool isSpace(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

QString percentEncoded(const QString &characters)
{
    QString escaped;
    for (const char byte : characters.toUtf8())
        escaped += QStringLiteral("%%1").arg(uint(uchar(byte)), 2, 16, QLatin1Char('0')).toUpper();
    return escaped;
}

void checkUrl(const CheckContext &context, const WmlAttribute &attribute)
{
    const DeckText text(context.document().text(), attribute.valueRange.start.offset, attribute.valueRange.end.offset);
    const QString &characters = text.characters();
    const VariableSyntax::Scan scan = VariableSyntax::scan(characters);
    int first = 0;
    int last = text.size();
    while (first < last && isSpace(characters[first]))
        ++first;
    while (last > first && isSpace(characters[last - 1]))
        --last;
    bool spaces = false;
    bool foreign = false;
    QList<TextEdit> edits;
    if (first > 0)
        edits.append(TextEdit{text.sourceStart(0), text.sourceEnd(first - 1), QString()});
    int reference = 0;
    for (int i = first; i < last; ++i) {
        while (reference < scan.references.size() && scan.references[reference].end <= i)
            ++reference;
        if (reference < scan.references.size() && scan.references[reference].start <= i) {
            i = scan.references[reference].end - 1;
            continue;
        }
        const QChar c = characters[i];
        if (isSpace(c)) {
            spaces = true;
            edits.append(TextEdit{text.sourceStart(i), text.sourceEnd(i), QStringLiteral("%20")});
        } else if (c.unicode() > 0x7F) {
            foreign = true;
            int end = i + 1;
            if (c.isHighSurrogate() && end < last && characters[end].isLowSurrogate())
                ++end;
            const int from = text.sourceStart(i);
            const int to = text.sourceEnd(end - 1);
            if (edits.isEmpty() || edits.back().start != from)
                edits.append(TextEdit{from, to, percentEncoded(characters.mid(i, end - i))});
            i = end - 1;
        }
    }
    if (last < text.size())
        edits.append(TextEdit{text.sourceStart(last), text.sourceEnd(text.size() - 1), QString()});
    if (edits.isEmpty())
        return;
    const QString message = spaces && foreign ? CheckContext::tr("The URL holds spaces and characters outside ASCII: "
                                                                 "write them %-escaped")
                            : spaces ? CheckContext::tr("The URL holds a space: write it as %20")
                            : foreign ? CheckContext::tr("The URL holds characters outside ASCII: write them %-escaped")
                                      : CheckContext::tr("The URL starts or ends with a space");
    context.warning(QStringLiteral("wml-url"), attribute.valueRange, message,
                    QuickFix{CheckContext::tr("Escape the URL"), edits});
}

} // namespace

void urls(const CheckContext &context)
{
    const WmlNode *root = context.document().root();
    if (!root)
        return;
    forEachElement(*root, [&](const WmlNode &element) {
        for (const WmlAttribute &attribute : element.attributes) {
            if (!DeckAttributes::isHref(element.name, attribute.name))
                continue;
            const bool plain = std::all_of(attribute.value.cbegin(), attribute.value.cend(),
                                           [](QChar c) { return c.unicode() > 0x20 && c.unicode() < 0x80; });
            if (!plain)
                checkUrl(context, attribute);
        }
    });
}

} // namespace DeckChecks
