#pragma once

#include "wmlnode.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>
#include <vector>

// The versions of WML a deck can declare in its DOCTYPE.
enum class WmlVersion { Wml11, Wml12, Wml13 };

QString versionName(WmlVersion version); // "1.1", "1.2", "1.3"
bool parseVersionName(QStringView name, WmlVersion *version);

// A well-formedness error of the XML parser.
struct WmlParseError
{
    enum class Kind {
        Other,
        BareAmpersand,  // an "&" that starts no entity: range starts at it
        UnclosedElement // openElement is still open: its end tag belongs at closeAt
    };
    QString message;
    SourceRange range;
    Kind kind = Kind::Other;
    QString openElement;
    int closeAt = -1;
};

// One parse of a deck, read by the checker, the binary encoder and the
// phone engine alike. Built only from the text the editor holds, never
// from the network (the DTD is not fetched: WML's entities are known).
// Immutable once built, so one parse can be shared between threads.
class WmlDocument
{
public:
    struct Options
    {
        // The character set the page's bytes were read in ("UTF-8",
        // "windows-1250", ...); empty when the text did not come from bytes.
        QByteArray actualEncoding;
    };

    static std::shared_ptr<const WmlDocument> parse(const QString &text, const Options &options);
    static std::shared_ptr<const WmlDocument> parse(const QString &text) { return parse(text, Options()); }

    const QString &text() const { return m_text; }
    // The root element ("wml" in a deck), or null when the text has none.
    const WmlNode *root() const { return m_root.children.empty() ? nullptr : &m_root.children.front(); }

    // --- prologue
    bool hasXmlDeclaration() const { return m_hasXmlDeclaration; }
    SourceRange xmlDeclarationRange() const { return m_xmlDeclarationRange; }
    // The encoding the XML declaration names, as written; empty when none.
    QString declaredEncoding() const { return m_declaredEncoding; }
    QByteArray actualEncoding() const { return m_actualEncoding; }
    bool hasDoctype() const { return m_hasDoctype; }
    SourceRange doctypeRange() const { return m_doctypeRange; }
    QString doctypeName() const { return m_doctypeName; }
    QString publicId() const { return m_publicId; }
    QString systemId() const { return m_systemId; }
    // The version the public identifier names; 1.1 when it names none
    // (versionDeclared() tells which).
    WmlVersion version() const { return m_version; }
    bool versionDeclared() const { return m_versionDeclared; }

    // --- well-formedness: the parser stops at its first error, as XML
    // requires; the tree holds what came before it.
    const QList<WmlParseError> &errors() const { return m_errors; }
    bool isWellFormed() const { return m_errors.isEmpty(); }

    // The line and column of an offset into text().
    SourcePosition positionAt(int offset) const;

private:
    friend class WmlDocumentBuilder;
    WmlDocument() = default;

    QString m_text;
    std::vector<int> m_lineStarts;
    WmlNode m_root; // holds the root element as its only child
    bool m_hasXmlDeclaration = false;
    SourceRange m_xmlDeclarationRange;
    QString m_declaredEncoding;
    QByteArray m_actualEncoding;
    bool m_hasDoctype = false;
    SourceRange m_doctypeRange;
    QString m_doctypeName;
    QString m_publicId;
    QString m_systemId;
    WmlVersion m_version = WmlVersion::Wml11;
    bool m_versionDeclared = false;
    QList<WmlParseError> m_errors;
};
