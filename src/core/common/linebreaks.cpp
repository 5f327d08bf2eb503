#include "linebreaks.h"

namespace LineBreaks {

namespace {

// Calls onLine(line) for each line and returns nothing; shared by split and
// normalized so both see the same line boundaries.
template<typename OnLine>
void forEachLine(QStringView text, OnLine onLine)
{
    qsizetype start = 0;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            onLine(text.mid(start, i - start));
            const QChar partner = c == QLatin1Char('\r') ? QLatin1Char('\n') : QLatin1Char('\r');
            i += (i + 1 < n && text[i + 1] == partner) ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    onLine(text.mid(start));
}

} // namespace

QStringList split(QStringView text)
{
    QStringList lines;
    forEachLine(text, [&](QStringView line) { lines.append(line.toString()); });
    return lines;
}

QString join(const QStringList &lines)
{
    return lines.join(QLatin1String("\r\n"));
}

QString normalized(QStringView text)
{
    return joined(text, Style::CrLf);
}

Style detect(QStringView text)
{
    enum Seen { None = 0, CrLf = 1, Lf = 2, Cr = 4, Other = 8 };
    int seen = None;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        const bool nextLf = i + 1 < n && text[i + 1] == QLatin1Char('\n');
        const bool nextCr = i + 1 < n && text[i + 1] == QLatin1Char('\r');
        if (c == QLatin1Char('\r')) {
            seen |= nextLf ? CrLf : Cr;
            i += nextLf ? 1 : 0;
        } else if (c == QLatin1Char('\n')) {
            // The loader reads LF CR as one break, which no style writes back.
            seen |= nextCr ? Other : Lf;
            i += nextCr ? 1 : 0;
        }
    }
    switch (seen) {
    case Lf:
        return Style::Lf;
    case Cr:
        return Style::Cr;
    default:
        return Style::CrLf;
    }
}

QString styleName(Style style)
{
    switch (style) {
    case Style::Lf:
        return QStringLiteral("LF");
    case Style::Cr:
        return QStringLiteral("CR");
    case Style::CrLf:
        break;
    }
    return QStringLiteral("CR LF");
}

QString joined(QStringView text, Style style)
{
    const QLatin1String lineBreak(style == Style::Lf ? "\n" : style == Style::Cr ? "\r" : "\r\n");
    QString result;
    result.reserve(text.size() + text.size() / 32);
    bool first = true;
    forEachLine(text, [&](QStringView line) {
        if (!first)
            result += lineBreak;
        first = false;
        result += line;
    });
    return result;
}

} // namespace LineBreaks
