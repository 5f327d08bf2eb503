#pragma once

#include "wml/sourcerange.h"

#include <QList>
#include <QString>
#include <optional>

// A change to the editor's text that mends a problem: replace the text
// from start to end (offsets into the text) with replacement.
struct TextEdit
{
    int start = 0;
    int end = 0;
    QString replacement;
};

// A fix offered for a problem: what the menu says ("Write & as &amp;")
// and the edits it makes, in the order of the text, not overlapping.
struct QuickFix
{
    QString label;
    QList<TextEdit> edits;
};

enum class Severity { Error, Warning };

QString severityName(Severity severity); // "error", "warning"

// One problem of a deck.
struct Diagnostic
{
    SourceRange range;
    Severity severity = Severity::Error;
    QString ruleId;  // "xml", "dtd-content", "wml-duplicate-card-id", ...
    QString message; // plain words, translated
    std::optional<QuickFix> fix;
};

// Sorted by position, then by severity (errors first).
void sortDiagnostics(QList<Diagnostic> *diagnostics);
