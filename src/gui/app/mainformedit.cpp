// The main window's find, replace and remove-tag commands.
#include "mainform.h"

#include "errordisplay.h"

#include "editor/findreplace.h"
#include "editor/mdichild.h"
#include "editor/tfrmfind.h"
#include "editor/wmleditor.h"

TfrmFIND *TMainForm::findDialog()
{
    // Made on first use, not at start-up, and then kept, so its texts and
    // histories carry over.
    if (m_findDialog)
        return m_findDialog;
    m_findDialog = new TfrmFIND(
        *m_dialogs,
        [this]() -> SourceEditor * {
            TMDIChild *child = sourceChild();
            return child ? child->editor() : nullptr;
        },
        this);
    return m_findDialog;
}

void TMainForm::runFindDialog()
{
    m_dialogs->runModal(*findDialog());
    // The histories and switches are written each time the dialog closes.
    ErrorDisplay::run(*m_dialogs, [this] { findDialog()->saveSettings(); });
}

void TMainForm::EditFindExecute()
{
    if (!sourceChild())
        return;
    findDialog()->prepareFind();
    runFindDialog();
}

void TMainForm::EditReplaceExecute()
{
    if (!sourceChild())
        return;
    findDialog()->prepareReplace();
    runFindDialog();
}

void TMainForm::EditFindNextExecute()
{
    findDialog()->findNext();
}

void TMainForm::EditDelTagExecute()
{
    // Remove tag stays enabled on every tab but edits only a source that
    // is showing.
    if (TMDIChild *child = sourceChild())
        FindReplace::removeTag(*child->editor());
}
