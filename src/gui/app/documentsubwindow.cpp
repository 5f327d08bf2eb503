#include "documentsubwindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>

DocumentSubWindow::DocumentSubWindow(QWidget *parent) : QMdiSubWindow(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

void DocumentSubWindow::closeEvent(QCloseEvent *event)
{
    // The base class asks the document window, whose close question may
    // refuse.
    QMdiSubWindow::closeEvent(event);
    if (!event->isAccepted() || m_closing)
        return;
    m_closing = true;
    emit closed();
}

void DocumentSubWindow::releaseShortcut(const QKeySequence &key)
{
    if (key.isEmpty() || !systemMenu())
        return;
    for (QAction *action : systemMenu()->actions()) {
        QList<QKeySequence> keys = action->shortcuts();
        if (keys.removeAll(key) > 0)
            action->setShortcuts(keys);
    }
}
