#include "checkcontext.h"
#include "documenttype.h"
#include "documenttypechecks.h"

#include <algorithm>

namespace DocumentTypeChecks {

namespace {

const QString elementRule = QStringLiteral("dtd-element");
const QString contentRule = QStringLiteral("dtd-content");

bool isXmlSpace(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// A text node's characters as written, without the white space around them.
SourceRange trimmedRange(const WmlDocument &document, const WmlNode &text)
{
    const QString &source = document.text();
    int start = text.range.start.offset;
    int end = text.range.end.offset;
    while (start < end && isXmlSpace(source[start]))
        ++start;
    while (end > start && isXmlSpace(source[end - 1]))
        --end;
    return SourceRange{document.positionAt(start), document.positionAt(end)};
}

// The element a misplaced child or text usually belongs in.
QString wrapperOf(const QString &parent)
{
    static const QHash<QString, QString> wrappers = {
        {QStringLiteral("wml"), QStringLiteral("card")},     {QStringLiteral("card"), QStringLiteral("p")},
        {QStringLiteral("table"), QStringLiteral("tr")},     {QStringLiteral("tr"), QStringLiteral("td")},
        {QStringLiteral("select"), QStringLiteral("option")}, {QStringLiteral("optgroup"), QStringLiteral("option")},
    };
    return wrappers.value(parent);
}

// The element stray text usually belongs in.
QString textWrapperOf(const QString &parent)
{
    static const QHash<QString, QString> wrappers = {
        {QStringLiteral("card"), QStringLiteral("p")},       {QStringLiteral("table"), QStringLiteral("td")},
        {QStringLiteral("tr"), QStringLiteral("td")},        {QStringLiteral("select"), QStringLiteral("option")},
        {QStringLiteral("optgroup"), QStringLiteral("option")},
    };
    return wrappers.value(parent);
}

bool wrapperTakes(const DocumentType &type, const QString &wrapper, const QString &child)
{
    const ElementType *element = type.element(wrapper);
    if (!element)
        return false;
    if (child.isEmpty())
        return element->content.allowsText();
    if (element->content.mayContain(child))
        return true;
    // A card takes what a paragraph takes, through the paragraph.
    return wrapper == QLatin1String("card") && wrapperTakes(type, QStringLiteral("p"), child);
}

// Renames an element written in the wrong case, in its start and end tags.
QuickFix renaming(const QString &text, const WmlNode &element, const QString &name)
{
    QuickFix fix{CheckContext::tr("Write %1").arg(tag(name)), {}};
    const int start = element.startTag.start.offset + 1;
    fix.edits.append(TextEdit{start, start + int(element.name.size()), name});
    const int tagEnd = element.startTag.end.offset;
    const bool selfClosing = tagEnd >= 2 && text[tagEnd - 2] == QLatin1Char('/');
    if (!selfClosing) {
        const int endTag = int(text.lastIndexOf(QLatin1String("</") + element.name, element.range.end.offset - 1));
        if (endTag >= tagEnd)
            fix.edits.append(TextEdit{endTag + 2, endTag + 2 + int(element.name.size()), name});
    }
    return fix;
}

void reportUnknown(const CheckContext &context, const WmlNode &element)
{
    const quint8 versions = DocumentType::elementVersions(element.name);
    if (versions == 0) {
        const QString lower = element.name.toLower();
        if (lower != element.name && DocumentType::of(context.version()).element(lower))
            context.error(elementRule, element.startTag,
                          CheckContext::tr("%1 is not a WML element; WML writes it %2")
                              .arg(tag(element.name), tag(lower)),
                          renaming(context.document().text(), element, lower));
        else
            context.error(elementRule, element.startTag,
                          CheckContext::tr("%1 is not a WML element").arg(tag(element.name)));
        return;
    }
    const WmlVersion since = WmlVersions::oldest(versions);
    const QString message = since > context.version()
        ? CheckContext::tr("%1 came with WML %2; this deck is WML %3")
              .arg(tag(element.name), versionName(since), versionName(context.version()))
        : CheckContext::tr("%1 is not part of WML %2").arg(tag(element.name), versionName(context.version()));
    context.error(elementRule, element.startTag, message);
}

void reportMisplaced(const CheckContext &context, const DocumentType &type, const WmlNode &child,
                     const WmlNode &parent, const ElementType &parentType)
{
    QString message;
    const QString wrapper = wrapperOf(parent.name);
    if (parentType.content.kind() == ContentModel::Kind::Empty)
        message = CheckContext::tr("%1 may not stand inside %2, which must be empty")
                      .arg(tag(child.name), tag(parent.name));
    else if (!wrapper.isEmpty() && wrapperTakes(type, wrapper, child.name))
        message = (startsWithVowel(wrapper) ? CheckContext::tr("%1 may not stand directly inside %2; put it in an %3")
                                            : CheckContext::tr("%1 may not stand directly inside %2; put it in a %3"))
                      .arg(tag(child.name), tag(parent.name), tag(wrapper));
    else
        message = CheckContext::tr("%1 may not stand inside %2").arg(tag(child.name), tag(parent.name));
    context.error(elementRule, child.startTag, message);
}

void reportText(const CheckContext &context, const DocumentType &type, const WmlNode &text,
                const WmlNode &parent)
{
    const SourceRange range = trimmedRange(context.document(), text);
    if (parent.name == QLatin1String("wml")) {
        context.error(elementRule, range, CheckContext::tr("<wml> may not hold text; put it in a <p> inside a <card>"));
        return;
    }
    const QString wrapper = textWrapperOf(parent.name);
    if (!wrapper.isEmpty() && wrapperTakes(type, wrapper, QString()))
        context.error(elementRule, range,
                      (startsWithVowel(wrapper) ? CheckContext::tr("%1 may not hold text; put it in an %2")
                                                : CheckContext::tr("%1 may not hold text; put it in a %2"))
                          .arg(tag(parent.name), tag(wrapper)));
    else
        context.error(elementRule, range, CheckContext::tr("%1 may not hold text").arg(tag(parent.name)));
}

// Whether an element of child's name comes before child in parent.
bool cameBefore(const WmlNode &parent, const WmlNode &child)
{
    for (const WmlNode &sibling : parent.children) {
        if (&sibling == &child)
            return false;
        if (sibling.isElement() && sibling.name == child.name)
            return true;
    }
    return false;
}

// Where the children of element break its content model: each child that
// may not come where it stands, and what is missing at the end.
void matchChildren(const CheckContext &context, const DocumentType &type, const WmlNode &element,
                   const ElementType &elementType)
{
    const ContentModel &model = elementType.content;
    ContentModel::State state = model.start();
    const WmlNode *previous = nullptr;
    for (const WmlNode &child : element.children) {
        if (!child.isElement() || !type.element(child.name) || !model.mayContain(child.name))
            continue; // reported as dtd-element
        const ContentModel::State next = model.next(state, child.name);
        if (next != 0) {
            state = next;
            previous = &child;
            continue;
        }
        QString message;
        if (model.expected(state).isEmpty() && previous)
            message = CheckContext::tr("%1 may hold only one element; %2 is one too many")
                          .arg(tag(element.name), tag(child.name));
        else if (!model.isRepeatable(child.name) && cameBefore(element, child))
            message = CheckContext::tr("%1 may hold only one %2").arg(tag(element.name), tag(child.name));
        else if (previous)
            message = CheckContext::tr("%1 may not come after %2 in %3")
                          .arg(tag(child.name), tag(previous->name), tag(element.name));
        else
            message = CheckContext::tr("%1 may not come first in %2").arg(tag(child.name), tag(element.name));
        context.error(contentRule, child.startTag, message);
    }
    if (!model.accepts(state)) {
        QStringList names = model.needed(state);
        for (QString &name : names)
            name = tag(name);
        context.error(contentRule, element.startTag,
                      CheckContext::tr("%1 must contain %2").arg(tag(element.name), orList(names)));
    }
}

} // namespace

QString orList(const QStringList &words)
{
    if (words.size() <= 1)
        return words.value(0);
    return CheckContext::tr("%1 or %2").arg(words.mid(0, words.size() - 1).join(QLatin1String(", ")), words.last());
}

void elements(const CheckContext &context)
{
    const WmlNode *root = context.document().root();
    if (!root)
        return;
    const DocumentType &type = DocumentType::of(context.version());
    if (root->name != QLatin1String("wml"))
        context.error(elementRule, root->startTag,
                      CheckContext::tr("A deck must start with <wml>, not %1").arg(tag(root->name)));
    forEachElement(*root, [&](const WmlNode &element, const WmlNode *parent) {
        const ElementType *elementType = type.element(element.name);
        if (!elementType) {
            if (parent) // a root other than <wml> is reported above
                reportUnknown(context, element);
            return;
        }
        const ElementType *parentType = parent ? type.element(parent->name) : nullptr;
        if (parentType && !parentType->content.mayContain(element.name))
            reportMisplaced(context, type, element, *parent, *parentType);
        if (elementType->content.allowsText())
            return;
        for (const WmlNode &child : element.children) {
            if (child.isText() && !child.isWhitespace())
                reportText(context, type, child, element);
        }
    });
}

void content(const CheckContext &context)
{
    const DocumentType &type = DocumentType::of(context.version());
    forEachKnownElement(context, [&](const WmlNode &element, const WmlNode *, const ElementType &elementType) {
        if (elementType.content.kind() == ContentModel::Kind::Empty) {
            // Children that are not white space are reported as dtd-element.
            const bool onlySpace = !element.children.empty()
                && std::all_of(element.children.begin(), element.children.end(),
                               [](const WmlNode &child) { return child.isText() && child.isWhitespace(); });
            if (onlySpace)
                context.error(contentRule, element.startTag,
                              CheckContext::tr("%1 must be empty; write <%2/>").arg(tag(element.name), element.name));
            return;
        }
        if (elementType.content.kind() == ContentModel::Kind::Elements)
            matchChildren(context, type, element, elementType);
    });
}

} // namespace DocumentTypeChecks
