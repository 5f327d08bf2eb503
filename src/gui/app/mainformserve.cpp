// The main window's Serve to Phone: the Tools menu's server commands, the
// request log panel, and the settings and gateway dialogs.
#include "mainform.h"

#include "dialogservice.h"
#include "errordisplay.h"

#include "editor/mdichild.h"
#include "editor/wmleditor.h"
#include "serve/gatewaydialog.h"
#include "serve/requestlogpanel.h"
#include "serve/servecontroller.h"
#include "serve/servedialog.h"

#include "common/tarnelerror.h"
#include "serve/serveaddresses.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

void TMainForm::createServeMenu()
{
    m_serve = new ServeController(
        [this] {
            QList<ServeController::Document> documents;
            for (TMDIChild *child : documentWindows())
                documents.append({child->documentPath(), {child->editor()->text(), child->encoding(), child->lineBreaks()}});
            return documents;
        },
        this);

    m_requestLog = new RequestLogPanel(this);
    addDockWidget(Qt::BottomDockWidgetArea, m_requestLog);
    m_requestLog->hide();
    m_requestLog->setStatus(tr("Not serving. Tools > Serve to Phone (F9) serves the active page's folder."));
    connect(&m_serve->server(), &PhoneServer::requestLogged, m_requestLog, &RequestLogPanel::addEntry);

    QMenu *menu = toolsMenu();
    if (!menu->isEmpty())
        menu->addSeparator();
    QAction *serve = menu->addAction(tr("&Serve to Phone"));
    serve->setObjectName(QStringLiteral("ToolsServe"));
    serve->setCheckable(true);
    serve->setShortcut(QKeySequence(Qt::Key_F9));
    serve->setStatusTip(tr("Serve the active page's folder to phones and WAP gateways over HTTP"));
    QAction *settings = menu->addAction(tr("Serve Se&ttings..."));
    settings->setObjectName(QStringLiteral("ToolsServeSettings"));
    settings->setStatusTip(tr("Choose where the server listens and copy the addresses for the phone"));
    QAction *log = m_requestLog->toggleViewAction();
    log->setObjectName(QStringLiteral("ToolsRequestLog"));
    log->setText(tr("Request &Log"));
    log->setStatusTip(tr("Show or hide the requests phones and gateways made"));
    menu->addAction(log);
    QAction *gateway = menu->addAction(tr("&Gateway Settings..."));
    gateway->setObjectName(QStringLiteral("ToolsGateway"));
    gateway->setStatusTip(tr("Write a Kannel WAP gateway configuration for the running server"));
    for (QAction *item : {serve, settings, log, gateway}) {
        m_actions.insert(item->objectName(), item);
        addAction(item);
    }

    connect(serve, &QAction::triggered, this, &TMainForm::ToolsServeExecute);
    connect(settings, &QAction::triggered, this, &TMainForm::ToolsServeSettingsExecute);
    connect(gateway, &QAction::triggered, this, &TMainForm::ToolsGatewayExecute);
    connect(m_serve, &ServeController::runningChanged, this, [this, serve](bool running) {
        serve->setChecked(running);
        if (!running) {
            m_requestLog->setStatus(tr("Not serving."));
            return;
        }
        m_requestLog->setStatus(tr("Serving %1 at %2")
                                    .arg(QDir::toNativeSeparators(m_serve->server().settings().folder),
                                         m_serve->deckAddresses().join(QStringLiteral("  "))));
    });
}

void TMainForm::serveDocumentsChanged()
{
    if (!m_serve || !m_serve->isRunning())
        return;
    for (TMDIChild *child : documentWindows())
        connect(child->editor(), &WmlEditor::contentChanged, m_serve, &ServeController::documentsChanged,
                Qt::UniqueConnection);
    m_serve->documentsChanged();
}

void TMainForm::ToolsServeExecute(bool on)
{
    if (!on) {
        m_serve->stop();
        return;
    }
    TMDIChild *child = activeChild();
    if (!child || child->documentPath().isEmpty()) {
        action(QStringLiteral("ToolsServe"))->setChecked(false);
        m_dialogs->error(tr("Save the page first: Serve to Phone serves the folder of the active page"));
        return;
    }
    const QFileInfo page(child->documentPath());
    runCommand([&] { m_serve->start(page.absolutePath(), page.fileName()); });
    action(QStringLiteral("ToolsServe"))->setChecked(m_serve->isRunning());
    if (m_serve->isRunning()) {
        serveDocumentsChanged();
        if (!m_requestLog->isVisible()) {
            m_requestLog->show();
            // The log takes a strip at the bottom; the pages keep the most room.
            resizeDocks({m_requestLog}, {qBound(110, height() / 3, 220)}, Qt::Vertical);
        }
    }
}

void TMainForm::ToolsServeSettingsExecute()
{
    const TMDIChild *child = activeChild();
    const bool running = m_serve->isRunning();
    const QString folder = running ? m_serve->server().settings().folder
                                   : child && !child->documentPath().isEmpty() ? QFileInfo(child->documentPath()).absolutePath()
                                                                               : QString();
    const QString deck = running ? m_serve->deckName()
                                 : child && !child->documentPath().isEmpty() ? QFileInfo(child->documentPath()).fileName()
                                                                             : QString();
    ServeDialog dialog(m_serve->preferences(), folder, deck, running ? m_serve->server().port() : 0, this);
    if (m_dialogs->runModal(dialog) != QDialog::Accepted)
        return;
    const ServePreferences chosen = dialog.preferences();
    const bool moved = chosen.localNetwork != m_serve->preferences().localNetwork || chosen.port != m_serve->preferences().port;
    m_serve->preferences() = chosen;
    chosen.save();
    if (running && moved) {
        m_serve->stop();
        runCommand([&] { m_serve->start(folder, deck); });
    }
}

void TMainForm::ToolsGatewayExecute()
{
    const quint16 port = m_serve->isRunning() ? m_serve->server().port() : m_serve->preferences().port;
    QString deck = m_serve->deckName();
    if (!m_serve->isRunning()) {
        const TMDIChild *child = activeChild();
        deck = child && !child->documentPath().isEmpty() ? QFileInfo(child->documentPath()).fileName() : QString();
    }
    // The gateway runs on this computer and fetches from it.
    GatewayDialog dialog(m_serve->preferences(), ServeAddresses::url(QStringLiteral("127.0.0.1"), port, deck), *m_dialogs,
                         this);
    m_dialogs->runModal(dialog);
    const ServePreferences chosen = dialog.preferences();
    m_serve->preferences() = chosen;
    chosen.save();
}
