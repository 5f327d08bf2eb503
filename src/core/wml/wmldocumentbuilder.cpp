#include "wmldocumentbuilder.h"

#include <QCoreApplication>
#include <QXmlStreamEntityResolver>
#include <algorithm>

namespace {

// WML declares two entities of its own beside XML's five.
class WmlEntities : public QXmlStreamEntityResolver
{
public:
    QString resolveUndeclaredEntity(const QString &name) override
    {
        if (name == QLatin1String("nbsp"))
            return QString(QChar(0x00A0));
        if (name == QLatin1String("shy"))
            return QString(QChar(0x00AD));
        return QString();
    }
};

bool isXmlSpace(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

QString tr(const char *text)
{
    return QCoreApplication::translate("WmlDocument", text);
}

} // namespace

WmlDocumentBuilder::WmlDocumentBuilder(const QString &text, const WmlDocument::Options &options)
    : m_document(new WmlDocument)
{
    m_document->m_text = text;
    m_document->m_actualEncoding = options.actualEncoding;
    std::vector<int> &starts = m_document->m_lineStarts;
    starts.push_back(0);
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
            ++i;
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            starts.push_back(i + 1);
    }
}

std::shared_ptr<const WmlDocument> WmlDocumentBuilder::build()
{
    QXmlStreamReader reader(m_document->m_text);
    reader.setNamespaceProcessing(false);
    WmlEntities entities;
    reader.setEntityResolver(&entities);
    m_open = {&m_document->m_root};
    const QString &text = m_document->m_text;
    int start = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.hasError())
            break;
        int end = std::min(int(reader.characterOffset()), int(text.size()));
        // The reader looks ahead: past "<" after a run of text, and two
        // characters into a page without an XML declaration.
        if (reader.tokenType() == QXmlStreamReader::StartDocument && reader.documentVersion().isEmpty())
            end = 0;
        if (reader.tokenType() == QXmlStreamReader::Characters && !reader.isCDATA() && end > start
            && text[end - 1] == QLatin1Char('<'))
            --end;
        readToken(reader, start, end);
        start = end;
    }
    if (reader.hasError() && reader.error() != QXmlStreamReader::PrematureEndOfDocumentError) {
        const int at = std::min(int(reader.characterOffset()), int(text.size()));
        // A bare "&" is the commonest fault: mark it from the "&" on.
        const int ampersand = int(text.lastIndexOf(QLatin1Char('&'), std::max(0, at - 1)));
        const bool bareAmpersand = ampersand >= start && !text.mid(ampersand, at - ampersand).contains(QLatin1Char(';'));
        // A fault in a tag marks the whole tag.
        const int tagStart = int(text.lastIndexOf(QLatin1Char('<'), std::max(0, at - 1)));
        const bool inTag = at > 0 && text[at - 1] == QLatin1Char('>') && tagStart >= start;
        const bool wrongEndTag = inTag && text.mid(tagStart, 2) == QLatin1String("</") && m_open.size() > 1;
        const int from = bareAmpersand ? ampersand : inTag ? tagStart : std::max(start, at - 1);
        addError(reader.errorString(), from, std::max(at, from + 1),
                 bareAmpersand ? WmlParseError::Kind::BareAmpersand
                 : wrongEndTag ? WmlParseError::Kind::UnclosedElement
                               : WmlParseError::Kind::Other,
                 from);
    } else if (reader.hasError()) {
        const int end = int(text.size());
        if (m_open.size() > 1)
            addError(tr("The element <%1> is not closed").arg(m_open.back()->name),
                     m_open.back()->startTag.start.offset, m_open.back()->startTag.end.offset,
                     WmlParseError::Kind::UnclosedElement, end);
        else
            addError(tr("The page has no root element"), end, end);
    }
    // Elements left open by an error end where the parse stopped.
    for (WmlNode *open : m_open)
        open->range.end = range(start, start).end;
    m_document->m_root.range = range(0, int(m_document->m_text.size()));
    return m_document;
}

void WmlDocumentBuilder::readToken(QXmlStreamReader &reader, int start, int end)
{
    switch (reader.tokenType()) {
    case QXmlStreamReader::StartDocument:
    case QXmlStreamReader::DTD:
        readPrologue(reader, start, end);
        break;
    case QXmlStreamReader::StartElement:
        startElement(reader, start, end);
        break;
    case QXmlStreamReader::EndElement:
        if (m_open.size() > 1) {
            m_open.back()->range.end = range(end, end).end;
            m_open.pop_back();
        }
        break;
    case QXmlStreamReader::Characters:
        if (m_open.size() > 1)
            addText(reader.text().toString(), start, end);
        break;
    case QXmlStreamReader::EntityReference:
        addError(tr("The entity &%1; is not defined in WML").arg(reader.name()), start, end);
        break;
    default:
        break; // comments and processing instructions are not kept
    }
}

void WmlDocumentBuilder::readPrologue(QXmlStreamReader &reader, int start, int end)
{
    WmlDocument &document = *m_document;
    if (reader.tokenType() == QXmlStreamReader::StartDocument) {
        document.m_hasXmlDeclaration = !reader.documentVersion().isEmpty();
        document.m_xmlDeclarationRange = range(start, end);
        document.m_declaredEncoding = reader.documentEncoding().toString();
        return;
    }
    document.m_hasDoctype = true;
    document.m_doctypeRange = range(start, end);
    document.m_doctypeName = reader.dtdName().toString();
    document.m_publicId = reader.dtdPublicId().toString();
    document.m_systemId = reader.dtdSystemId().toString();
    const QString id = document.m_publicId.simplified();
    static const std::pair<const char *, WmlVersion> known[] = {
        {"-//WAPFORUM//DTD WML 1.1//EN", WmlVersion::Wml11},
        {"-//WAPFORUM//DTD WML 1.2//EN", WmlVersion::Wml12},
        {"-//WAPFORUM//DTD WML 1.3//EN", WmlVersion::Wml13},
    };
    for (const auto &[name, version] : known) {
        if (id == QLatin1String(name)) {
            document.m_version = version;
            document.m_versionDeclared = true;
        }
    }
}

void WmlDocumentBuilder::startElement(QXmlStreamReader &reader, int start, int end)
{
    start = std::max(start, int(m_document->m_text.lastIndexOf(QLatin1Char('<'), std::max(0, end - 1))));
    WmlNode element;
    element.name = interned(reader.name());
    element.startTag = range(start, end);
    element.range = element.startTag;
    locateAttributes(&element, reader.attributes(), start, end);
    WmlNode *parent = m_open.back();
    parent->children.push_back(std::move(element));
    m_open.push_back(&parent->children.back());
}

void WmlDocumentBuilder::addText(const QString &characters, int start, int end)
{
    std::vector<WmlNode> &siblings = m_open.back()->children;
    if (!siblings.empty() && siblings.back().isText() && siblings.back().range.end.offset == start) {
        // Entities, CDATA sections and long runs come in pieces: one node.
        siblings.back().text += characters;
        siblings.back().range.end = range(end, end).end;
        return;
    }
    WmlNode text;
    text.kind = WmlNode::Kind::Text;
    text.text = characters;
    text.range = range(start, end);
    siblings.push_back(std::move(text));
}

void WmlDocumentBuilder::locateAttributes(WmlNode *element, const QXmlStreamAttributes &attributes, int start,
                                          int end)
{
    // The reader has accepted the tag, so it reads: "<" name, then
    // (space name space? "=" space? quoted value)*, space? "/"? ">".
    const QString &text = m_document->m_text;
    int at = start + 1 + int(element->name.size());
    for (const QXmlStreamAttribute &attribute : attributes) {
        while (at < end && isXmlSpace(text[at]))
            ++at;
        const int nameStart = at;
        while (at < end && text[at] != QLatin1Char('=') && !isXmlSpace(text[at]))
            ++at;
        while (at < end && text[at] != QLatin1Char('"') && text[at] != QLatin1Char('\''))
            ++at;
        const QChar quote = at < end ? text[at] : QLatin1Char('"');
        const int valueStart = std::min(at + 1, end);
        int valueEnd = valueStart;
        while (valueEnd < end && text[valueEnd] != quote)
            ++valueEnd;
        at = std::min(valueEnd + 1, end);
        WmlAttribute located;
        located.name = interned(attribute.qualifiedName());
        located.value = attribute.value().toString();
        located.range = range(nameStart, at);
        located.valueRange = range(valueStart, valueEnd);
        element->attributes.append(std::move(located));
    }
}

void WmlDocumentBuilder::addError(const QString &message, int start, int end, WmlParseError::Kind kind,
                                  int closeAt)
{
    const int size = int(m_document->m_text.size());
    start = std::clamp(start, 0, size);
    end = std::clamp(end, start, size);
    const QString open = m_open.size() > 1 ? m_open.back()->name : QString();
    m_document->m_errors.append(WmlParseError{message, range(start, end), kind, open, closeAt});
}

QString WmlDocumentBuilder::interned(QStringView name)
{
    // A deck uses a few dozen names thousands of times: one shared string
    // each saves an allocation per element and attribute.
    for (const QString &known : m_names) {
        if (known == name)
            return known;
    }
    m_names.push_back(name.toString());
    return m_names.back();
}

SourceRange WmlDocumentBuilder::range(int start, int end) const
{
    return SourceRange{position(start), position(end)};
}

SourcePosition WmlDocumentBuilder::position(int offset) const
{
    // Tokens come in the order of the text: walking on from the last line
    // found is cheaper than a search for each.
    const std::vector<int> &starts = m_document->m_lineStarts;
    const size_t count = starts.size();
    if (offset < starts[m_line])
        return m_document->positionAt(offset);
    while (m_line + 1 < count && starts[m_line + 1] <= offset)
        ++m_line;
    return SourcePosition{int(m_line) + 1, offset - starts[m_line] + 1, offset};
}
