#include "tagcompletion.h"

#include "sourceeditor.h"
#include "textsearch.h"

#include "common/taglistfile.h"

namespace TagCompletion {

namespace {

// The text from the nearest "<" before position up to position, or a null
// string when no "<" precedes it. Only the lines it spans are read.
QString textFromTagStart(const SourceEditor &editor, int position)
{
    int line = editor.lineOfPosition(position);
    QString tail = editor.lineText(line).left(position - editor.lineStart(line));
    for (;;) {
        const int bracket = tail.lastIndexOf(QLatin1Char('<'));
        if (bracket >= 0)
            return tail.mid(bracket);
        if (line == 0)
            return QString();
        --line;
        const QString previous = editor.lineText(line);
        const int found = previous.lastIndexOf(QLatin1Char('<'));
        if (found >= 0)
            return previous.mid(found) + QStringLiteral("\r\n") + tail;
        tail = previous + QStringLiteral("\r\n") + tail;
    }
}

} // namespace

Request requestAt(const SourceEditor &editor, int position)
{
    const QString fromTag = textFromTagStart(editor, position);
    if (fromTag.isNull())
        return {};
    if (fromTag.size() == 1)
        return {Request::Kind::TagNames, QString()};
    const int space = fromTag.indexOf(QLatin1Char(' '));
    const QString name = fromTag.mid(1, space < 0 ? -1 : space - 1);
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

void prepareForList(SourceEditor &editor, int position)
{
    editor.setCaret(position);
    editor.replaceSelection(QStringLiteral(" "));
}

void insertEntry(SourceEditor &editor, const QString &entry)
{
    const int start = editor.selectionStart();
    editor.replaceSelection(entry);
    const int quotes = entry.lastIndexOf(QStringLiteral("\"\""));
    if (quotes >= 0)
        editor.setCaret(start + quotes + 1);
}

void cancel(SourceEditor &editor)
{
    const int caret = editor.caret();
    if (caret == 0)
        return;
    editor.setSelection(caret - 1, caret);
    editor.replaceSelection(QString());
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
