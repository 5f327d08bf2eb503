#include "documenttypechecks.h"
#include "rulesets.h"

namespace DocumentTypeRules {

// The document type differs between the versions in its tables, not in
// its rules: every rule runs for every version.
QList<Checker::Rule> rules()
{
    return {
        {"dtd-element", true, true, true, DocumentTypeChecks::elements},
        {"dtd-content", true, true, true, DocumentTypeChecks::content},
        {"dtd-attribute", true, true, true, DocumentTypeChecks::attributes},
        {"dtd-required", true, true, true, DocumentTypeChecks::required},
        {"dtd-value", true, true, true, DocumentTypeChecks::values},
    };
}

} // namespace DocumentTypeRules
