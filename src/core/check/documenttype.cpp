#include "documenttype.h"

#include <QDebug>

#include <algorithm>

namespace WmlVersions {

quint8 bit(WmlVersion version)
{
    switch (version) {
    case WmlVersion::Wml11:
        return Wml11;
    case WmlVersion::Wml12:
        return Wml12;
    case WmlVersion::Wml13:
        return Wml13;
    }
    return 0;
}

WmlVersion oldest(quint8 versions)
{
    if (versions & Wml11)
        return WmlVersion::Wml11;
    if (versions & Wml12)
        return WmlVersion::Wml12;
    return WmlVersion::Wml13;
}

} // namespace WmlVersions

namespace {

// Every element has them: WML 1.1 and 1.3, section 8.9.
const AttributeDefinition coreAttributes[] = {
    {"id", AttributeType::Id},
    {"class", AttributeType::CData},
};

// Which versions know each element and each element's attribute.
struct VersionIndex
{
    QHash<QString, quint8> elements;
    QHash<QString, quint8> attributes; // "element attribute"

    VersionIndex()
    {
        for (const ElementDefinition &element : documentTypeDefinitions()) {
            const QString name = QLatin1String(element.name);
            elements[name] |= element.versions;
            for (const AttributeDefinition &attribute : element.attributes)
                attributes[name + QLatin1Char(' ') + QLatin1String(attribute.name)]
                    |= quint8(attribute.versions & element.versions);
            for (const AttributeDefinition &attribute : coreAttributes)
                attributes[name + QLatin1Char(' ') + QLatin1String(attribute.name)] |= element.versions;
        }
    }
};

const VersionIndex &versionIndex()
{
    static const VersionIndex index;
    return index;
}

} // namespace

int DocumentType::bucketOf(QStringView name)
{
    const char16_t first = name.isEmpty() ? 0 : name.front().unicode();
    const int letter = first >= u'a' && first <= u'z' ? first - u'a' : 26;
    return int(std::min<qsizetype>(name.size(), 15)) * 27 + letter;
}

DocumentType::DocumentType(WmlVersion version) : m_version(version), m_buckets(16 * 27)
{
    const quint8 bit = WmlVersions::bit(version);
    for (const ElementDefinition &definition : documentTypeDefinitions()) {
        if (!(definition.versions & bit))
            continue;
        ElementType element;
        element.name = QLatin1String(definition.name);
        element.content = ContentModel::parse(QString::fromLatin1(definition.content));
        if (!element.content.isValid())
            qWarning() << "Bad content model of" << element.name << definition.content;
        for (const AttributeDefinition &attribute : coreAttributes)
            element.attributes.emplace_back(QLatin1String(attribute.name), &attribute);
        for (const AttributeDefinition &attribute : definition.attributes) {
            if (!(attribute.versions & bit))
                continue;
            element.attributes.emplace_back(QLatin1String(attribute.name), &attribute);
            if (attribute.presence == AttributePresence::Required)
                element.required.append(&attribute);
        }
        m_buckets[bucketOf(element.name)].push_back(int(m_elements.size()));
        m_elements.push_back(std::move(element));
    }
}

const DocumentType &DocumentType::of(WmlVersion version)
{
    static const DocumentType wml11(WmlVersion::Wml11);
    static const DocumentType wml12(WmlVersion::Wml12);
    static const DocumentType wml13(WmlVersion::Wml13);
    switch (version) {
    case WmlVersion::Wml11:
        return wml11;
    case WmlVersion::Wml12:
        return wml12;
    case WmlVersion::Wml13:
        break;
    }
    return wml13;
}

const ElementType *DocumentType::element(const QString &name) const
{
    for (const int index : m_buckets[bucketOf(name)]) {
        if (m_elements[index].name == name)
            return &m_elements[index];
    }
    return nullptr;
}

quint8 DocumentType::elementVersions(const QString &name)
{
    return versionIndex().elements.value(name, 0);
}

quint8 DocumentType::attributeVersions(const QString &element, const QString &attribute)
{
    return versionIndex().attributes.value(element + QLatin1Char(' ') + attribute, 0);
}
