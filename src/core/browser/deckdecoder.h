#pragma once

#include "wml/wmldocument.h"

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <memory>

// Turns the bytes of a fetched deck into the WML document model: text in
// the character set the bytes and the server name, or a compiled deck
// (.wmlc, application/vnd.wap.wmlc) read back through the WBXML reader.
namespace DeckDecoder {

struct Result
{
    std::shared_ptr<const WmlDocument> document; // null on failure
    QString error;                               // why the deck cannot be shown
};

Result decode(const QByteArray &bytes, const QByteArray &contentType, const QUrl &url);

// Whether the address names a WMLScript file, which the engine does not run.
bool isWmlScript(const QUrl &url, const QByteArray &contentType = QByteArray());

} // namespace DeckDecoder
