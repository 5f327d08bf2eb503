#include "rulesets.h"

namespace DocumentTypeRules {

QList<Checker::Rule> rules()
{
    return {};
}

} // namespace DocumentTypeRules
