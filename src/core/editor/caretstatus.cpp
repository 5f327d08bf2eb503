#include "caretstatus.h"

#include "sourceeditor.h"

#include <QCoreApplication>

CaretStatus CaretStatus::of(const SourceEditor &editor, bool overwrite)
{
    CaretStatus status;
    const int caret = editor.caret();
    const int line = editor.lineOfPosition(caret);
    status.line = line + 1;
    status.column = caret - editor.lineStart(line) + 1;
    status.position = caret + 1;
    status.overwrite = overwrite;
    return status;
}

QString CaretStatus::modeText() const
{
    return overwrite ? overwriteText() : insertText();
}

QString CaretStatus::insertText()
{
    return QCoreApplication::translate("CaretStatus", "INS");
}

QString CaretStatus::overwriteText()
{
    return QCoreApplication::translate("CaretStatus", "OVR");
}
