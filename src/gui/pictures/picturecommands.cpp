#include "picturecommands.h"

#include "app/dialogservice.h"

#include "common/filefilters.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace PictureCommands {

QString targetPath(DialogService &dialogs, const QString &proposed, const QString &folder)
{
    const auto mayWrite = [&dialogs](const QString &path) {
        return !QFileInfo::exists(path)
               || dialogs.question(QCoreApplication::translate("PictureCommands", "%1 already exists.\rReplace it?")
                                       .arg(path),
                                   DialogService::Choice::YesNo, DialogService::Answer::No)
                      == DialogService::Answer::Yes;
    };
    if (!proposed.isEmpty() && mayWrite(proposed))
        return proposed;
    for (;;) {
        const QString chosen = dialogs.saveFileName({folder, FileFilters::wbmp(), QStringLiteral("wbmp")});
        if (chosen.isEmpty() || mayWrite(chosen))
            return chosen;
    }
}

} // namespace PictureCommands
