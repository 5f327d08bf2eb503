#include "rulesets.h"

namespace DeviceRules {

QList<Checker::Rule> rules()
{
    return {};
}

} // namespace DeviceRules
