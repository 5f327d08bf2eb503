#include "deckchecks.h"
#include "deckattributes.h"
#include "decktext.h"
#include "variablesyntax.h"

// Variables (WML 1.3, 7.5 and 10.3): the syntax of each reference, and
// references only in text and in %vdata and %HREF attribute values.

namespace DeckChecks {

namespace {

using VariableSyntax::Problem;

// Reads the variable references of one stretch of source.
class VariableReader
{
public:
    explicit VariableReader(const CheckContext &context) : m_context(context) {}

    // Text or a %vdata value: references allowed.
    void readAllowed(int start, int end) const
    {
        const DeckText text(m_context.document().text(), start, end);
        if (!text.characters().contains(QLatin1Char('$')))
            return;
        const VariableSyntax::Scan scan = VariableSyntax::scan(text.characters());
        for (const Problem &problem : scan.problems)
            reportProblem(text, problem);
    }

    // A plain CDATA value: every "$" must be doubled.
    void readForbidden(int start, int end, const QString &attribute) const
    {
        const DeckText text(m_context.document().text(), start, end);
        if (!text.characters().contains(QLatin1Char('$')))
            return;
        const VariableSyntax::Scan scan = VariableSyntax::scan(text.characters());
        for (const VariableSyntax::Reference &reference : scan.references) {
            m_context.error(QStringLiteral("wml-variable"), range(text, reference.start, reference.end),
                            CheckContext::tr("Variables cannot be used in the \"%1\" attribute; write $$ for a dollar sign")
                                .arg(attribute),
                            doubleDollar(text, reference.start));
        }
        for (const Problem &problem : scan.problems) {
            if (problem.kind == Problem::Kind::DeprecatedConversion)
                continue; // reported as a reference above
            const Severity severity = problem.kind == Problem::Kind::LoneDollar ? Severity::Warning : Severity::Error;
            m_context.report(severity, QStringLiteral("wml-variable"), range(text, problem.start, problem.end),
                            CheckContext::tr("Write $$ for a dollar sign: the \"%1\" attribute cannot hold variables")
                                .arg(attribute),
                            doubleDollar(text, problem.start));
        }
    }

    // A name token: a reference cannot be used at all; a lone or doubled
    // dollar sign is the document type's concern.
    void readNameToken(int start, int end, const QString &attribute) const
    {
        const DeckText text(m_context.document().text(), start, end);
        const VariableSyntax::Scan scan = VariableSyntax::scan(text.characters());
        for (const VariableSyntax::Reference &reference : scan.references) {
            m_context.error(QStringLiteral("wml-variable"), range(text, reference.start, reference.end),
                            CheckContext::tr("Variables cannot be used in the \"%1\" attribute: its value is fixed "
                                             "in the deck")
                                .arg(attribute));
        }
    }

private:
    SourceRange range(const DeckText &text, int start, int end) const
    {
        const int sourceStart = text.sourceStart(start);
        const int sourceEnd = end > start ? text.sourceEnd(end - 1) : sourceStart;
        return sourceRange(m_context, sourceStart, sourceEnd);
    }

    static QuickFix doubleDollar(const DeckText &text, int dollar)
    {
        const int at = text.sourceStart(dollar);
        return QuickFix{CheckContext::tr("Write $$"), {TextEdit{at, at, QStringLiteral("$")}}};
    }

    void reportProblem(const DeckText &text, const Problem &problem) const
    {
        const SourceRange where = range(text, problem.start, problem.end);
        const QString id = QStringLiteral("wml-variable");
        switch (problem.kind) {
        case Problem::Kind::LoneDollar:
            m_context.warning(id, where, CheckContext::tr("Write $$ for a dollar sign"),
                              doubleDollar(text, problem.start));
            break;
        case Problem::Kind::Unclosed: {
            std::optional<QuickFix> fix;
            const QString inside = problem.written.mid(2);
            if (VariableSyntax::isVariableName(inside.section(QLatin1Char(':'), 0, 0))) {
                const int at = problem.end > problem.start ? text.sourceEnd(problem.end - 1) : text.sourceStart(problem.start);
                fix = QuickFix{CheckContext::tr("Close it with )"), {TextEdit{at, at, QStringLiteral(")")}}};
            }
            m_context.error(id, where,
                            CheckContext::tr("The variable reference \"%1\" has no closing parenthesis").arg(problem.written),
                            fix);
            break;
        }
        case Problem::Kind::BadName:
            m_context.error(id, where,
                            CheckContext::tr("\"%1\" is not a valid variable reference: a variable name starts with a "
                                             "letter or _ and holds only letters, digits and _")
                                .arg(problem.written));
            break;
        case Problem::Kind::BadConversion:
            m_context.error(id, where,
                            CheckContext::tr("\"%1\" has an unknown conversion: use escape, noesc or unesc")
                                .arg(problem.written));
            break;
        case Problem::Kind::DeprecatedConversion: {
            const int colon = int(problem.written.indexOf(QLatin1Char(':')));
            const int from = text.sourceStart(problem.start + colon + 1);
            const int to = text.sourceEnd(problem.end - 2);
            const QString lower = problem.written.mid(colon + 1, problem.written.size() - colon - 2).toLower();
            m_context.warning(id, where,
                              CheckContext::tr("Conversions in capitals are deprecated: write \"%1\" in lower case")
                                  .arg(problem.written),
                              QuickFix{CheckContext::tr("Write the conversion in lower case"), {TextEdit{from, to, lower}}});
            break;
        }
        }
    }

    const CheckContext &m_context;
};

void readElement(const VariableReader &reader, const WmlNode &element)
{
    for (const WmlAttribute &attribute : element.attributes) {
        if (!attribute.value.contains(QLatin1Char('$')))
            continue;
        if (DeckAttributes::isVdata(element.name, attribute.name))
            reader.readAllowed(attribute.valueRange.start.offset, attribute.valueRange.end.offset);
        else if (DeckAttributes::isPlainCdata(element.name, attribute.name))
            reader.readForbidden(attribute.valueRange.start.offset, attribute.valueRange.end.offset, attribute.name);
        else if (DeckAttributes::isNameToken(element.name, attribute.name))
            reader.readNameToken(attribute.valueRange.start.offset, attribute.valueRange.end.offset, attribute.name);
    }
    for (const WmlNode &child : element.children) {
        if (child.isText()) {
            if (child.text.contains(QLatin1Char('$')))
                reader.readAllowed(child.range.start.offset, child.range.end.offset);
        } else {
            readElement(reader, child);
        }
    }
}

// The attributes that name a variable the phone sets.
bool namesVariable(const WmlNode &element, const WmlAttribute &attribute)
{
    if (attribute.name == QLatin1String("name"))
        return element.name == QLatin1String("input") || element.name == QLatin1String("select")
            || element.name == QLatin1String("timer");
    return attribute.name == QLatin1String("iname") && element.name == QLatin1String("select");
}

} // namespace

void variables(const CheckContext &context)
{
    const WmlNode *root = context.document().root();
    if (!root)
        return;
    const VariableReader reader(context);
    readElement(reader, *root);
    forEachElement(*root, [&](const WmlNode &element) {
        for (const WmlAttribute &attribute : element.attributes) {
            if (!namesVariable(element, attribute) || attribute.value.isEmpty()
                || attribute.value.contains(QLatin1Char('$')) || VariableSyntax::isVariableName(attribute.value))
                continue;
            context.warning(QStringLiteral("wml-variable"), attribute.valueRange,
                            CheckContext::tr("\"%1\" cannot be read back as a variable: a variable name starts with a "
                                             "letter or _ and holds only letters, digits and _")
                                .arg(attribute.value));
        }
    });
}

void setvar(const CheckContext &context)
{
    const WmlNode *root = context.document().root();
    if (!root)
        return;
    forEachElement(*root, [&](const WmlNode &element) {
        if (element.name != QLatin1String("setvar"))
            return;
        const WmlAttribute *name = element.attribute(u"name");
        if (!name || name->value.contains(QLatin1Char('$')))
            return; // a missing name is the document type's; a variable is known only on the phone
        if (VariableSyntax::isVariableName(name->value))
            return;
        const SourceRange where = name->value.isEmpty() ? name->range : name->valueRange;
        context.error(QStringLiteral("wml-setvar"), where,
                      name->value.trimmed().isEmpty()
                          ? CheckContext::tr("This setvar names no variable: the phone ignores it")
                          : CheckContext::tr("\"%1\" is not a variable name, so the phone ignores this setvar")
                                .arg(name->value));
    });
}

} // namespace DeckChecks
