#pragma once

#include <QByteArray>
#include <QString>

// Reads a compiled WML deck (.wmlc) back into WML text, one element per
// line, indented. The bytes are untrusted: every length and index is
// checked, nesting is bounded, and a broken deck gives an error, never a
// crash.
namespace WbxmlReader {

struct Result
{
    bool ok = false;
    QString text;  // the deck as WML source
    QString error; // why it could not be read
};

Result decode(const QByteArray &bytes);

} // namespace WbxmlReader
