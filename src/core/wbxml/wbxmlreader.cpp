#include "wbxmlreader.h"

#include "wmltokens.h"

#include "wml/wmlvariables.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringList>
#include <QXmlStreamReader>

namespace WbxmlReader {

namespace {

constexpr int maxDepth = 256;

QString tr(const char *text)
{
    return QCoreApplication::translate("WbxmlReader", text);
}

struct Broken
{
    QString reason;
};

// XML 1.0 has no way to write most control characters, even as a
// reference: they show as U+FFFD, as bytes that are no text do.
QString xmlCharacters(QString text)
{
    for (QChar &c : text) {
        const char16_t unit = c.unicode();
        if ((unit < 0x20 && unit != '\t' && unit != '\n' && unit != '\r') || unit == 0xFFFE || unit == 0xFFFF)
            c = QChar::ReplacementCharacter;
    }
    return text;
}

bool isPublicId(const QString &id)
{
    static const QString punctuation = QStringLiteral(" \r\n-'()+,./:=?;!*#@$_%");
    for (const QChar c : id) {
        if (!(c.unicode() < 0x80 && (c.isLetterOrNumber() || punctuation.contains(c))))
            return false;
    }
    return true;
}

// Whether name can stand as an element or attribute name: the XML reader
// the program reads pages with is asked, so a name the writer took from a
// page reads back, and one it would refuse is refused here too.
bool isXmlName(const QString &name, bool attribute)
{
    if (name.isEmpty() || name.size() > 1024)
        return false;
    static thread_local QHash<QString, bool> known;
    const QString key = (attribute ? QLatin1Char('@') : QLatin1Char('<')) + name;
    const auto found = known.constFind(key);
    if (found != known.constEnd())
        return *found;
    QXmlStreamReader reader(attribute ? QStringLiteral("<a ") + name + QStringLiteral("=\"\"/>")
                                      : QLatin1Char('<') + name + QStringLiteral("/>"));
    reader.setNamespaceProcessing(false);
    while (!reader.atEnd())
        reader.readNext();
    const bool valid = !reader.hasError();
    if (known.size() < 4096)
        known.insert(key, valid);
    return valid;
}

QString xmlEscaped(QString text, bool attribute)
{
    text = xmlCharacters(text);
    text.replace(QLatin1Char('&'), QLatin1String("&amp;"));
    text.replace(QLatin1Char('<'), QLatin1String("&lt;"));
    text.replace(QLatin1Char('>'), QLatin1String("&gt;"));
    if (attribute)
        text.replace(QLatin1Char('"'), QLatin1String("&quot;"));
    return text;
}

// A "$" in decoded text is a literal dollar: WML writes it "$$".
QString dollarsDoubled(QString text)
{
    return text.replace(QLatin1Char('$'), QLatin1String("$$"));
}

class Decoder
{
public:
    explicit Decoder(const QByteArray &bytes) : m_bytes(bytes) {}

    QString decode()
    {
        const unsigned char version = next();
        Q_UNUSED(version);
        const quint32 id = multiByte();
        // Public identifier 0: a string table index follows.
        const quint32 idIndex = id == 0 ? multiByte() : 0;
        const quint32 charset = multiByte();
        if (charset != 106 && charset != 3 && charset != 4 && charset != 0)
            throw Broken{tr("The deck uses a character set Tarnel cannot read (MIBenum %1)").arg(charset)};
        m_latin1 = charset == 4;
        const quint32 tableLength = multiByte();
        if (tableLength > quint32(m_bytes.size() - m_at))
            throw Broken{tr("The string table runs past the end of the file")};
        m_table = m_bytes.mid(m_at, qsizetype(tableLength));
        m_at += qsizetype(tableLength);
        QString publicId = id == 0 ? tableString(idIndex) : publicIdName(id);
        if (!isPublicId(publicId))
            publicId.clear(); // an identifier XML cannot hold is as good as none
        while (m_at < m_bytes.size() && peek() == WmlTokens::Pi)
            skipProcessingInstruction();
        if (m_at >= m_bytes.size())
            throw Broken{tr("The deck has no root element")};
        QString out = QStringLiteral("<?xml version=\"1.0\"?>\n");
        if (!publicId.isEmpty())
            out += QStringLiteral("<!DOCTYPE wml PUBLIC \"%1\" \"http://www.wapforum.org/DTD/%2.dtd\">\n")
                       .arg(publicId, systemName(publicId));
        element(out, 0);
        return out;
    }

private:
    unsigned char peek() const { return static_cast<unsigned char>(m_bytes[m_at]); }

    unsigned char next()
    {
        if (m_at >= m_bytes.size())
            throw Broken{tr("The deck ends in the middle of an element")};
        return static_cast<unsigned char>(m_bytes[m_at++]);
    }

    quint32 multiByte()
    {
        quint32 value = 0;
        for (int i = 0; i < 5; ++i) {
            const unsigned char part = next();
            value = (value << 7) | (part & 0x7F);
            if (!(part & 0x80))
                return value;
        }
        throw Broken{tr("A number in the deck is longer than WBXML allows")};
    }

    QString decodeText(const QByteArray &bytes) const
    {
        return m_latin1 ? QString::fromLatin1(bytes) : QString::fromUtf8(bytes);
    }

    QString inlineString()
    {
        const qsizetype end = m_bytes.indexOf('\0', m_at);
        if (end < 0)
            throw Broken{tr("A string in the deck has no end")};
        const QString text = decodeText(m_bytes.mid(m_at, end - m_at));
        m_at = end + 1;
        return text;
    }

    QString tableString(quint32 offset) const
    {
        if (offset >= quint32(m_table.size()))
            throw Broken{tr("A reference points outside the string table")};
        qsizetype end = m_table.indexOf('\0', qsizetype(offset));
        if (end < 0)
            end = m_table.size();
        return decodeText(m_table.mid(qsizetype(offset), end - qsizetype(offset)));
    }

    static QString publicIdName(quint32 id)
    {
        switch (id) {
        case 0x04:
            return QStringLiteral("-//WAPFORUM//DTD WML 1.1//EN");
        case 0x09:
            return QStringLiteral("-//WAPFORUM//DTD WML 1.2//EN");
        case 0x0A:
            return QStringLiteral("-//WAPFORUM//DTD WML 1.3//EN");
        default:
            return QString();
        }
    }

    static QString systemName(const QString &publicId)
    {
        if (publicId.contains(QLatin1String("1.1")))
            return QStringLiteral("wml_1.1");
        if (publicId.contains(QLatin1String("1.2")))
            return QStringLiteral("wml12");
        return QStringLiteral("wml13");
    }

    void skipProcessingInstruction()
    {
        next(); // PI
        while (next() != WmlTokens::End) {
        }
    }

    // A variable reference as WML source; in an %HREF value escaping is the
    // default, elsewhere no conversion is.
    static QString variable(const QString &name, int kind, bool href)
    {
        if (!WmlVariables::isName(name))
            throw Broken{tr("The deck holds a variable whose name is not a WML name")};
        if (kind == 1)
            return QStringLiteral("$(%1:unesc)").arg(name);
        if (kind == 0)
            return href ? QStringLiteral("$(%1)").arg(name) : QStringLiteral("$(%1:escape)").arg(name);
        return href ? QStringLiteral("$(%1:noesc)").arg(name) : QStringLiteral("$(%1)").arg(name);
    }

    // Strings, entities, variables and opaque data; true when token was one.
    bool inlineData(unsigned char token, QString *out, bool attribute, bool href)
    {
        switch (token) {
        case WmlTokens::StrI:
            *out += xmlEscaped(dollarsDoubled(inlineString()), attribute);
            return true;
        case WmlTokens::StrT:
            *out += xmlEscaped(dollarsDoubled(tableString(multiByte())), attribute);
            return true;
        case WmlTokens::Entity: {
            const quint32 code = multiByte();
            const bool xmlCharacter = code == 0x09 || code == 0x0A || code == 0x0D || (code >= 0x20 && code <= 0xD7FF)
                                      || (code >= 0xE000 && code <= 0xFFFD) || (code >= 0x10000 && code <= 0x10FFFF);
            if (!xmlCharacter)
                throw Broken{tr("The deck holds a character that does not exist (%1)").arg(code)};
            *out += QStringLiteral("&#%1;").arg(code);
            return true;
        }
        case WmlTokens::ExtI0:
        case WmlTokens::ExtI1:
        case WmlTokens::ExtI2:
            *out += variable(inlineString(), token - WmlTokens::ExtI0, href);
            return true;
        case WmlTokens::ExtT0:
        case WmlTokens::ExtT1:
        case WmlTokens::ExtT2:
            *out += variable(tableString(multiByte()), token - WmlTokens::ExtT0, href);
            return true;
        case WmlTokens::Opaque: {
            const quint32 length = multiByte();
            if (length > quint32(m_bytes.size() - m_at))
                throw Broken{tr("Opaque data runs past the end of the file")};
            m_at += qsizetype(length);
            return true;
        }
        default:
            return false;
        }
    }

    void attributes(QString &out)
    {
        QStringList names;
        unsigned char token = next();
        while (token != WmlTokens::End) {
            QString name;
            QString value;
            if (token == WmlTokens::Literal) {
                name = tableString(multiByte());
                if (!isXmlName(name, true))
                    throw Broken{tr("The deck names an attribute with characters a name cannot hold")};
            } else if (const WmlTokens::AttributeStart *start = WmlTokens::attributeStart(token)) {
                name = QString(start->name);
                value = xmlEscaped(QString(start->prefix), true);
            } else if (token == WmlTokens::SwitchPage) {
                throw Broken{tr("The deck uses a code page WML does not have")};
            } else {
                throw Broken{tr("Unknown attribute token 0x%1").arg(token, 2, 16, QLatin1Char('0'))};
            }
            const bool href = name == QLatin1String("href") || name == QLatin1String("src")
                              || name.startsWith(QLatin1String("on"));
            for (token = next(); token >= 0x80 || inlineDataToken(token); token = next()) {
                if (inlineData(token, &value, true, href))
                    continue;
                if (const WmlTokens::AttributeValue *known = WmlTokens::attributeValue(token))
                    value += xmlEscaped(QString(known->text), true);
                else
                    throw Broken{tr("Unknown attribute value token 0x%1").arg(token, 2, 16, QLatin1Char('0'))};
            }
            if (names.contains(name))
                throw Broken{tr("An element gives the attribute %1 twice").arg(name)};
            names << name;
            out += QStringLiteral(" %1=\"%2\"").arg(name, value);
        }
    }

    static bool inlineDataToken(unsigned char token)
    {
        return token == WmlTokens::StrI || token == WmlTokens::Entity || token == WmlTokens::ExtI0
               || token == WmlTokens::ExtI1 || token == WmlTokens::ExtI2;
    }

    void element(QString &out, int depth)
    {
        if (depth > maxDepth)
            throw Broken{tr("The deck nests elements deeper than Tarnel reads")};
        const unsigned char token = next();
        QString name;
        const unsigned char kind = token & 0x3F;
        if (kind == WmlTokens::Literal) {
            name = tableString(multiByte());
            if (!isXmlName(name, false))
                throw Broken{tr("The deck names an element with characters a name cannot hold")};
        }
        else
            name = WmlTokens::tagName(token);
        if (name.isEmpty())
            throw Broken{tr("Unknown tag token 0x%1").arg(token, 2, 16, QLatin1Char('0'))};
        const QString indent(depth * 2, QLatin1Char(' '));
        out += indent + QLatin1Char('<') + name;
        if (token & WmlTokens::hasAttributes)
            attributes(out);
        if (!(token & WmlTokens::hasContent)) {
            out += QStringLiteral("/>\n");
            return;
        }
        out += QStringLiteral(">\n");
        // Strings, entities and variables next to each other are one run
        // of text: written on one line, nothing put between them.
        QString run;
        const auto flushRun = [&] {
            if (!run.isEmpty())
                out += indent + QStringLiteral("  ") + run + QLatin1Char('\n');
            run.clear();
        };
        for (;;) {
            if (m_at >= m_bytes.size())
                throw Broken{tr("The deck ends in the middle of an element")};
            const unsigned char child = peek();
            if (child == WmlTokens::End)
                break;
            if (child == WmlTokens::Pi) {
                skipProcessingInstruction();
                continue;
            }
            const qsizetype before = m_at;
            if (inlineData(next(), &run, false, false))
                continue;
            m_at = before;
            flushRun();
            element(out, depth + 1);
        }
        flushRun();
        next(); // END
        out += indent + QStringLiteral("</") + name + QStringLiteral(">\n");
    }

    const QByteArray &m_bytes;
    qsizetype m_at = 0;
    QByteArray m_table;
    bool m_latin1 = false;
};

} // namespace

Result decode(const QByteArray &bytes)
{
    Result result;
    try {
        result.text = Decoder(bytes).decode();
        result.ok = true;
    } catch (const Broken &broken) {
        result.error = broken.reason;
    }
    return result;
}

} // namespace WbxmlReader
