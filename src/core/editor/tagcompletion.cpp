#include "tagcompletion.h"

#include "sourceeditor.h"
#include "textsearch.h"

#include "common/taglistfile.h"

namespace TagCompletion {

Request requestAt(const SourceEditor &editor, int position)
{
    const int bracket = editor.lastIndexOfAscii('<', position);
    if (bracket < 0)
        return {};
    if (bracket == position - 1)
        return {Request::Kind::TagNames, QString()};
    // Only the name is read, however far back the "<" lies.
    const QString name = editor.textUpTo(bracket + 1, ' ', position);
    if (name.startsWith(QLatin1Char('/')))
        return {Request::Kind::ClosingTag, name};
    return {Request::Kind::Attributes, name};
}

QStringList attributeEntries(const QString &value)
{
    QStringList entries = TagListFile::items(value);
    if (!entries.isEmpty())
        entries.removeFirst();
    for (QString &entry : entries) {
        if (entry.endsWith(QLatin1Char('#')))
            entry.chop(1);
    }
    return entries;
}

OpenList prepareForList(SourceEditor &editor, int position, bool tagNames)
{
    editor.setCaret(position);
    editor.replaceSelection(QStringLiteral(" "));
    return OpenList{position, editor.length(), tagNames};
}

QStringList choicesOf(const QString &entry)
{
    const int equals = int(entry.indexOf(QLatin1Char('=')));
    if (equals < 0)
        return {};
    const QString quoted = entry.mid(equals + 1).trimmed();
    if (quoted.size() < 2 || !quoted.startsWith(QLatin1Char('"')) || !quoted.endsWith(QLatin1Char('"')))
        return {};
    // Split keeping empty words: the leading index may itself be empty.
    QStringList words = quoted.mid(1, quoted.size() - 2).split(QLatin1Char(';'));
    if (words.size() < 2)
        return {};
    words.removeFirst();
    QStringList choices;
    for (const QString &word : std::as_const(words)) {
        if (!word.trimmed().isEmpty())
            choices << word.trimmed();
    }
    return choices;
}

void insertEntry(SourceEditor &editor, const QString &entry)
{
    const int start = editor.selectionStart();
    editor.replaceSelection(entry);
    const int quotes = entry.lastIndexOf(QStringLiteral("\"\""));
    if (quotes >= 0)
        editor.setCaret(start + quotes + 1);
}

QStringList choose(SourceEditor &editor, const OpenList &list, const QString &entry)
{
    if (list.tagNames)
        cancel(editor, list);
    const QStringList choices = choicesOf(entry);
    if (choices.isEmpty()) {
        insertEntry(editor, entry);
        return {};
    }
    insertEntry(editor, entry.left(entry.indexOf(QLatin1Char('=')) + 1) + QStringLiteral("\"\""));
    return choices;
}

void cancel(SourceEditor &editor, const OpenList &list)
{
    if (list.space < 0 || editor.length() != list.lengthAfter || editor.charAt(list.space) != QLatin1Char(' '))
        return;
    const auto kept = [&list](int position) { return position > list.space ? position - 1 : position; };
    const int anchor = kept(editor.anchor());
    const int caret = kept(editor.caret());
    editor.setSelection(list.space, list.space + 1);
    editor.replaceSelection(QString());
    editor.setSelection(anchor, caret);
}

QStringList cardEntries(const SourceEditor &editor)
{
    QStringList entries;
    const QString pattern = QStringLiteral("<card");
    const SearchOptions options; // forward, any case, not as a whole word
    int from = 0;
    for (;;) {
        const TextSearch::Match match = TextSearch::find(editor, pattern, from, options);
        if (!match.found())
            break;
        entries << QStringLiteral("card%1").arg(entries.size() + 1);
        from = match.start + match.length;
    }
    return entries;
}

} // namespace TagCompletion
