#include "rulesets.h"

namespace DeckRules {

QList<Checker::Rule> rules()
{
    return {};
}

} // namespace DeckRules
