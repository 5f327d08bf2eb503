#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// The variable references of a text after XML parsing (WML 1.3, 10.3.1):
// $name, $(name) and $(name:conversion); $$ is a dollar sign.
namespace VariableSyntax {

struct Reference
{
    int start = 0; // index of the "$"
    int end = 0;   // just past the reference
    QString name;
    QString conversion; // as written; empty when none
};

struct Problem
{
    enum class Kind {
        LoneDollar,           // "$" not followed by a name: a dollar sign meant as $$
        Unclosed,             // "$(name" without ")"
        BadName,              // "$(1x)", "$()"
        BadConversion,        // "$(x:foo)"
        DeprecatedConversion, // "$(x:ESCAPE)", mixed case
    };
    Kind kind = Kind::LoneDollar;
    int start = 0;
    int end = 0;
    QString written; // the faulty reference as written
};

struct Scan
{
    QList<Reference> references;
    QList<Problem> problems;
    bool hasDollar = false; // any "$" at all, $$ included
};

Scan scan(QStringView text);

// A letter or "_", then letters, digits and "_" (US-ASCII only).
bool isVariableName(QStringView name);

} // namespace VariableSyntax
