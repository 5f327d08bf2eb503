#pragma once

#include "deviceprofile.h"

#include "wbxml/wbxmlwriter.h"

#include <QList>
#include <QLocale>
#include <QString>

class WmlDocument;

// The compiled size of one deck against one phone's limit: what the size
// gauge of the status bar shows and its tool tip explains.
struct DeckSizeReport
{
    enum class Level { Unknown, Fits, Near, Over };

    // False when the deck could not be compiled (it is not well-formed).
    bool known = false;
    int bytes = 0;
    int limit = 0;
    QString device;
    int headerBytes = 0;
    QList<WbxmlWriter::Part> parts;

    // Compiles the deck as a gateway would for this phone.
    static DeckSizeReport measure(const WmlDocument &document, const DeviceProfile &device);

    // Fits up to 90 % of the limit, Near up to the limit, Over above it.
    Level level() const;
    // "1,204 / 1,397 B"; "? / 1,397 B" when the size is not known.
    QString text(const QLocale &locale) const;
    // The phone and the verdict, then the share of each card.
    QString toolTip(const QLocale &locale) const;
};
