#include "variablesyntax.h"

namespace VariableSyntax {

namespace {

bool isNameStart(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
        || c == QLatin1Char('_');
}

bool isNameChar(QChar c)
{
    return isNameStart(c) || (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
}

bool isAsciiLetter(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

// Whether the conversion is one WML knows; *current is false for the
// deprecated spellings in capitals.
bool knownConversion(QStringView conversion, bool *current)
{
    static const char *const known[] = {"escape", "e", "noesc", "n", "unesc", "u"};
    for (const char *name : known) {
        if (conversion.compare(QLatin1StringView(name), Qt::CaseInsensitive) == 0) {
            *current = conversion == QLatin1StringView(name);
            return true;
        }
    }
    return false;
}

} // namespace

bool isVariableName(QStringView name)
{
    if (name.isEmpty() || !isNameStart(name[0]))
        return false;
    for (const QChar c : name) {
        if (!isNameChar(c))
            return false;
    }
    return true;
}

Scan scan(QStringView text)
{
    Scan result;
    const int size = int(text.size());
    int at = int(text.indexOf(QLatin1Char('$')));
    while (at >= 0 && at < size) {
        result.hasDollar = true;
        const int start = at;
        const QChar next = at + 1 < size ? text[at + 1] : QChar();
        if (next == QLatin1Char('$')) {
            at += 2;
        } else if (isNameStart(next)) {
            at += 1;
            while (at < size && isNameChar(text[at]))
                ++at;
            result.references.append(Reference{start, at, text.mid(start + 1, at - start - 1).toString(), QString()});
        } else if (next == QLatin1Char('(')) {
            at += 2;
            const int nameStart = at;
            while (at < size && isNameChar(text[at]))
                ++at;
            const QStringView name = text.mid(nameStart, at - nameStart);
            int conversionStart = -1;
            if (at < size && text[at] == QLatin1Char(':')) {
                conversionStart = ++at;
                while (at < size && isAsciiLetter(text[at]))
                    ++at;
            }
            if (at >= size || text[at] != QLatin1Char(')')) {
                result.problems.append(Problem{Problem::Kind::Unclosed, start, at, text.mid(start, at - start).toString()});
            } else {
                ++at;
                const QString written = text.mid(start, at - start).toString();
                const QStringView conversion = conversionStart < 0 ? QStringView()
                                                                   : text.mid(conversionStart, at - 1 - conversionStart);
                bool current = true;
                if (!isVariableName(name)) {
                    result.problems.append(Problem{Problem::Kind::BadName, start, at, written});
                } else if (conversionStart >= 0 && !knownConversion(conversion, &current)) {
                    result.problems.append(Problem{Problem::Kind::BadConversion, start, at, written});
                } else {
                    if (!current)
                        result.problems.append(Problem{Problem::Kind::DeprecatedConversion, start, at, written});
                    result.references.append(Reference{start, at, name.toString(), conversion.toString()});
                }
            }
        } else {
            at += 1;
            result.problems.append(Problem{Problem::Kind::LoneDollar, start, start + 1, QStringLiteral("$")});
        }
        at = int(text.indexOf(QLatin1Char('$'), at));
    }
    return result;
}

} // namespace VariableSyntax
