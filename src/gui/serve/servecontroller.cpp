#include "servecontroller.h"

#include "serve/serveaddresses.h"

ServeController::ServeController(DocumentList documents, QObject *parent)
    : QObject(parent)
    , m_documents(std::move(documents))
    , m_preferences(ServePreferences::load())
{
    m_server.setDocumentSource(m_snapshots.source());
    m_copyLater.setSingleShot(true);
    m_copyLater.setInterval(0);
    connect(&m_copyLater, &QTimer::timeout, this, &ServeController::copyDocuments);
}

ServeController::~ServeController()
{
    // The server's thread reads the snapshots: it goes first.
    m_server.stop();
}

void ServeController::start(const QString &folder, const QString &deckName)
{
    copyDocuments();
    ServeSettings settings;
    settings.folder = folder;
    settings.listenAddress = m_preferences.listenAddress();
    settings.port = m_preferences.port;
    m_server.start(settings);
    m_deckName = deckName;
    emit runningChanged(true);
}

void ServeController::stop()
{
    if (!m_server.isRunning())
        return;
    m_server.stop();
    emit runningChanged(false);
}

QStringList ServeController::deckAddresses() const
{
    QStringList addresses;
    if (!m_server.isRunning())
        return addresses;
    for (const QString &host : ServeAddresses::hosts(m_server.settings().listenAddress))
        addresses << ServeAddresses::url(host, m_server.port(), m_deckName);
    return addresses;
}

void ServeController::documentsChanged()
{
    if (m_server.isRunning() && !m_copyLater.isActive())
        m_copyLater.start();
}

void ServeController::copyDocuments()
{
    QList<std::pair<QString, OpenDocument>> documents;
    if (m_documents) {
        for (const Document &document : m_documents()) {
            if (!document.path.isEmpty())
                documents.append({document.path, document.content});
        }
    }
    m_snapshots.replaceAll(documents);
}
