#include "xmldeclaration.h"

#include <QRegularExpression>

namespace XmlDeclaration {

namespace {

// A declaration ends within its first line in practice; the limit keeps a
// page without "?>" from being searched whole.
constexpr qsizetype declarationLimit = 400;

const QRegularExpression &encodingPattern()
{
    static const QRegularExpression pattern(QStringLiteral(R"(\sencoding\s*=\s*(["'])([^"'<>?]*)\1)"));
    return pattern;
}

// The declaration's text up to (not including) "?>"; empty when there is none.
QStringView declaration(QStringView text)
{
    if (!text.startsWith(QLatin1String("<?xml")) || text.size() < 6 || !text[5].isSpace())
        return QStringView();
    const qsizetype end = text.left(declarationLimit).indexOf(QLatin1String("?>"));
    return end < 0 ? QStringView() : text.left(end);
}

} // namespace

QByteArray declaredEncoding(const QByteArray &bytes)
{
    const QString head = QString::fromLatin1(bytes.left(declarationLimit));
    const QStringView decl = declaration(head);
    if (decl.isEmpty())
        return QByteArray();
    const QRegularExpressionMatch match = encodingPattern().match(decl);
    return match.hasMatch() ? match.captured(2).trimmed().toLatin1() : QByteArray();
}

std::optional<TextEdit> encodingEdit(const QString &text, const QByteArray &encoding)
{
    const QStringView decl = declaration(text);
    if (decl.isEmpty())
        return std::nullopt;
    const QString name = QString::fromLatin1(encoding);
    const QRegularExpressionMatch match = encodingPattern().match(decl);
    if (match.hasMatch()) {
        if (match.captured(2).trimmed().compare(name, Qt::CaseInsensitive) == 0)
            return std::nullopt;
        return TextEdit{match.capturedStart(2), match.capturedLength(2), name};
    }
    // XML wants the encoding right after the version.
    static const QRegularExpression version(QStringLiteral(R"(\sversion\s*=\s*(["'])[^"']*\1)"));
    const QRegularExpressionMatch versionMatch = version.match(decl);
    qsizetype at = versionMatch.hasMatch() ? versionMatch.capturedEnd(0) : decl.size();
    while (!versionMatch.hasMatch() && at > 0 && decl[at - 1].isSpace())
        --at;
    return TextEdit{at, 0, QStringLiteral(" encoding=\"%1\"").arg(name)};
}

} // namespace XmlDeclaration
