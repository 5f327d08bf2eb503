// The main window's find, replace and remove-tag commands.
#include "mainform.h"

#include "errordisplay.h"

#include "editor/findreplace.h"
#include "editor/mdichild.h"
#include "editor/tfrmfind.h"
#include "editor/wmleditor.h"

void TMainForm::createFindDialog()
{
    // Made once and kept, so its texts and histories carry over.
    m_findDialog = new TfrmFIND(
        *m_dialogs,
        [this]() -> SourceEditor * {
            TMDIChild *child = sourceChild();
            return child ? child->editor() : nullptr;
        },
        this);
}

void TMainForm::runFindDialog()
{
    m_dialogs->runModal(*m_findDialog);
    // The histories and switches are written each time the dialog closes.
    ErrorDisplay::run(*m_dialogs, [this] { m_findDialog->saveSettings(); });
}

void TMainForm::EditFindExecute()
{
    if (!sourceChild())
        return;
    m_findDialog->prepareFind();
    runFindDialog();
}

void TMainForm::EditReplaceExecute()
{
    if (!sourceChild())
        return;
    m_findDialog->prepareReplace();
    runFindDialog();
}

void TMainForm::EditFindNextExecute()
{
    m_findDialog->findNext();
}

void TMainForm::EditDelTagExecute()
{
    // Remove tag stays enabled on every tab but edits only a source that
    // is showing.
    if (TMDIChild *child = sourceChild())
        FindReplace::removeTag(*child->editor());
}
