#pragma once

#include "opendocument.h"

#include <QByteArray>
#include <QString>

// What the phone server answers one request, worked out without any
// network: the status, the content type, the body (also for HEAD; the
// server leaves it out) and a note for the request log.
struct ServeReply
{
    int status = 200;
    QByteArray contentType;
    QByteArray body;
    // Why a request was refused or how it was answered ("compiled from
    // deck.wml", "as open in the editor"); empty for a plain file.
    QString note;
};

// The rules of serving one folder to phones:
// - only GET and HEAD (405 otherwise);
// - only files inside the folder (ServePath): 403 for anything leading
//   out, 403 for folders (no listings), 404 for what is not there and for
//   files of a type the server does not serve (ServeTypes);
// - .wml as text/vnd.wap.wml with the page's charset, or compiled to WMLC
//   when the Accept header lists WMLC but not WML;
// - .wmlc from the file when there is one, else compiled on the fly from
//   the .wml of the same name (500 when that deck is not well-formed);
// - an open document (DocumentSource) is served as the editor holds it;
// - a refusal is a line of plain text, or a one-card deck saying the
//   same when the Accept header names WML (a phone shows that).
class ServeResponder
{
public:
    // Files larger than this are refused (413): no deck or picture is.
    static constexpr qint64 maxFileBytes = 16 * 1024 * 1024;

    ServeResponder(const QString &folder, DocumentSource documents);

    ServeReply answer(const QByteArray &method, const QByteArray &target, const QByteArray &accept) const;

    const QString &folder() const { return m_folder; }

private:
    ServeReply plainAnswer(const QByteArray &method, const QByteArray &target, const QByteArray &accept) const;
    // The page's text and encoding: the open document, else the file.
    bool readPage(const QString &path, OpenDocument *page, bool *fromEditor) const;
    ServeReply wmlSource(const QString &path) const;
    ServeReply compiled(const QString &wmlPath) const;
    ServeReply plainFile(const QString &path, const QByteArray &type) const;

    QString m_folder;
    DocumentSource m_documents;
};
