#include "checker.h"

#include "checkcontext.h"
#include "rulesets.h"
#include "xmlerrorfixes.h"

#include <algorithm>

QString severityName(Severity severity)
{
    return severity == Severity::Error ? QStringLiteral("error") : QStringLiteral("warning");
}

void sortDiagnostics(QList<Diagnostic> *diagnostics)
{
    std::stable_sort(diagnostics->begin(), diagnostics->end(), [](const Diagnostic &a, const Diagnostic &b) {
        if (a.range.start.offset != b.range.start.offset)
            return a.range.start.offset < b.range.start.offset;
        return a.severity == Severity::Error && b.severity != Severity::Error;
    });
}

namespace Checker {

const QList<Rule> &rules()
{
    static const QList<Rule> all = DocumentTypeRules::rules() + DeckRules::rules() + DeviceRules::rules()
                                     + PictureRules::rules();
    return all;
}

namespace {

bool appliesTo(const Rule &rule, WmlVersion version)
{
    switch (version) {
    case WmlVersion::Wml11:
        return rule.wml11;
    case WmlVersion::Wml12:
        return rule.wml12;
    case WmlVersion::Wml13:
        return rule.wml13;
    }
    return false;
}

// Two rules may find fault with the same text (a variable in a number
// attribute is both a bad number and a misplaced variable): one rule's
// word per place, the most serious, is enough. One rule may still name
// several problems of one place (an <img> without alt and without src).
void removeRepeats(QList<Diagnostic> *diagnostics)
{
    QList<Diagnostic> kept;
    for (Diagnostic &diagnostic : *diagnostics) {
        bool repeated = false;
        for (qsizetype i = kept.size() - 1; i >= 0 && kept[i].range.start.offset == diagnostic.range.start.offset; --i)
            repeated = repeated
                       || (kept[i].range.end.offset == diagnostic.range.end.offset && kept[i].ruleId != diagnostic.ruleId);
        if (!repeated)
            kept.append(std::move(diagnostic));
    }
    *diagnostics = std::move(kept);
}

} // namespace

QList<Diagnostic> check(const WmlDocument &document, const Options &options)
{
    QList<Diagnostic> diagnostics;
    for (const WmlParseError &error : document.errors())
        diagnostics.append(Diagnostic{error.range, Severity::Error, QStringLiteral("xml"), error.message,
                                      XmlErrorFixes::fixFor(error)});
    if (document.isWellFormed()) {
        const WmlVersion version = options.version.value_or(document.version());
        const CheckContext context(document, version, options.device, &diagnostics, options.documentFolder);
        for (const Rule &rule : rules()) {
            if (appliesTo(rule, version))
                rule.run(context);
        }
    }
    sortDiagnostics(&diagnostics);
    removeRepeats(&diagnostics);
    return diagnostics;
}

} // namespace Checker
