#include "cardtext.h"

#include "wml/wmlnode.h"

namespace CardText {

bool isXmlSpace(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

QString plainText(const WmlNode &node, int depth)
{
    if (node.isText())
        return node.text;
    QString text;
    if (depth > maximumDepth)
        return text;
    for (const WmlNode &child : node.children)
        text += plainText(child, depth + 1);
    return text;
}

QString collapse(const QString &text)
{
    QString result;
    result.reserve(text.size());
    bool space = false;
    for (const QChar c : text) {
        if (isXmlSpace(c)) {
            space = true;
            continue;
        }
        if (space)
            result += QLatin1Char(' ');
        space = false;
        result += c;
    }
    if (space)
        result += QLatin1Char(' ');
    return result;
}

} // namespace CardText
