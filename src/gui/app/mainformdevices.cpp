// The main window's phones: View > Device, the size gauge of the status
// bar, File > Export Compiled and opening compiled decks.
#include "mainform.h"

#include "dialogservice.h"
#include "statuspanels.h"

#include "editor/mdichild.h"
#include "editor/wmleditor.h"

#include "common/filefilters.h"
#include "common/filehistory.h"
#include "common/tarnelerror.h"
#include "devices/devicecatalog.h"
#include "devices/devicechoice.h"
#include "devices/decksizereport.h"
#include "wbxml/wbxmlreader.h"
#include "wbxml/wbxmlwriter.h"
#include "wml/wmldocument.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMenu>
#include <QSaveFile>

namespace {

// Numbers in the gauge are grouped as the program's language writes them.
QLocale numberLocale()
{
    return QLocale(QCoreApplication::translate("DeckSizeReport", "en_US", "locale of the numbers in the size gauge"));
}

// A compiled deck larger than this is no deck a phone ever took.
constexpr qint64 largestCompiledDeck = 16 * 1024 * 1024;

} // namespace

const DeviceCatalog &TMainForm::deviceCatalog()
{
    if (!m_deviceCatalog)
        m_deviceCatalog = std::make_unique<DeviceCatalog>(DeviceCatalog::load());
    return *m_deviceCatalog;
}

DeviceProfile TMainForm::deviceProfile(const QString &skinProfile)
{
    const DeviceCatalog &catalog = deviceCatalog();
    if (const DeviceProfile *named = catalog.find(skinProfile))
        return *named;
    return catalog.profileOrGeneric(DeviceChoice::chosen());
}

void TMainForm::createDeviceMenu()
{
    m_deviceMenu = new QMenu(tr("&Device"), this);
    m_deviceMenu->setObjectName(QStringLiteral("mmDevice"));
    m_deviceMenu->menuAction()->setObjectName(QStringLiteral("mmDeviceItem"));
    m_deviceMenu->menuAction()->setStatusTip(
        tr("Choose the phone whose limits apply while the Preview shows no phone of its own"));
    // Filled when it opens: devices.ini is read on first use, not at start.
    connect(m_deviceMenu, &QMenu::aboutToShow, this, &TMainForm::fillDeviceMenu);
}

void TMainForm::fillDeviceMenu()
{
    m_deviceMenu->clear();
    const DeviceCatalog &catalog = deviceCatalog();
    if (catalog.isEmpty()) {
        QAction *none = m_deviceMenu->addAction(tr("No phones in devices.ini"));
        none->setEnabled(false);
        return;
    }
    const QString chosen = deviceProfile(QString()).id;
    auto *group = new QActionGroup(m_deviceMenu);
    for (const DeviceProfile &profile : catalog.profiles()) {
        QString caption = profile.name;
        caption.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction *item = m_deviceMenu->addAction(caption);
        item->setObjectName(QStringLiteral("mmDevice_%1").arg(profile.id));
        item->setCheckable(true);
        item->setChecked(profile.id == chosen);
        item->setActionGroup(group);
        item->setStatusTip(tr("%1: screen %2 pixels, compiled decks up to %3 bytes")
                               .arg(profile.name, profile.screenText(), numberLocale().toString(profile.maxDeckBytes)));
        const QString id = profile.id;
        connect(item, &QAction::triggered, this, [this, id] { ViewDeviceExecute(id); });
    }
}

void TMainForm::ViewDeviceExecute(const QString &id)
{
    DeviceChoice::setChosen(id);
    for (TMDIChild *child : documentWindows())
        child->recheck();
}

void TMainForm::showDeckSize()
{
    const TMDIChild *child = activeChild();
    m_statusBar->showDeckSize(child ? child->deckSize() : nullptr, numberLocale());
}

void TMainForm::FileExportCompiledExecute()
{
    TMDIChild *child = activeChild();
    if (!child)
        return;
    const std::shared_ptr<const WmlDocument> document = WmlDocument::parse(child->editor()->text());
    if (!document->isWellFormed()) {
        const WmlParseError &error = document->errors().constFirst();
        throw TarnelError(tr("The page cannot be compiled: line %1: %2")
                              .arg(error.range.start.line)
                              .arg(error.message));
    }
    if (!document->root())
        throw TarnelError(tr("The page cannot be compiled: it holds no deck."));
    const QString chosen = m_dialogs->saveFileName({dialogFolder(), FileFilters::wmlc(), QStringLiteral("wmlc")});
    if (chosen.isEmpty())
        return;
    FileHistory::rememberFolderOf(chosen);
    if (QFileInfo::exists(chosen)
        && m_dialogs->question(tr("%1 already exists.\rReplace it?").arg(chosen), DialogService::Choice::YesNo,
                               DialogService::Answer::No)
               != DialogService::Answer::Yes)
        return;
    const QByteArray bytes = WbxmlWriter::encode(*document);
    QSaveFile file(chosen);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw TarnelError::cannotCreate(chosen);
}

QString TMainForm::compiledDeckText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw TarnelError::cannotOpen(path);
    if (file.size() > largestCompiledDeck)
        throw TarnelError(tr("%1 is too large for a compiled deck.").arg(path));
    const WbxmlReader::Result decoded = WbxmlReader::decode(file.readAll());
    if (!decoded.ok)
        throw TarnelError(tr("%1 is not a compiled WML deck: %2").arg(path, decoded.error));
    return decoded.text;
}
