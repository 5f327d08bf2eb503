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

// The text right of the search point while Replace All runs backward: the
// new text of the original range [point, changeEnd) as pieces, then the
// original text from changeEnd. Pieces are kept right to left, so the one
// at the back is the leftmost.
struct RightPart
{
    const QString &text;
    QStringList pieces;
    int changeEnd;

    // Its first n characters, or all of it when it is shorter.
    QString prefix(int n) const
    {
        QString out;
        for (auto piece = pieces.crbegin(); piece != pieces.crend() && out.size() < n; ++piece)
            out += piece->left(n - out.size());
        if (out.size() < n)
            out += QStringView(text).mid(changeEnd, n - out.size());
        return out;
    }

    // Drops its first n characters, which a match has taken.
    void drop(int n)
    {
        while (n > 0 && !pieces.isEmpty()) {
            QString &leftmost = pieces.back();
            if (leftmost.size() > n) {
                leftmost.remove(0, n);
                return;
            }
            n -= int(leftmost.size());
            pieces.removeLast();
        }
        changeEnd += n;
    }
};

// Each search looks, as the editor's backward search does, for the nearest
// match that starts before the caret, which a replacement leaves after what
// it put in; so a match may run into the text just inserted. Only a match
// that starts inside the replacement is passed over, which also ends the
// loop when the replacement holds the find text. reach is how much of the
// text at from was already put in by replacing a selection.
Plan planBackward(const QString &text, const QString &haystack, const QString &needle, const QString &replacement,
                  const SearchOptions &options, int from, int reach)
{
    Plan plan;
    const int length = int(needle.size());
    int q = from; // matches start before q; the text left of q is the original
    RightPart right{text, {}, from};
    const auto fold = [&options](const QString &part) {
        return options.matchCase ? part : TextSearch::upperCased(part);
    };
    const auto wholeWordAt = [&](int start, const QString &window, int windowStart) {
        if (!options.wholeWord)
            return true;
        const std::optional<QChar> left = start > 0 ? std::optional<QChar>(text[start - 1]) : std::nullopt;
        const int end = start + length - windowStart;
        const std::optional<QChar> after = end < window.size() ? std::optional<QChar>(window[end]) : std::nullopt;
        return boundsWord(left) && boundsWord(after);
    };
    for (;;) {
        int found = -1;
        // First a match that starts shortly before q and reaches past it.
        const int windowStart = qMax(0, q - length + 1);
        const QString window = text.mid(windowStart, q - windowStart) + right.prefix(length);
        const QString folded = fold(window);
        for (int before = q - 1 - windowStart; before >= 0 && q - windowStart > 0;) {
            const qsizetype at = folded.lastIndexOf(needle, before);
            if (at < 0 || windowStart + int(at) + length <= q)
                break;
            if (wholeWordAt(windowStart + int(at), window, windowStart)) {
                found = windowStart + int(at);
                break;
            }
            before = int(at) - 1;
        }
        // Then one that ends at or before q, in the original text.
        for (int before = q - length; found < 0 && before >= 0;) {
            const qsizetype at = haystack.lastIndexOf(needle, before);
            if (at < 0)
                break;
            const int start = int(at);
            const int end = start + length;
            const QString after = end < q ? text.mid(end, 1) : right.prefix(1);
            if (wholeWordAt(start, text.mid(start, length) + after, start))
                found = start;
            before = start - 1;
        }
        if (found < 0)
            break;
        const int end = found + length;
        if (end <= q)
            right.pieces << text.mid(end, q - end);
        else
            right.drop(end - q);
        right.pieces << replacement;
        q = found;
        ++plan.count;
    }
    if (plan.count == 0) {
        plan.caret = from + reach;
        return plan;
    }
    plan.changeStart = q;
    plan.changeEnd = right.changeEnd;
    for (auto piece = right.pieces.crbegin(); piece != right.pieces.crend(); ++piece)
        plan.changed += *piece;
    plan.caret = q + int(replacement.size());
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
    int reach = 0;
    if (editor.selectionLength() != 0) {
        // The selection is replaced first; a backward search then takes no
        // match that starts inside what was put in.
        const int start = editor.selectionStart();
        editor.replaceSelection(replacement);
        from = options.forward ? start + int(replacement.size()) : start;
        reach = options.forward ? 0 : int(replacement.size());
    }
    if (fromTop) {
        from = 0;
        reach = 0;
    }
    const QString snapshot = editor.text();
    // A pattern with a line break never matches: matches never span lines.
    const bool searchable = !text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n'));
    Plan plan;
    plan.caret = from + reach;
    if (searchable) {
        const QString haystack = options.matchCase ? snapshot : TextSearch::upperCased(snapshot);
        const QString needle = options.matchCase ? text : TextSearch::upperCased(text);
        plan = options.forward ? planForward(snapshot, haystack, needle, replacement, options, from)
                               : planBackward(snapshot, haystack, needle, replacement, options, from, reach);
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
