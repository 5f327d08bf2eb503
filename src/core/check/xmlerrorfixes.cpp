#include "xmlerrorfixes.h"

#include "checkcontext.h"

namespace XmlErrorFixes {

std::optional<QuickFix> fixFor(const WmlParseError &error)
{
    switch (error.kind) {
    case WmlParseError::Kind::BareAmpersand: {
        const int at = error.range.start.offset;
        return QuickFix{CheckContext::tr("Write & as &amp;"), {TextEdit{at, at + 1, QStringLiteral("&amp;")}}};
    }
    case WmlParseError::Kind::UnclosedElement:
        if (error.closeAt < 0 || error.openElement.isEmpty())
            return std::nullopt;
        return QuickFix{CheckContext::tr("Close <%1>").arg(error.openElement),
                        {TextEdit{error.closeAt, error.closeAt, QStringLiteral("</%1>").arg(error.openElement)}}};
    case WmlParseError::Kind::Other:
        break;
    }
    return std::nullopt;
}

} // namespace XmlErrorFixes
