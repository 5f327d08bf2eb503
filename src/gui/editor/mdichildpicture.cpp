// The document window's Insert > Picture from File: a picture converted
// to WBMP, saved beside the page and shown with an <img> at the caret.
#include "mdichild.h"

#include "wmleditor.h"

#include "app/dialogservice.h"
#include "app/errordisplay.h"
#include "app/mainform.h"
#include "devices/deviceprofile.h"
#include "preview/previewtab.h"
#include "pictures/pictureconverterdialog.h"
#include "pictures/picturecommands.h"

#include "pictures/picturefiles.h"
#include "pictures/pictureinsertion.h"
#include "pictures/wbmpcodec.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

void TMDIChild::createPictureCommand()
{
    auto *action = new QAction(QIcon(QStringLiteral(":/artwork/image.png")), tr("Pictur&e from File..."), this);
    action->setObjectName(QStringLiteral("InsPictureFromFile"));
    action->setStatusTip(tr("Convert a picture to WBMP and insert it"));
    // Right after Image in the Insert menu.
    const QList<QAction *> items = m_insertMenu->actions();
    const qsizetype image = items.indexOf(m_insertActions.value(QStringLiteral("InsImg")));
    m_insertMenu->insertAction(items.value(image + 1), action);
    connect(action, &QAction::triggered, this, [this] {
        if (isSourceShowing())
            ErrorDisplay::run(m_main.dialogs(), [this] { InsPictureFromFileExecute(); });
    });
}

void TMDIChild::InsPictureFromFileExecute()
{
    const QString folder = documentFolder();
    const QString chosen = m_main.dialogs().openFileName({folder, PictureFiles::openFilter(), QString()});
    if (chosen.isEmpty())
        return;
    const QImage source = PictureFiles::read(chosen);
    PictureConverterDialog dialog(source, m_main.deviceProfile(m_preview->skinProfile()), tr("Insert"), this);
    if (m_main.dialogs().runModal(dialog) != QDialog::Accepted)
        return;
    // Beside the page, named after the picture; a page never saved has no
    // folder, and the user says where.
    const QString proposed
        = folder.isEmpty() ? QString() : QDir(folder).filePath(PictureInsertion::pictureFileName(chosen));
    const QString target = PictureCommands::targetPath(m_main.dialogs(), proposed, folder);
    if (target.isEmpty())
        return;
    const QImage picture = dialog.picture();
    WbmpCodec::save(picture, target);
    const QString tag = PictureInsertion::imgTag(PictureInsertion::relativeSource(target, folder),
                                                 QFileInfo(target).completeBaseName(), picture.size());
    m_memo->replaceSelection(tag);
    m_memo->setFocus();
}
