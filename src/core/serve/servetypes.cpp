#include "servetypes.h"

#include <QList>

namespace ServeTypes {

namespace {

struct TypeRow
{
    const char *suffix;
    const char *type;
};

// WAP's own types first; then the few web types a deck's folder commonly
// holds and a phone with a colour screen or an HTTP browser may fetch.
constexpr TypeRow types[] = {
    {"wml", wml},          {"wmlc", wmlc},       {"wmls", wmlScript},    {"wmlsc", wmlScriptC},
    {"wbmp", wbmp},        {"gif", "image/gif"}, {"png", "image/png"},   {"jpg", "image/jpeg"},
    {"jpeg", "image/jpeg"}, {"bmp", "image/bmp"}, {"txt", "text/plain"}, {"htm", "text/html"},
    {"html", "text/html"}, {"xhtml", "application/xhtml+xml"},           {"css", "text/css"},
    {"mid", "audio/midi"}, {"midi", "audio/midi"},
    {"jad", "text/vnd.sun.j2me.app-descriptor"}, {"jar", "application/java-archive"},
};

// The media ranges of an Accept header with a quality above zero.
QList<QByteArray> listedRanges(const QByteArray &accept)
{
    QList<QByteArray> ranges;
    for (const QByteArray &item : accept.split(',')) {
        const QList<QByteArray> parts = item.split(';');
        const QByteArray range = parts.first().trimmed().toLower();
        if (range.isEmpty())
            continue;
        bool refused = false;
        for (int i = 1; i < parts.size(); ++i) {
            const QByteArray parameter = parts[i].trimmed().toLower();
            if (parameter.startsWith("q=")) {
                bool ok = false;
                const double quality = parameter.mid(2).toDouble(&ok);
                refused = ok && quality <= 0.0;
            }
        }
        if (!refused)
            ranges << range;
    }
    return ranges;
}

} // namespace

QByteArray forSuffix(const QString &suffix)
{
    const QByteArray wanted = suffix.toLower().toLatin1();
    for (const TypeRow &row : types) {
        if (wanted == row.suffix)
            return row.type;
    }
    return QByteArray();
}

bool wantsCompiledWml(const QByteArray &accept)
{
    const QList<QByteArray> ranges = listedRanges(accept);
    const bool listsSource = ranges.contains(wml) || ranges.contains("text/*") || ranges.contains("*/*");
    return ranges.contains(wmlc) && !listsSource;
}

} // namespace ServeTypes
