#include "problemset.h"

ProblemSet::ProblemSet(QList<Diagnostic> diagnostics) : m_diagnostics(std::move(diagnostics))
{
    for (const Diagnostic &diagnostic : std::as_const(m_diagnostics)) {
        if (diagnostic.severity == Severity::Error)
            ++m_errors;
        else
            ++m_warnings;
    }
}

QString ProblemSet::summaryOf(int errors, int warnings)
{
    if (errors <= 0 && warnings <= 0)
        return tr("No problems");
    QStringList parts;
    if (errors > 0)
        parts << (errors == 1 ? tr("1 error") : tr("%n errors", nullptr, errors));
    if (warnings > 0)
        parts << (warnings == 1 ? tr("1 warning") : tr("%n warnings", nullptr, warnings));
    return parts.join(QStringLiteral(", "));
}

QString ProblemSet::moreText() const
{
    return hiddenCount() > 0 ? tr("and %n more", nullptr, hiddenCount()) : QString();
}

QList<Diagnostic> ProblemSet::at(int offset) const
{
    QList<Diagnostic> found;
    for (int i = 0; i < shownCount(); ++i) {
        const Diagnostic &diagnostic = m_diagnostics[i];
        // Sorted by start: nothing further on can hold offset.
        if (diagnostic.range.start.offset > offset)
            break;
        const int end = std::max(diagnostic.range.end.offset, diagnostic.range.start.offset + 1);
        if (offset <= end)
            found << diagnostic;
    }
    return found;
}

QList<Diagnostic> ProblemSet::fixesAt(int offset) const
{
    QList<Diagnostic> found = at(offset);
    found.removeIf([](const Diagnostic &diagnostic) { return !diagnostic.fix || diagnostic.fix->edits.isEmpty(); });
    return found;
}

QString ProblemSet::severityText(Severity severity)
{
    return severity == Severity::Error ? tr("error") : tr("warning");
}

QString ProblemSet::describe(const Diagnostic &diagnostic)
{
    return tr("%1: %2").arg(severityText(diagnostic.severity), diagnostic.message);
}
