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
    QString result;
    result.reserve(text.size() + text.size() / 32);
    bool first = true;
    forEachLine(text, [&](QStringView line) {
        if (!first)
            result += QLatin1String("\r\n");
        first = false;
        result += line;
    });
    return result;
}

} // namespace LineBreaks
