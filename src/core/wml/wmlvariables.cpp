#include "wmlvariables.h"

namespace WmlVariables {

namespace {

bool isNameStart(QChar c)
{
    return c == QLatin1Char('_') || (c.unicode() < 0x80 && c.isLetter());
}

bool isNameChar(QChar c)
{
    return isNameStart(c) || (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
}

bool conversionOf(QStringView word, Conversion *conversion)
{
    const QString lower = word.toString().toLower();
    if (lower == QLatin1String("e") || lower == QLatin1String("escape"))
        *conversion = Conversion::Escape;
    else if (lower == QLatin1String("u") || lower == QLatin1String("unesc"))
        *conversion = Conversion::Unescape;
    else if (lower == QLatin1String("n") || lower == QLatin1String("noesc"))
        *conversion = Conversion::NoEscape;
    else
        return false;
    return true;
}

void appendText(QList<Piece> *pieces, QStringView text)
{
    if (text.isEmpty())
        return;
    if (!pieces->isEmpty() && pieces->last().kind == Piece::Kind::Text)
        pieces->last().text += text;
    else
        pieces->append(Piece{Piece::Kind::Text, text.toString(), Conversion::None});
}

} // namespace

bool isName(QStringView name)
{
    if (name.isEmpty() || !isNameStart(name.front()))
        return false;
    for (const QChar c : name) {
        if (!isNameChar(c))
            return false;
    }
    return true;
}

QList<Piece> split(QStringView value)
{
    QList<Piece> pieces;
    qsizetype at = 0;
    qsizetype textStart = 0;
    while (at < value.size()) {
        if (value[at] != QLatin1Char('$')) {
            ++at;
            continue;
        }
        appendText(&pieces, value.mid(textStart, at - textStart));
        if (at + 1 < value.size() && value[at + 1] == QLatin1Char('$')) {
            appendText(&pieces, u"$");
            at += 2;
        } else if (at + 1 < value.size() && value[at + 1] == QLatin1Char('(')) {
            const qsizetype close = value.indexOf(QLatin1Char(')'), at + 2);
            const QStringView inside = close < 0 ? QStringView() : value.mid(at + 2, close - at - 2);
            const qsizetype colon = inside.indexOf(QLatin1Char(':'));
            const QStringView name = colon < 0 ? inside : inside.left(colon);
            Conversion conversion = Conversion::None;
            if (close >= 0 && isName(name) && (colon < 0 || conversionOf(inside.mid(colon + 1), &conversion))) {
                pieces.append(Piece{Piece::Kind::Variable, name.toString(), conversion});
                at = close + 1;
            } else {
                appendText(&pieces, u"$");
                ++at;
            }
        } else {
            qsizetype end = at + 1;
            while (end < value.size() && isNameChar(value[end]))
                ++end;
            const QStringView name = value.mid(at + 1, end - at - 1);
            if (isName(name)) {
                pieces.append(Piece{Piece::Kind::Variable, name.toString(), Conversion::None});
                at = end;
            } else {
                appendText(&pieces, u"$");
                ++at;
            }
        }
        textStart = at;
    }
    appendText(&pieces, value.mid(textStart));
    return pieces;
}

} // namespace WmlVariables
