#include "findreplace.h"

#include "textsearch.h"

#include <optional>

namespace FindReplace {

namespace {

bool isSeparator(QChar c)
{
    return SourceEditor::wordSeparators().contains(c);
}

// A neighbour of a match bounds a whole word when it is a separator, a
// line break, or the end of the text.
bool boundsWord(std::optional<QChar> neighbour)
{
    return !neighbour || *neighbour == QLatin1Char('\r') || *neighbour == QLatin1Char('\n') || isSeparator(*neighbour);
}

// Replace All over a snapshot of the text. The result is the text the
// editor would hold after replacing match by match, each search starting
// where the last replacement left the caret.
struct Plan
{
    QString text;
    int changeStart = 0; // the changed range in the original text
    int changeEnd = 0;
    QString changed;     // what replaces that range
    int caret = 0;       // in the new text
    int count = 0;
};

Plan planForward(const QString &text, const QString &haystack, const QString &needle, const QString &replacement,
                 const SearchOptions &options, int from)
{
    Plan plan;
    QString out;
    int q = from;
    int firstChange = -1;
    std::optional<QChar> lastOut; // the text's last character to the left of q
    if (q > 0)
        lastOut = text[q - 1];
    for (qsizetype at = haystack.indexOf(needle, q); at >= 0; at = haystack.indexOf(needle, at + 1)) {
        const int start = int(at);
        const int end = start + int(needle.size());
        if (options.wholeWord) {
            const std::optional<QChar> left = start > q ? std::optional<QChar>(text[start - 1]) : lastOut;
            const std::optional<QChar> right = end < text.size() ? std::optional<QChar>(text[end]) : std::nullopt;
            if (!boundsWord(left) || !boundsWord(right))
                continue;
        }
        if (firstChange < 0)
            firstChange = start;
        out += QStringView(text).mid(q, start - q);
        out += replacement;
        if (!replacement.isEmpty())
            lastOut = replacement.back();
        else if (start > q)
            lastOut = text[start - 1];
        q = end;
        at = end - 1;
        ++plan.count;
    }
    if (plan.count == 0) {
        plan.caret = from;
        return plan;
    }
    plan.changeStart = firstChange;
    plan.changeEnd = q;
    plan.changed = out.mid(firstChange - from);
    plan.caret = firstChange + int(plan.changed.size());
    return plan;
}

Plan planBackward(const QString &text, const QString &haystack, const QString &needle, const QString &replacement,
                  const SearchOptions &options, int from)
{
    Plan plan;
    QStringList pieces; // right to left
    int q = from;       // matches start before q
    int limit = int(text.size()); // and end at or before limit
    std::optional<QChar> firstRight;  // the first character at q once something was replaced
    int lastChange = -1;
    int before = q - 1;
    while (before >= 0) {
        const qsizetype at = haystack.lastIndexOf(needle, before);
        if (at < 0)
            break;
        const int start = int(at);
        const int end = start + int(needle.size());
        before = start - 1;
        if (end > limit)
            continue; // it would reach into a replacement
        if (options.wholeWord) {
            const std::optional<QChar> left = start > 0 ? std::optional<QChar>(text[start - 1]) : std::nullopt;
            std::optional<QChar> right;
            if (plan.count > 0 && end == q)
                right = firstRight;
            else if (end < text.size())
                right = text[end];
            if (!boundsWord(left) || !boundsWord(right))
                continue;
        }
        if (lastChange < 0)
            lastChange = end;
        if (plan.count > 0)
            pieces << text.mid(end, q - end);
        pieces << replacement;
        if (!replacement.isEmpty())
            firstRight = replacement.front();
        else if (end < q || plan.count == 0)
            firstRight = end < text.size() ? std::optional<QChar>(text[end]) : std::nullopt;
        q = start;
        limit = start;
        ++plan.count;
    }
    if (plan.count == 0) {
        plan.caret = from;
        return plan;
    }
    plan.changeStart = q;
    plan.changeEnd = lastChange;
    for (auto piece = pieces.crbegin(); piece != pieces.crend(); ++piece)
        plan.changed += *piece;
    plan.caret = q;
    return plan;
}

} // namespace

bool joinsHistory(const QStringList &history, const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QString &entry : history) {
        if (entry.contains(text))
            return false;
    }
    return true;
}

QString notFoundMessage(const QString &text)
{
    return QStringLiteral("String \"%1\" not found").arg(text);
}

QString replacedMessage(int count, const QString &text, const QString &replacement)
{
    if (count <= 0)
        return notFoundMessage(text);
    // One pair of words for 1, one for 2 to 4 and one for 5 and more, as
    // languages that count in these steps need; in English all read alike.
    static const char *const words[3][2] = {
        {"occurrence", "replaced"}, {"occurrence", "replaced"}, {"occurrence", "replaced"}};
    const int form = count == 1 ? 0 : count <= 4 ? 1 : 2;
    return QStringLiteral("%1 %2 of string \"%3\" %4 by \"%5\"")
        .arg(count)
        .arg(QLatin1String(words[form][0]), text, QLatin1String(words[form][1]), replacement);
}

bool find(SourceEditor &editor, const QString &text, const SearchOptions &options)
{
    const int start = editor.caret();
    if (editor.search(text, options)) {
        editor.ensureCaretVisible();
        return true;
    }
    editor.setCaret(start);
    return false;
}

int replaceAll(SourceEditor &editor, const QString &text, const QString &replacement, const SearchOptions &options,
               bool fromTop)
{
    if (text.isEmpty())
        return 0;
    editor.beginUndoStep();
    int from = editor.caret();
    if (editor.selectionLength() != 0) {
        // The selection is replaced first; a backward search then starts
        // before what was put in.
        const int start = editor.selectionStart();
        editor.replaceSelection(replacement);
        from = options.forward ? start + int(replacement.size()) : start;
    }
    if (fromTop)
        from = 0;
    const QString snapshot = editor.text();
    // A pattern with a line break never matches: matches never span lines.
    const bool searchable = !text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n'));
    Plan plan;
    plan.caret = from;
    if (searchable) {
        const QString haystack = options.matchCase ? snapshot : TextSearch::upperCased(snapshot);
        const QString needle = options.matchCase ? text : TextSearch::upperCased(text);
        plan = options.forward ? planForward(snapshot, haystack, needle, replacement, options, from)
                               : planBackward(snapshot, haystack, needle, replacement, options, from);
    }
    if (plan.count > 0) {
        editor.setSelection(plan.changeStart, plan.changeEnd);
        editor.replaceSelection(plan.changed);
    }
    editor.endUndoStep();
    editor.setCaret(plan.caret);
    return plan.count;
}

bool removeTag(SourceEditor &editor)
{
    const int caret = editor.caret();
    SearchOptions backward;
    backward.forward = false;
    const TextSearch::Match opener = TextSearch::find(editor, QStringLiteral("<"), caret, backward);
    const int start = opener.found() ? opener.start : caret;
    const TextSearch::Match closer = TextSearch::find(editor, QStringLiteral(">"), start, SearchOptions());
    if (!closer.found())
        return false;
    editor.beginUndoStep();
    editor.setSelection(start, closer.start + 1);
    editor.replaceSelection(QString());
    editor.endUndoStep();
    editor.setCaret(start);
    return true;
}

} // namespace FindReplace
