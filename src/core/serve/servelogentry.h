#pragma once

#include <QDateTime>
#include <QMetaType>
#include <QString>

// One line of the phone server's request log: what a developer needs to
// see what an old phone asked for and what it got. A refusal the server
// library makes on its own (a request over the size limits, a connection
// over the limit) is logged with status 0 when no status was sent, and its
// reason in note.
struct ServeLogEntry
{
    QDateTime time;
    QString client;  // "192.168.1.20"
    QString method;  // "GET"
    QString path;    // the request target as sent
    int status = 0;
    qint64 bytes = 0; // body bytes sent
    QString userAgent;
    QString accept;
    QString note;    // why refused, or how answered ("compiled from deck.wml")
};

Q_DECLARE_METATYPE(ServeLogEntry)
