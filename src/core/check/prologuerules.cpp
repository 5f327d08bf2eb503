#include "deckchecks.h"

#include "common/charset.h"

// The prologue (WML 1.3, 11.1): an XML declaration and the DOCTYPE of a
// WML version; and the declared character set against the one the bytes
// were read in (XML 1.0, 4.3.3).

namespace DeckChecks {

namespace {

QString doctypeFor(WmlVersion version)
{
    const char *system = version == WmlVersion::Wml11   ? "http://www.wapforum.org/DTD/wml_1.1.xml"
                         : version == WmlVersion::Wml12 ? "http://www.wapforum.org/DTD/wml12.dtd"
                                                        : "http://www.wapforum.org/DTD/wml13.dtd";
    return QStringLiteral("<!DOCTYPE wml PUBLIC \"-//WAPFORUM//DTD WML %1//EN\" \"%2\">")
        .arg(versionName(version), QLatin1StringView(system));
}

// The version a new prologue names: the one checked against, 1.3 when the
// deck names none.
WmlVersion prologueVersion(const CheckContext &context)
{
    if (context.document().versionDeclared() || context.version() != WmlVersion::Wml11)
        return context.version();
    return WmlVersion::Wml13;
}

bool isAscii(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() > 0x7F)
            return false;
    }
    return true;
}

} // namespace

void prologue(const CheckContext &context)
{
    const WmlDocument &document = context.document();
    const WmlVersion version = prologueVersion(context);
    const QString declaration = QStringLiteral("<?xml version=\"1.0\"?>");
    const QString doctype = doctypeFor(version);
    const QString id = QStringLiteral("wml-prologue");
    const SourceRange start = sourceRange(context, 0, 0);
    if (!document.hasXmlDeclaration() && !document.hasDoctype()) {
        context.warning(id, start, CheckContext::tr("The deck has no prologue: no XML declaration and no DOCTYPE"),
                        QuickFix{CheckContext::tr("Insert the WML %1 prologue").arg(versionName(version)),
                                 {TextEdit{0, 0, declaration + QLatin1Char('\n') + doctype + QLatin1Char('\n')}}});
        return;
    }
    if (!document.hasXmlDeclaration()) {
        context.warning(id, start, CheckContext::tr("The deck has no XML declaration (<?xml version=\"1.0\"?>)"),
                        QuickFix{CheckContext::tr("Insert the XML declaration"),
                                 {TextEdit{0, 0, declaration + QLatin1Char('\n')}}});
    }
    if (!document.hasDoctype()) {
        const int at = document.hasXmlDeclaration() ? document.xmlDeclarationRange().end.offset : 0;
        context.warning(id, sourceRange(context, at, at),
                        CheckContext::tr("The deck has no DOCTYPE, so nothing says which WML version it is written in"),
                        QuickFix{CheckContext::tr("Insert the WML %1 DOCTYPE").arg(versionName(version)),
                                 {TextEdit{at, at, QLatin1Char('\n') + doctype}}});
        return;
    }
    if (document.versionDeclared() && document.doctypeName() == QLatin1String("wml"))
        return;
    const SourceRange range = document.doctypeRange();
    const int from = std::max(range.start.offset,
                              int(document.text().indexOf(QLatin1String("<!DOCTYPE"), range.start.offset)));
    const SourceRange where = sourceRange(context, from, std::max(from, range.end.offset));
    context.warning(id, where,
                    document.doctypeName() != QLatin1String("wml")
                        ? CheckContext::tr("The DOCTYPE names \"%1\" as the root element, not wml").arg(document.doctypeName())
                    : document.publicId().isEmpty()
                        ? CheckContext::tr("The DOCTYPE has no public identifier, so it names no WML version")
                        : CheckContext::tr("The DOCTYPE names no WML version: \"%1\" is not a WML public identifier")
                              .arg(document.publicId()),
                    QuickFix{CheckContext::tr("Write the WML %1 DOCTYPE").arg(versionName(version)),
                             {TextEdit{where.start.offset, where.end.offset, doctype}}});
}

void encoding(const CheckContext &context)
{
    const WmlDocument &document = context.document();
    const QByteArray actualName = document.actualEncoding();
    if (actualName.isEmpty())
        return;
    const Charset actual = Charset::byName(actualName);
    const QString declaredName = document.declaredEncoding();
    const QString shownActual = QString::fromLatin1(actual.isValid() ? actual.name() : actualName);
    const QString id = QStringLiteral("wml-encoding");
    if (declaredName.isEmpty()) {
        // Without a declaration a deck is read as UTF-8 or UTF-16.
        if (!actual.isValid() || actual.isUtf8() || actual.isUtf16() || isAscii(document.text()))
            return;
        std::optional<QuickFix> fix;
        if (document.hasXmlDeclaration()) {
            const SourceRange range = document.xmlDeclarationRange();
            int at = int(document.text().lastIndexOf(QLatin1String("?>"), range.end.offset - 1));
            while (at > range.start.offset && document.text()[at - 1].isSpace())
                --at;
            if (at > range.start.offset) {
                fix = QuickFix{CheckContext::tr("Declare %1").arg(shownActual),
                               {TextEdit{at, at, QStringLiteral(" encoding=\"%1\"").arg(shownActual)}}};
            }
        }
        context.error(id, document.hasXmlDeclaration() ? document.xmlDeclarationRange() : sourceRange(context, 0, 0),
                      CheckContext::tr("The page is stored in %1 but declares no encoding, so it is read as UTF-8")
                          .arg(shownActual),
                      fix);
        return;
    }
    const Charset declared = Charset::byName(declaredName.toLatin1());
    if (declared.isValid() && actual.isValid()) {
        if (declared.name() == actual.name() || (declared.isUtf16() && actual.isUtf16()))
            return;
        // Both read ASCII alike: a page of ASCII alone reads the same in either.
        if (!declared.isUtf16() && !actual.isUtf16() && isAscii(document.text()))
            return;
    }
    const SourceRange range = document.xmlDeclarationRange();
    const int keyword = int(document.text().indexOf(QLatin1String("encoding"), range.start.offset));
    const int value = keyword < 0 ? -1 : int(document.text().indexOf(declaredName, keyword));
    const bool located = value >= 0 && value + declaredName.size() <= range.end.offset;
    const SourceRange where = located ? sourceRange(context, value, value + int(declaredName.size())) : range;
    std::optional<QuickFix> fix;
    if (located && actual.isValid()) {
        fix = QuickFix{CheckContext::tr("Declare %1").arg(shownActual),
                       {TextEdit{where.start.offset, where.end.offset, shownActual}}};
    }
    context.error(id, where,
                  declared.isValid()
                      ? CheckContext::tr("The XML declaration says %1, but the page is stored in %2")
                            .arg(declaredName, shownActual)
                      : CheckContext::tr("The encoding \"%1\" is not known; the page is stored in %2")
                            .arg(declaredName, shownActual),
                  fix);
}

} // namespace DeckChecks
