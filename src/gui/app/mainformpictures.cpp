// The main window's pictures: WBMP files in picture windows, the Tools
// menu's converter, and the file commands while a picture is active.
#include "mainform.h"

#include "documentsubwindow.h"
#include "errordisplay.h"

#include "pictures/picturecommands.h"
#include "pictures/pictureconverterdialog.h"
#include "pictures/wbmppicturewindow.h"

#include "editor/mdichild.h"
#include "preview/previewtab.h"

#include "devices/deviceprofile.h"

#include "common/filehistory.h"
#include "pictures/picturefiles.h"
#include "pictures/wbmpcodec.h"

#include <QAction>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

void TMainForm::createPictureCommands()
{
    QAction *convert = toolsMenu()->addAction(tr("&Convert Picture to WBMP..."));
    convert->setObjectName(QStringLiteral("ToolsConvertPicture"));
    convert->setStatusTip(tr("Convert a picture to a black and white WBMP picture for phones"));
    m_actions.insert(convert->objectName(), convert);
    connect(convert, &QAction::triggered, this, [this] { runCommand([this] { ToolsConvertPictureExecute(); }); });
}

bool TMainForm::isPictureFile(const QString &path)
{
    return path.endsWith(QLatin1String(".wbmp"), Qt::CaseInsensitive);
}

void TMainForm::openPicture(const QString &path)
{
    auto *picture = new WbmpPictureWindow(*m_dialogs);
    if (!ErrorDisplay::run(*m_dialogs, [&] { picture->load(path); })) {
        delete picture;
        return;
    }
    auto *window = new DocumentSubWindow;
    window->setWidget(picture);
    m_mdiArea->addSubWindow(window);
    connect(window, &DocumentSubWindow::closed, this, [this] { childActivated(nullptr); });
    connect(picture, &WbmpPictureWindow::stateChanged, this, [this] { UpdateCommandState(); });
    window->releaseShortcut(action(QStringLiteral("FileClose"))->shortcut());
    // Large enough for the whole picture, within the area.
    // (Before the main window is first shown the area has no size yet;
    // placeInSight fits the window in once it has.)
    const QSize room = m_mdiArea->isVisible() ? m_mdiArea->viewport()->size() : QSize();
    const QSize wanted = window->sizeHint().expandedTo(QSize(320, 240));
    window->resize(room.isEmpty() ? wanted : wanted.boundedTo(room));
    window->show();
    placeInSight(window);
    m_mdiArea->setActiveSubWindow(window);
    rememberFile(path);
    UpdateCommandState();
}

WbmpPictureWindow *TMainForm::activePicture() const
{
    const auto *window = qobject_cast<DocumentSubWindow *>(m_mdiArea->currentSubWindow());
    if (!window || window->isClosing())
        return nullptr;
    return qobject_cast<WbmpPictureWindow *>(window->widget());
}

QList<WbmpPictureWindow *> TMainForm::pictureWindows() const
{
    QList<WbmpPictureWindow *> pictures;
    for (QMdiSubWindow *frame : m_mdiArea->subWindowList(QMdiArea::StackingOrder)) {
        const auto *window = qobject_cast<DocumentSubWindow *>(frame);
        if (!window || window->isClosing())
            continue;
        if (auto *picture = qobject_cast<WbmpPictureWindow *>(window->widget()))
            pictures.prepend(picture);
    }
    return pictures;
}

QList<QMdiSubWindow *> TMainForm::documentAndPictureFrames() const
{
    QList<QMdiSubWindow *> frames = m_mdiArea->subWindowList(QMdiArea::CreationOrder);
    frames.removeIf([](QMdiSubWindow *frame) {
        const auto *window = qobject_cast<DocumentSubWindow *>(frame);
        return !window || window->isClosing()
               || !(qobject_cast<TMDIChild *>(frame->widget()) || qobject_cast<WbmpPictureWindow *>(frame->widget()));
    });
    return frames;
}

void TMainForm::updatePictureCommandState(const WbmpPictureWindow &picture)
{
    setCommandsEnabled({QStringLiteral("FileClose"), QStringLiteral("FileCloseAll"), QStringLiteral("FileSaveAs"),
                        QStringLiteral("FileSaveAll")},
                       true);
    action(QStringLiteral("FileSave"))->setEnabled(picture.isModified() || picture.documentPath().isEmpty());
    action(QStringLiteral("EditUndo"))->setEnabled(picture.canUndo());
    action(QStringLiteral("EditRedo"))->setEnabled(picture.canRedo());
}

void TMainForm::ToolsConvertPictureExecute()
{
    const QString chosen = m_dialogs->openFileName({dialogFolder(), PictureFiles::openFilter(), QString()});
    if (chosen.isEmpty())
        return;
    FileHistory::rememberFolderOf(chosen);
    const QImage source = PictureFiles::read(chosen);
    // The phone of the active page, else the one chosen in View > Device.
    const TMDIChild *page = activeChild();
    const DeviceProfile device = deviceProfile(page ? page->preview()->skinProfile() : QString());
    PictureConverterDialog dialog(source, device, tr("&Save..."), this);
    if (m_dialogs->runModal(dialog) != QDialog::Accepted)
        return;
    const QString folder = QFileInfo(chosen).absolutePath();
    const QString target = PictureCommands::targetPath(*m_dialogs, QString(), folder);
    if (target.isEmpty())
        return;
    WbmpCodec::save(dialog.picture(), target);
    openPicture(target);
}
