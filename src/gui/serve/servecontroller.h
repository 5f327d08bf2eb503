#pragma once

#include "serve/documentsnapshots.h"
#include "serve/phoneserver.h"
#include "serve/servepreferences.h"

#include <QObject>
#include <QTimer>
#include <functional>

// Serve to Phone in the editor: the phone server for the active page's
// folder, fed with the open documents as the editor holds them. The main
// window tells it when documents change; it copies their text for the
// server's thread at most once per pass of the event loop.
class ServeController : public QObject
{
    Q_OBJECT

public:
    struct Document
    {
        QString path;
        OpenDocument content;
    };
    using DocumentList = std::function<QList<Document>()>;

    explicit ServeController(DocumentList documents, QObject *parent = nullptr);
    ~ServeController() override;

    // Starts serving folder; deckName is the page whose address is shown.
    // Throws TarnelError when the server cannot start.
    void start(const QString &folder, const QString &deckName);
    void stop();
    bool isRunning() const { return m_server.isRunning(); }

    PhoneServer &server() { return m_server; }
    const QString &deckName() const { return m_deckName; }
    ServePreferences &preferences() { return m_preferences; }
    // The addresses of the deck to type into a phone or a gateway.
    QStringList deckAddresses() const;

public slots:
    // Some open document changed (text, path, encoding, opened or closed).
    void documentsChanged();

signals:
    void runningChanged(bool running);

private:
    void copyDocuments();

    DocumentList m_documents;
    DocumentSnapshots m_snapshots;
    PhoneServer m_server;
    ServePreferences m_preferences;
    QString m_deckName;
    QTimer m_copyLater;
};
