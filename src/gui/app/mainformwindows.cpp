// The main window's View and Window menus, the Undo and Redo commands, and
// the placing of new document windows.
#include "mainform.h"

#include "statuspanels.h"

#include "editor/mdichild.h"
#include "editor/wmleditor.h"
#include "pictures/wbmppicturewindow.h"

#include "common/tilelayout.h"
#include "common/windowfit.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <utility>

void TMainForm::mmStatusBarClick()
{
    m_statusBar->setVisible(m_statusBarItem->isChecked());
}

void TMainForm::Window1Click()
{
    setCommandsEnabled({QStringLiteral("WindowCascade1"), QStringLiteral("WindowTileVertical1"),
                        QStringLiteral("WindowTileHorizontal1")},
                       documentCount() + pictureWindows().size() > 0);
}

void TMainForm::EditUndoExecute()
{
    if (WbmpPictureWindow *picture = activePicture()) {
        picture->undo();
        return;
    }
    if (TMDIChild *child = sourceChild(); child && child->editor()->canUndo())
        child->editor()->undo();
}

void TMainForm::EditRedoExecute()
{
    if (WbmpPictureWindow *picture = activePicture()) {
        picture->redo();
        return;
    }
    if (TMDIChild *child = sourceChild(); child && child->editor()->canRedo())
        child->editor()->redo();
}

void TMainForm::tileDocuments(Qt::Orientation orientation)
{
    const QList<QMdiSubWindow *> windows = documentAndPictureFrames();
    const QList<QRect> tiles = TileLayout::tiles(m_mdiArea->viewport()->rect(), int(windows.size()), orientation);
    for (int i = 0; i < windows.size(); ++i) {
        windows[i]->showNormal();
        windows[i]->setGeometry(tiles[i]);
    }
}

void TMainForm::placeInSight(QMdiSubWindow *window)
{
    // Before the main window is first shown its area has no size yet: the
    // windows of the command line are placed once it has.
    if (!m_mdiArea->isVisible()) {
        m_waitingForPlace.append(window);
        return;
    }
    window->setGeometry(WindowFit::inside(window->geometry(), m_mdiArea->viewport()->rect()));
}

void TMainForm::placeWaitingWindows()
{
    const QList<QPointer<QMdiSubWindow>> waiting = std::exchange(m_waitingForPlace, {});
    for (QMdiSubWindow *window : waiting) {
        if (window)
            placeInSight(window);
    }
}
