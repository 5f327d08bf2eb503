#include "commandstates.h"

namespace CommandStates {

QList<std::pair<QString, bool>> of(const ActiveDocument &document)
{
    const bool source = document.exists && document.sourceShown;
    return {
        {QStringLiteral("FileClose"), source},
        {QStringLiteral("FileCloseAll"), source},
        {QStringLiteral("FileSave"), source && (document.modified || !document.hasFile)},
        {QStringLiteral("FileSaveFtp"), source},
        {QStringLiteral("FileSaveAs"), source},
        {QStringLiteral("FileSaveAll"), source},
        {QStringLiteral("FilePrint"), source},
        {QStringLiteral("FileExportCompiled"), document.exists},
        {QStringLiteral("EditUndo"), source && document.canUndo},
        {QStringLiteral("EditRedo"), source && document.canRedo},
        {QStringLiteral("EditFind"), source},
        {QStringLiteral("EditReplace"), source},
    };
}

} // namespace CommandStates
