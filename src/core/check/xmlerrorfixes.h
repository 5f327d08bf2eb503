#pragma once

#include "diagnostic.h"

#include "wml/wmldocument.h"

// The quick fixes of the commonest XML errors: a bare "&" written as
// "&amp;", an element closed where the parser expected its end tag.
namespace XmlErrorFixes {

std::optional<QuickFix> fixFor(const WmlParseError &error);

} // namespace XmlErrorFixes
