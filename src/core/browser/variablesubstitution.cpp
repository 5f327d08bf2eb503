#include "variablesubstitution.h"

#include "browsercontext.h"
#include "wml/wmlvariables.h"

#include <QUrl>

namespace VariableSubstitution {

QString escape(const QString &value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value, "!*'()"));
}

QString unescape(const QString &value)
{
    return QUrl::fromPercentEncoding(value.toUtf8());
}

QString substitute(const QString &value, const BrowserContext &context, Context where)
{
    if (!value.contains(QLatin1Char('$')))
        return value;
    QString result;
    for (const WmlVariables::Piece &piece : WmlVariables::split(value)) {
        if (piece.kind == WmlVariables::Piece::Kind::Text) {
            result += piece.text;
            continue;
        }
        const QString variable = context.value(piece.text);
        switch (piece.conversion) {
        case WmlVariables::Conversion::Escape:
            result += escape(variable);
            break;
        case WmlVariables::Conversion::Unescape:
            result += unescape(variable);
            break;
        case WmlVariables::Conversion::NoEscape:
            result += variable;
            break;
        case WmlVariables::Conversion::None:
            result += where == Context::Href ? escape(variable) : variable;
            break;
        }
    }
    return result;
}

} // namespace VariableSubstitution
