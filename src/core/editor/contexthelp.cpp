#include "contexthelp.h"

#include "sourceeditor.h"
#include "textsearch.h"

#include "common/programfolder.h"

#include <QDir>

namespace ContextHelp {

QString tagNameBeforeCaret(const SourceEditor &editor)
{
    const int caret = editor.caret();
    SearchOptions backward;
    backward.forward = false;
    const TextSearch::Match opener = TextSearch::find(editor, QStringLiteral("<"), caret, backward);
    const int begin = opener.found() ? opener.start : caret;
    const TextSearch::Match closer = TextSearch::find(editor, QStringLiteral(">"), begin, SearchOptions());
    const int end = closer.found() ? closer.start + 1 : begin;
    QString text = editor.text().mid(begin, end - begin);
    const int space = text.indexOf(QLatin1Char(' '));
    if (space >= 0)
        text.truncate(space);
    for (const QChar mark : {QLatin1Char('<'), QLatin1Char('>'), QLatin1Char('/')}) {
        const int at = text.indexOf(mark);
        if (at >= 0)
            text.remove(at, 1);
    }
    return text;
}

QString contentsPage()
{
    return QDir(ProgramFolder::helpFolder()).filePath(QStringLiteral("content.htm"));
}

QString pageOf(const QString &tagName)
{
    return QDir(ProgramFolder::helpFolder()).filePath(tagName.toLower() + QStringLiteral(".htm"));
}

} // namespace ContextHelp
