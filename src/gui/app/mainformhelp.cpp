// The main window's help commands: the contents, context help and About.
#include "mainform.h"

#include "errordisplay.h"
#include "tfrmabout.h"
#include "tfrmwaphelp.h"

#include "editor/contexthelp.h"
#include "editor/mdichild.h"
#include "editor/wmleditor.h"

#include <QFileInfo>
#include <QScrollBar>

TfrmWAPHELP *TMainForm::helpWindow()
{
    // Made on first use: a start without help need not build its browser.
    if (!m_helpWindow) {
        m_helpWindow = new TfrmWAPHELP(this);
        m_helpWindow->hide();
    }
    return m_helpWindow;
}

void TMainForm::WAPhelp1Click()
{
    helpWindow()->viewer()->loadFile(ContextHelp::contentsPage());
    m_dialogs->runModal(*m_helpWindow);
}

void TMainForm::itmTaghelpClick()
{
    TMDIChild *child = activeChild();
    if (!child)
        return;
    WmlEditor *editor = child->editor();
    // The page's text, caret and scroll position stay; a selection goes.
    const int vertical = editor->verticalScrollBar()->value();
    const int horizontal = editor->horizontalScrollBar()->value();
    const QString tag = ContextHelp::tagNameBeforeCaret(*editor);
    if (editor->selectionLength() != 0)
        editor->setCaret(editor->caret());
    editor->verticalScrollBar()->setValue(vertical);
    editor->horizontalScrollBar()->setValue(horizontal);
    const QString page = ContextHelp::pageOf(tag);
    if (tag.isEmpty() || !QFileInfo(page).isFile())
        return;
    helpWindow()->viewer()->loadFile(page);
    m_dialogs->runModal(*m_helpWindow);
}

void TMainForm::mmAboutClick()
{
    TfrmAbout about(this);
    m_dialogs->runModal(about);
}
