#include "wbxmlwriter.h"

#include "wmltokens.h"

#include "wml/wmlvariables.h"

#include <QHash>
#include <QSet>
#include <functional>
#include <vector>

namespace WbxmlWriter {

namespace {

using WmlVariables::Conversion;

// One piece of the body before the string table is settled.
struct Item
{
    enum class Kind { Byte, String, Variable, Literal };
    Kind kind = Kind::Byte;
    unsigned char byte = 0;  // Byte: the token; Variable: 0, 1 or 2; Literal: the literal token
    QByteArray text;         // String, Variable, Literal: UTF-8 without terminator
};

void appendMultiByte(QByteArray *out, quint32 value)
{
    unsigned char bytes[5];
    int count = 0;
    do {
        bytes[count++] = value & 0x7F;
        value >>= 7;
    } while (value);
    while (count > 1)
        out->append(char(bytes[--count] | 0x80));
    out->append(char(bytes[0]));
}

int multiByteLength(quint32 value)
{
    int length = 1;
    while (value >>= 7)
        ++length;
    return length;
}

bool isXmlSpace(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

QString collapsedSpace(const QString &text)
{
    QString out;
    out.reserve(text.size());
    bool inSpace = false;
    for (const QChar c : text) {
        if (isXmlSpace(c)) {
            if (!inSpace)
                out += QLatin1Char(' ');
            inSpace = true;
        } else {
            out += c;
            inSpace = false;
        }
    }
    return out;
}

// Elements whose content is elements only: white space between them means nothing.
bool holdsNoText(const QString &element)
{
    static const QSet<QString> names{"wml", "head", "template", "card", "do", "go", "prev", "refresh", "onevent",
                                     "select", "optgroup", "access", "meta", "setvar", "postfield", "timer",
                                     "tr", "table", "noop"};
    return names.contains(element);
}

// Elements that start a new line: white space next to them is never seen.
bool breaksLine(const QString &element)
{
    static const QSet<QString> names{"br", "p", "pre", "table"};
    return names.contains(element);
}

bool isHrefAttribute(const QString &name)
{
    static const QSet<QString> names{"href", "src", "onenterforward", "onenterbackward", "ontimer", "onpick"};
    return names.contains(name);
}

// Attributes whose values are names, numbers or keywords: no variables.
bool takesVariables(const QString &element, const QString &attribute)
{
    static const QSet<QString> plain{"id", "class", "xml:lang", "xml:space", "type", "iname", "format",
                                     "emptyok", "size", "maxlength", "tabindex", "columns", "align", "mode",
                                     "method", "ordered", "multiple", "optional", "newcontext", "sendreferer",
                                     "forua", "cache-control", "http-equiv", "scheme", "domain", "path",
                                     "accept-charset", "enctype", "height", "width", "hspace", "vspace"};
    if (attribute == QLatin1String("name"))
        return element == QLatin1String("postfield") || element == QLatin1String("setvar");
    return !plain.contains(attribute);
}

class Encoder
{
public:
    explicit Encoder(const WmlDocument &document) : m_document(document) {}

    Compiled compile()
    {
        if (const WmlNode *root = m_document.root())
            deck(*root);
        return assemble();
    }

private:
    void byte(unsigned char token) { m_items.push_back(Item{Item::Kind::Byte, token, {}}); }

    void string(const QString &text)
    {
        if (text.isEmpty())
            return;
        if (!m_items.empty() && m_items.back().kind == Item::Kind::String)
            m_items.back().text += text.toUtf8();
        else
            m_items.push_back(Item{Item::Kind::String, 0, text.toUtf8()});
    }

    void variable(const WmlVariables::Piece &piece, bool href)
    {
        unsigned char kind = 2;
        switch (piece.conversion) {
        case Conversion::Escape:
            kind = 0;
            break;
        case Conversion::Unescape:
            kind = 1;
            break;
        case Conversion::NoEscape:
            kind = 2;
            break;
        case Conversion::None:
            kind = href ? 0 : 2;
            break;
        }
        m_items.push_back(Item{Item::Kind::Variable, kind, piece.text.toUtf8()});
    }

    void literal(unsigned char token, const QString &name)
    {
        m_items.push_back(Item{Item::Kind::Literal, token, name.toUtf8()});
    }

    // Text of an element or attribute value, with its variables.
    void textWithVariables(const QString &text, bool href, bool attributeValue)
    {
        for (const WmlVariables::Piece &piece : WmlVariables::split(text)) {
            if (piece.kind == WmlVariables::Piece::Kind::Variable)
                variable(piece, href);
            else if (attributeValue)
                valueText(piece.text);
            else
                string(piece.text);
        }
    }

    // Attribute value text, with value tokens where they save bytes.
    void valueText(const QString &text)
    {
        qsizetype pending = 0;
        qsizetype at = 0;
        while (at < text.size()) {
            const WmlTokens::AttributeValue *token = WmlTokens::attributeValueAt(QStringView(text).mid(at));
            if (token) {
                const qsizetype length = token->text.size();
                const bool textFollows = at + length < text.size();
                // The token costs one byte; cutting the string costs two more.
                if (length - 1 - (textFollows && at > pending ? 2 : 0) > 0) {
                    string(text.mid(pending, at - pending));
                    byte(token->token);
                    at += length;
                    pending = at;
                    continue;
                }
            }
            ++at;
        }
        string(text.mid(pending));
    }

    void attribute(const QString &elementName, const WmlAttribute &attribute)
    {
        const bool vdata = takesVariables(elementName, attribute.name);
        QString value = attribute.value;
        if (!vdata)
            value.replace(QLatin1String("$$"), QLatin1String("$"));
        const WmlTokens::AttributeStart *start = WmlTokens::attributeStart(attribute.name, value);
        if (start) {
            byte(start->token);
            value = value.mid(start->prefix.size());
        } else {
            literal(WmlTokens::Literal, attribute.name);
        }
        if (vdata)
            textWithVariables(value, isHrefAttribute(attribute.name), true);
        else
            valueText(value);
    }

    using ChildDone = std::function<void(const WmlNode &child, std::size_t firstItem)>;

    void element(const WmlNode &node, bool inPre, const ChildDone &childDone = nullptr)
    {
        inPre = inPre || node.name == QLatin1String("pre");
        const unsigned char token = WmlTokens::tagToken(node.name);
        const bool hasAttributes = !node.attributes.isEmpty();
        bool hasContent = false;
        for (std::size_t index = 0; index < node.children.size() && !hasContent; ++index)
            hasContent = node.children[index].isElement() || !textOf(node, index, inPre).isEmpty();
        const unsigned char flags = (hasAttributes ? WmlTokens::hasAttributes : 0)
                                    | (hasContent ? WmlTokens::hasContent : 0);
        if (token) {
            byte(token | flags);
        } else {
            const unsigned char literalToken = hasAttributes && hasContent ? WmlTokens::LiteralAc
                                               : hasAttributes           ? WmlTokens::LiteralA
                                               : hasContent              ? WmlTokens::LiteralC
                                                                         : WmlTokens::Literal;
            literal(literalToken, node.name);
        }
        if (hasAttributes) {
            for (const WmlAttribute &attribute : node.attributes)
                this->attribute(node.name, attribute);
            byte(WmlTokens::End);
        }
        if (!hasContent)
            return;
        for (std::size_t index = 0; index < node.children.size(); ++index) {
            const WmlNode &child = node.children[index];
            if (child.isElement()) {
                const std::size_t first = m_items.size();
                element(child, inPre);
                if (childDone)
                    childDone(child, first);
            } else {
                const QString text = textOf(node, index, inPre);
                if (!text.isEmpty())
                    textWithVariables(text, false, false);
            }
        }
        byte(WmlTokens::End);
    }

    // The root element, remembering where each element under it starts
    // and ends among the items.
    void deck(const WmlNode &root)
    {
        element(root, false, [this](const WmlNode &child, std::size_t first) {
            m_parts.push_back(PartItems{&child, first, m_items.size()});
        });
    }

    // What the text child at index of parent puts in the compiled deck.
    // Inside <pre> it is kept as written. Elsewhere a phone ignores white
    // space right after a start tag, right before an end tag and next to a
    // line break, and runs the rest together into one space; white space
    // where no text may stand goes altogether. Empty means nothing is
    // written.
    static QString textOf(const WmlNode &parent, std::size_t index, bool inPre)
    {
        const WmlNode &child = parent.children[index];
        if (inPre || child.text.isEmpty())
            return child.text;
        if (child.isWhitespace() && holdsNoText(parent.name))
            return QString();
        QString text = collapsedSpace(child.text);
        const auto endsLine = [&](std::size_t sibling) {
            return breaksLine(parent.children[sibling].name);
        };
        if ((index + 1 == parent.children.size() || endsLine(index + 1)) && text.endsWith(QLatin1Char(' ')))
            text.chop(1);
        if ((index == 0 || endsLine(index - 1)) && text.startsWith(QLatin1Char(' ')))
            text.remove(0, 1);
        return text;
    }

    Compiled assemble()
    {
        // Settle the string table: in order of first use, a string goes in
        // when that is cheaper than writing it inline every time.
        QHash<QByteArray, int> uses;
        for (const Item &item : m_items) {
            if (item.kind != Item::Kind::Byte)
                ++uses[item.text];
        }
        QHash<QByteArray, quint32> offsets;
        QByteArray table;
        for (const Item &item : m_items) {
            if (item.kind == Item::Kind::Byte || offsets.contains(item.text))
                continue;
            const int n = uses.value(item.text);
            const int length = int(item.text.size());
            const int inlineCost = n * (length + 2);
            const int tableCost = length + 1 + n * (1 + multiByteLength(quint32(table.size())));
            if (item.kind == Item::Kind::Literal || tableCost < inlineCost) {
                offsets.insert(item.text, quint32(table.size()));
                table += item.text;
                table += '\0';
            }
        }

        const WmlVersion version = m_document.version();
        QByteArray out;
        out.append(char(wbxmlVersion(version)));
        appendMultiByte(&out, publicId(version));
        appendMultiByte(&out, 106); // UTF-8
        appendMultiByte(&out, quint32(table.size()));
        out += table;
        Compiled compiled;
        compiled.headerBytes = int(out.size());
        auto part = m_parts.cbegin();
        qsizetype partStart = 0;
        for (std::size_t index = 0; index < m_items.size(); ++index) {
            if (part != m_parts.cend() && index == part->first)
                partStart = out.size();
            const Item &item = m_items[index];
            const auto offset = offsets.constFind(item.text);
            const bool inTable = item.kind != Item::Kind::Byte && offset != offsets.constEnd();
            switch (item.kind) {
            case Item::Kind::Byte:
                out.append(char(item.byte));
                break;
            case Item::Kind::Literal:
                out.append(char(item.byte));
                appendMultiByte(&out, *offset);
                break;
            case Item::Kind::String:
                out.append(char(inTable ? WmlTokens::StrT : WmlTokens::StrI));
                if (inTable) {
                    appendMultiByte(&out, *offset);
                } else {
                    out += item.text;
                    out += '\0';
                }
                break;
            case Item::Kind::Variable:
                out.append(char((inTable ? WmlTokens::ExtT0 : WmlTokens::ExtI0) + item.byte));
                if (inTable) {
                    appendMultiByte(&out, *offset);
                } else {
                    out += item.text;
                    out += '\0';
                }
                break;
            }
            if (part != m_parts.cend() && index + 1 == part->end) {
                compiled.parts.append(Part{part->node->name, part->node->value(u"id"), int(out.size() - partStart)});
                ++part;
            }
        }
        compiled.bytes = out;
        return compiled;
    }

    // Where one element under the root lies among the items.
    struct PartItems
    {
        const WmlNode *node;
        std::size_t first;
        std::size_t end;
    };

    const WmlDocument &m_document;
    std::vector<Item> m_items;
    std::vector<PartItems> m_parts;
};

} // namespace

namespace {

// The WBXML version and well-known public identifier of each WML version.
struct Header
{
    WmlVersion version;
    unsigned char wbxmlVersion;
    unsigned char publicId;
};

constexpr Header headers[] = {
    {WmlVersion::Wml11, 0x01, 0x04},
    {WmlVersion::Wml12, 0x02, 0x09},
    {WmlVersion::Wml13, 0x03, 0x0A},
};

const Header &headerOf(WmlVersion version)
{
    for (const Header &header : headers) {
        if (header.version == version)
            return header;
    }
    return headers[2];
}

} // namespace

unsigned char wbxmlVersion(WmlVersion version)
{
    return headerOf(version).wbxmlVersion;
}

unsigned char publicId(WmlVersion version)
{
    return headerOf(version).publicId;
}

QByteArray encode(const WmlDocument &document)
{
    return Encoder(document).compile().bytes;
}

Compiled compile(const WmlDocument &document)
{
    return Encoder(document).compile();
}

} // namespace WbxmlWriter
