#pragma once

#include "screen.h"
#include "selectlist.h"

#include <QHash>
#include <QSize>
#include <functional>

class BrowserContext;
struct DeviceProfile;
struct WmlNode;

// Lays a card out for a phone's screen: paragraphs with their alignment
// and wrap mode, br, pre, emphasis, tables by columns, links, input and
// select fields, and pictures at their size (or their alt text when they
// cannot be read). Variables are filled in from the context; select fields
// show the options chosen in selects. The soft keys and lists are the
// Browser's; Layout fills in title, lines and items.
class Layout
{
public:
    struct Input
    {
        const WmlNode *card = nullptr;
        const BrowserContext *context = nullptr;
        const QHash<const WmlNode *, SelectList> *selects = nullptr;
        // The size of the picture at src (as written in the deck, variables
        // filled in); an empty size when it cannot be read.
        std::function<QSize(const QString &src)> pictureSize;
    };

    static Screen layOut(const Input &input, const DeviceProfile &profile);
    // What an input field shows: its value (asterisks for a password) and
    // the cursor, filled out with "_" to its size.
    static QString inputText(const WmlNode &input, const BrowserContext &context);
};
