#pragma once

#include "wml/wmldocument.h"

#include <QByteArray>

// Compiles a parsed WML deck to WBXML, as a WAP gateway does before the
// phone sees it (WAP-192; WML's tokens from WML 1.3, 14).
//
// The choices, each made for the smallest result a phone still reads the
// same way:
// - Header: the WBXML version that goes with the deck's WML version (1.1,
//   1.2, 1.3), the well-known public identifier, UTF-8 (MIBenum 106).
// - Every WML tag and attribute is a token; an attribute starts with the
//   token whose value prefix is longest (href="http://"), and the rest of
//   its value uses attribute value tokens (".com/", "http://www.") where a
//   token saves bytes after the string around it is cut in two.
// - Variables become EXT_I_0/1/2 (escaped, unescaped, unchanged) or
//   EXT_T_* from the string table; a variable without a conversion is
//   escaped in %HREF attributes and unchanged elsewhere, as a phone would
//   substitute it. "$$" becomes one "$".
// - White space outside <pre> runs together into one space, and white
//   space between elements where no text may stand is dropped.
// - String table: a string (or variable name) goes into the table when
//   writing it once there and referring to it each time costs fewer bytes
//   than writing it inline each time; unknown tag and attribute names
//   always go there, as LITERAL needs.
namespace WbxmlWriter {

// One element under <wml> (a card, the template, the head) and the bytes
// its tokens take in the compiled deck. Strings it refers to in the string
// table are counted with the table, not here.
struct Part
{
    QString element; // "card", "template", "head", ...
    QString id;      // the card's id; empty when it has none
    int bytes = 0;
};

struct Compiled
{
    QByteArray bytes;
    // The version, public identifier, character set and string table.
    int headerBytes = 0;
    QList<Part> parts;
};

QByteArray encode(const WmlDocument &document);
// encode(), with the share of each element under <wml>.
Compiled compile(const WmlDocument &document);

// The WBXML version byte and public identifier used for a WML version.
unsigned char wbxmlVersion(WmlVersion version);
unsigned char publicId(WmlVersion version);

} // namespace WbxmlWriter
