#pragma once

#include "contentmodel.h"

#include "wml/wmldocument.h"

#include <QHash>
#include <QList>
#include <QString>
#include <vector>

// The document type of WML 1.1, 1.2 and 1.3: which elements a deck may
// hold, what each may contain, and its attributes.

// The versions a definition belongs to, as a set of bits.
namespace WmlVersions {
enum : quint8 {
    Wml11 = 1,
    Wml12 = 2,
    Wml13 = 4,
    All = Wml11 | Wml12 | Wml13,
    From12 = Wml12 | Wml13,
};
quint8 bit(WmlVersion version);
// The oldest version of a set ("1.2"), for "came with WML 1.2".
WmlVersion oldest(quint8 versions);
} // namespace WmlVersions

// What an attribute's value may be.
enum class AttributeType {
    CData,       // any text
    VData,       // any text, variables allowed (%vdata;)
    Href,        // a URL, variables allowed (%HREF;)
    ContentType, // a media type, variables allowed (%ContentType;)
    Length,      // pixels or a percentage: "20", "50%" (%length;)
    Number,      // digits (%number;)
    NmToken,     // a name token (NMTOKEN)
    Id,          // a name, unique in the deck (ID)
    Enumeration, // one of a list of words (%boolean;, (get|post), ...)
};

enum class AttributePresence { Implied, Required, Fixed, Defaulted };

struct AttributeDefinition
{
    const char *name;
    AttributeType type;
    AttributePresence presence = AttributePresence::Implied;
    // Enumeration: the words, separated by "|"; Fixed: the value.
    const char *values = nullptr;
    // The value a phone assumes when the attribute is left out.
    const char *defaultValue = nullptr;
    quint8 versions = WmlVersions::All;
};

struct ElementDefinition
{
    const char *name;
    quint8 versions;
    const char *content; // the content model, see ContentModel
    std::vector<AttributeDefinition> attributes; // id and class come on top
};

// The element definitions of every version, one entry per element and
// content model (an element whose model changed has one per model).
const std::vector<ElementDefinition> &documentTypeDefinitions();

// One element as one version defines it.
struct ElementType
{
    QString name;
    ContentModel content;
    // A dozen at most: a list is quicker to search than a hash.
    std::vector<std::pair<QString, const AttributeDefinition *>> attributes;
    QList<const AttributeDefinition *> required; // in the definition's order

    const AttributeDefinition *attribute(const QString &attributeName) const
    {
        for (const auto &[name, definition] : attributes) {
            if (name == attributeName)
                return definition;
        }
        return nullptr;
    }
};

// The document type of one version, built once from the definitions.
class DocumentType
{
public:
    static const DocumentType &of(WmlVersion version);

    WmlVersion version() const { return m_version; }
    // The element, or null when this version has none of that name.
    const ElementType *element(const QString &name) const;

    // The versions that know an element or an element's attribute; 0 for none.
    static quint8 elementVersions(const QString &name);
    static quint8 attributeVersions(const QString &element, const QString &attribute);

private:
    explicit DocumentType(WmlVersion version);
    static int bucketOf(QStringView name);

    WmlVersion m_version;
    std::vector<ElementType> m_elements;
    // The elements by the length and first letter of their names: a
    // look-up compares one or two names instead of hashing one.
    std::vector<std::vector<int>> m_buckets;
};
