#include "rulesets.h"

#include "deckchecks.h"

namespace DeckRules {

QList<Checker::Rule> rules()
{
    return {
        {"wml-prologue", true, true, true, DeckChecks::prologue},
        {"wml-encoding", true, true, true, DeckChecks::encoding},
        {"wml-variable", true, true, true, DeckChecks::variables},
        {"wml-setvar", true, true, true, DeckChecks::setvar},
        {"wml-card-id", true, true, true, DeckChecks::cardIds},
        {"wml-link-target", true, true, true, DeckChecks::linkTargets},
        {"wml-do-name", true, true, true, DeckChecks::doNames},
        {"wml-anchor-task", true, true, true, DeckChecks::anchorTasks},
        {"wml-single", true, true, true, DeckChecks::single},
        {"wml-fieldset-empty", true, true, true, DeckChecks::fieldsetEmpty},
        {"wml-name-required", true, true, true, DeckChecks::nameRequired},
        {"wml-meta", true, true, true, DeckChecks::meta},
        {"wml-table-columns", true, true, true, DeckChecks::tableColumns},
        {"wml-timer", true, true, true, DeckChecks::timers},
        {"wml-url", true, true, true, DeckChecks::urls},
    };
}

} // namespace DeckRules
