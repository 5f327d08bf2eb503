#include "wmlnode.h"

bool WmlNode::isWhitespace() const
{
    for (const QChar c : text) {
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            return false;
    }
    return true;
}

const WmlAttribute *WmlNode::attribute(QStringView attributeName) const
{
    for (const WmlAttribute &attribute : attributes) {
        if (attribute.name == attributeName)
            return &attribute;
    }
    return nullptr;
}

QString WmlNode::value(QStringView attributeName) const
{
    const WmlAttribute *found = attribute(attributeName);
    return found ? found->value : QString();
}

QList<const WmlNode *> WmlNode::elements(QStringView elementName) const
{
    QList<const WmlNode *> found;
    for (const WmlNode &child : children) {
        if (child.isElement() && child.name == elementName)
            found.append(&child);
    }
    return found;
}
