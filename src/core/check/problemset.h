#pragma once

#include "diagnostic.h"

#include <QCoreApplication>
#include <QList>

// The problems of one check as the editor shows them: the counts for the
// status bar, the ones under a position for the tool tip and the quick
// fixes, and the part small enough to mark and list. A page with thousands
// of problems is shown by its first shownLimit ones and "and N more".
class ProblemSet
{
    Q_DECLARE_TR_FUNCTIONS(ProblemSet)

public:
    static constexpr int shownLimit = 500;

    ProblemSet() = default;
    explicit ProblemSet(QList<Diagnostic> diagnostics);

    const QList<Diagnostic> &all() const { return m_diagnostics; }
    bool isEmpty() const { return m_diagnostics.isEmpty(); }
    int size() const { return int(m_diagnostics.size()); }
    int errorCount() const { return m_errors; }
    int warningCount() const { return m_warnings; }
    // How many are marked and listed, and how many are left out.
    int shownCount() const { return std::min(size(), shownLimit); }
    int hiddenCount() const { return size() - shownCount(); }

    // "No problems", "1 error", "2 errors, 1 warning".
    QString summary() const { return summaryOf(m_errors, m_warnings); }
    static QString summaryOf(int errors, int warnings);
    // "and 12 more" for the problems left out.
    QString moreText() const;

    // The shown problems whose range holds offset: from its start up to and
    // including its end, so the caret just after a mark still finds it. A
    // range of no length counts as its one character.
    QList<Diagnostic> at(int offset) const;
    // Those of at(offset) that offer a fix.
    QList<Diagnostic> fixesAt(int offset) const;

    // One problem as its tool tip and list show it: "error: MESSAGE".
    static QString describe(const Diagnostic &diagnostic);
    static QString severityText(Severity severity);

private:
    QList<Diagnostic> m_diagnostics;
    int m_errors = 0;
    int m_warnings = 0;
};
