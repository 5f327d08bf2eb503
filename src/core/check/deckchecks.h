#pragma once

#include "checkcontext.h"

// The deck rules one by one; deckrules.cpp lists them for the checker.
namespace DeckChecks {

void variables(const CheckContext &context);    // wml-variable
void setvar(const CheckContext &context);       // wml-setvar
void cardIds(const CheckContext &context);      // wml-card-id
void linkTargets(const CheckContext &context);  // wml-link-target
void doNames(const CheckContext &context);      // wml-do-name
void anchorTasks(const CheckContext &context);  // wml-anchor-task
void single(const CheckContext &context);       // wml-single
void fieldsetEmpty(const CheckContext &context); // wml-fieldset-empty
void nameRequired(const CheckContext &context); // wml-name-required
void meta(const CheckContext &context);         // wml-meta
void tableColumns(const CheckContext &context); // wml-table-columns
void prologue(const CheckContext &context);     // wml-prologue
void encoding(const CheckContext &context);     // wml-encoding
void urls(const CheckContext &context);         // wml-url
void timers(const CheckContext &context);       // wml-timer

// The range of the source from start to end.
inline SourceRange sourceRange(const CheckContext &context, int start, int end)
{
    return SourceRange{context.document().positionAt(start), context.document().positionAt(end)};
}

} // namespace DeckChecks
