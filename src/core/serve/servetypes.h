#pragma once

#include <QByteArray>
#include <QString>

// The content types the phone server sends, by file name extension, and
// how it reads a request's Accept header.
namespace ServeTypes {

inline constexpr char wml[] = "text/vnd.wap.wml";
inline constexpr char wmlc[] = "application/vnd.wap.wmlc";
inline constexpr char wmlScript[] = "text/vnd.wap.wmlscript";
inline constexpr char wmlScriptC[] = "application/vnd.wap.wmlscriptc";
inline constexpr char wbmp[] = "image/vnd.wap.wbmp";

// The type of a file with this extension ("wml", "WBMP", "png"), or an
// empty array when the server does not serve such files at all.
QByteArray forSuffix(const QString &suffix);

// True when the Accept header lists compiled WML but not WML source
// (neither by name nor through "text/*" or "*/*"): a phone that asks so
// gets the deck compiled. A type given "q=0" counts as not listed.
bool wantsCompiledWml(const QByteArray &accept);

} // namespace ServeTypes
