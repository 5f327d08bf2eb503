#include "wbmppicturewindow.h"

#include "canvassizedialog.h"
#include "picturecanvas.h"

#include "app/apptexts.h"
#include "app/closequestion.h"
#include "app/dialogservice.h"
#include "app/errordisplay.h"

#include "common/filefilters.h"
#include "pictures/wbmpcodec.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QScrollArea>
#include <QToolBar>
#include <QVBoxLayout>

WbmpPictureWindow::WbmpPictureWindow(DialogService &dialogs, QWidget *parent)
    : QWidget(parent), m_dialogs(dialogs), m_edits(WbmpCodec::blank(QSize(1, 1)))
{
    setObjectName(QStringLiteral("WbmpPictureWindow"));
    m_canvas = new PictureCanvas(m_edits);
    m_scroll = new QScrollArea;
    m_scroll->setObjectName(QStringLiteral("PictureScroll"));
    m_scroll->setWidget(m_canvas);
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_toolBar = new QToolBar;
    m_toolBar->setObjectName(QStringLiteral("PictureToolBar"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("lblPictureStatus"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_scroll, 1);
    layout->addWidget(m_status);
    createCommands();
    connect(m_canvas, &PictureCanvas::edited, this, &WbmpPictureWindow::refresh);
    refresh();
}

void WbmpPictureWindow::createCommands()
{
    const auto add = [this](const char *name, const QString &text, const QString &hint, auto handler) {
        QAction *action = m_toolBar->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        action->setToolTip(hint);
        action->setStatusTip(hint);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    add("PictureUndo", tr("Undo"), tr("Undo the last stroke"), [this] { undo(); });
    add("PictureRedo", tr("Redo"), tr("Redo the stroke undone"), [this] { redo(); });
    m_toolBar->addSeparator();
    add("PictureInvert", tr("Invert"), tr("Swap black and white"), [this] { invert(); });
    add("PictureCanvasSize", tr("Canvas Size..."), tr("Change the picture's width and height"),
        [this] { resizeCanvasExecute(); });
    m_toolBar->addSeparator();
    add("PictureZoomOut", tr("Zoom Out"), tr("Show the pixels smaller"), [this] { zoomBy(-1); });
    add("PictureZoomIn", tr("Zoom In"), tr("Show the pixels larger"), [this] { zoomBy(1); });
    QAction *grid = add("PictureGrid", tr("Grid"), tr("Show a grid between the pixels at high zoom"),
                        [this](bool on) { m_canvas->setGrid(on); });
    grid->setCheckable(true);
    grid->setChecked(true);
}

QAction *WbmpPictureWindow::command(const QString &name) const
{
    return findChild<QAction *>(name);
}

QSize WbmpPictureWindow::sizeHint() const
{
    const int frame = 2 * m_scroll->frameWidth() + 24;
    return QSize(std::max(m_canvas->sizeHint().width() + frame, m_toolBar->sizeHint().width()),
                 m_canvas->sizeHint().height() + frame + m_toolBar->sizeHint().height()
                     + m_status->sizeHint().height());
}

void WbmpPictureWindow::load(const QString &path)
{
    setPicture(WbmpCodec::load(path), path);
}

void WbmpPictureWindow::setPicture(const QImage &picture, const QString &path)
{
    m_edits = PictureEdits(picture);
    m_path = path;
    setWindowTitle(path.isEmpty() ? tr("Untitled.wbmp") : path);
    // Small pictures large, large ones still whole on a usual screen.
    const int longest = std::max(picture.width(), picture.height());
    m_canvas->setZoom(longest <= 0 ? 8 : std::clamp(480 / longest, 1, 16));
    refresh();
}

void WbmpPictureWindow::refresh()
{
    m_canvas->pictureChanged();
    const QSize size = m_edits.size();
    m_status->setText(tr(" %1 × %2 pixels, %3 bytes, shown × %4")
                          .arg(size.width())
                          .arg(size.height())
                          .arg(WbmpCodec::fileSize(size))
                          .arg(m_canvas->zoom()));
    command(QStringLiteral("PictureUndo"))->setEnabled(m_edits.canUndo());
    command(QStringLiteral("PictureRedo"))->setEnabled(m_edits.canRedo());
    command(QStringLiteral("PictureZoomIn"))->setEnabled(m_canvas->zoom() < PictureCanvas::maximumZoom);
    command(QStringLiteral("PictureZoomOut"))->setEnabled(m_canvas->zoom() > PictureCanvas::minimumZoom);
    emit stateChanged();
}

void WbmpPictureWindow::undo()
{
    m_edits.undo();
    refresh();
}

void WbmpPictureWindow::redo()
{
    m_edits.redo();
    refresh();
}

void WbmpPictureWindow::invert()
{
    m_edits.invert();
    refresh();
}

void WbmpPictureWindow::resizeCanvasExecute()
{
    CanvasSizeDialog dialog(m_edits.size(), this);
    if (m_dialogs.runModal(dialog) != QDialog::Accepted)
        return;
    m_edits.resizeCanvas(dialog.canvasSize());
    refresh();
}

void WbmpPictureWindow::zoomBy(int step)
{
    // Whole steps at small magnifications, doubling above.
    const int zoom = m_canvas->zoom();
    int next = zoom;
    if (step > 0)
        next = zoom < 8 ? zoom + 1 : zoom * 2;
    else
        next = zoom <= 8 ? zoom - 1 : zoom / 2;
    m_canvas->setZoom(next);
    refresh();
}

bool WbmpPictureWindow::writeTo(const QString &path)
{
    WbmpCodec::save(m_edits.picture(), path);
    m_edits.markSaved();
    m_path = path;
    setWindowTitle(path);
    refresh();
    return true;
}

bool WbmpPictureWindow::save()
{
    if (m_path.isEmpty())
        return saveAs();
    return writeTo(m_path);
}

bool WbmpPictureWindow::saveAs()
{
    const QString folder = m_path.isEmpty() ? QString() : QFileInfo(m_path).absolutePath();
    for (;;) {
        const QString chosen = m_dialogs.saveFileName({folder, FileFilters::wbmp(), QStringLiteral("wbmp")});
        if (chosen.isEmpty())
            return false;
        if (chosen == m_path || !QFileInfo::exists(chosen)
            || m_dialogs.question(tr("%1 already exists.\rReplace it?").arg(chosen), DialogService::Choice::YesNo,
                                  DialogService::Answer::No)
                   == DialogService::Answer::Yes)
            return writeTo(chosen);
    }
}

bool WbmpPictureWindow::closeQuery()
{
    if (!m_edits.isModified())
        return true;
    return CloseQuestion::ask(m_dialogs, m_path.isEmpty() ? windowTitle() : m_path, [this] { return save(); });
}

void WbmpPictureWindow::closeEvent(QCloseEvent *event)
{
    if (closeQuery())
        event->accept();
    else
        event->ignore();
}
