#include "cardparser.h"

#include "cardmodel.h"
#include "cardtokenizer.h"
#include "elementrecord.h"

#include "common/words.h"
#include "editor/textsearch.h"

namespace CardParser {

namespace {

// The attribute slots and flags one card's tokens share: a record takes
// whatever the slots hold when it is made.
struct ParseState
{
    QString slot[7]; // slot[1] to slot[6]
    QString href;
    QString src;
    QString alt;
    bool inParagraph = false;
    bool inLink = false;
    bool inDo = false;
    bool inOption = false;
};

// The items of a tag token: the token without its first opener and then
// without its first ">".
QStringList attributeItems(const QString &token, const QString &opener)
{
    QString text = token;
    text.remove(text.indexOf(opener), opener.size());
    const int bracket = text.indexOf(QLatin1Char('>'));
    if (bracket >= 0)
        text.remove(bracket, 1);
    return ElementRecord::attributeItems(text);
}

void fillSlots(ParseState &state, const QStringList &items, std::initializer_list<const char *> keys)
{
    int index = 1;
    for (const char *key : keys)
        state.slot[index++] = ElementRecord::FindAttribute(items, QLatin1String(key));
}

QString joined(std::initializer_list<QString> fields)
{
    qsizetype length = qsizetype(fields.size());
    for (const QString &field : fields)
        length += field.size();
    QString record;
    record.reserve(length);
    bool first = true;
    for (const QString &field : fields) {
        if (!first)
            record += QLatin1Char('^');
        record += field;
        first = false;
    }
    return record;
}

// The tag openers the parser looks for, and which of them a token holds.
// Every opener starts with "<", so only the token's "<" are looked at.
enum Opener : unsigned {
    ParagraphSpace = 1u << 0, // "<p "
    ParagraphEnd = 1u << 1,   // "<p>"
    ParagraphClose = 1u << 2, // "</p>"
    Comment = 1u << 3,        // "<!--"
    LinkOpen = 1u << 4,       // "<a "
    LinkClose = 1u << 5,      // "</a>"
    Image = 1u << 6,          // "<img "
    DoOpen = 1u << 7,         // "<do"
    DoClose = 1u << 8,        // "</do>"
    OptionOpen = 1u << 9,     // "<option"
    OptionClose = 1u << 10,   // "</option>"
    Go = 1u << 11,            // "<go"
    Prev = 1u << 12,          // "<prev/"
    Postfield = 1u << 13,     // "<postfield"
};

unsigned openersIn(QStringView token)
{
    static const struct
    {
        QLatin1String text;
        Opener opener;
    } openers[] = {
        {QLatin1String("<p "), ParagraphSpace}, {QLatin1String("<p>"), ParagraphEnd},
        {QLatin1String("</p>"), ParagraphClose}, {QLatin1String("<!--"), Comment},
        {QLatin1String("<a "), LinkOpen},        {QLatin1String("</a>"), LinkClose},
        {QLatin1String("<img "), Image},         {QLatin1String("<do"), DoOpen},
        {QLatin1String("</do>"), DoClose},       {QLatin1String("<option"), OptionOpen},
        {QLatin1String("</option>"), OptionClose}, {QLatin1String("<go"), Go},
        {QLatin1String("<prev/"), Prev},         {QLatin1String("<postfield"), Postfield},
    };
    unsigned found = 0;
    for (qsizetype at = token.indexOf(QLatin1Char('<')); at >= 0; at = token.indexOf(QLatin1Char('<'), at + 1)) {
        const QStringView rest = token.mid(at);
        for (const auto &entry : openers) {
            if (rest.startsWith(entry.text))
                found |= entry.opener;
        }
    }
    return found;
}

class BodyParser
{
public:
    BodyParser(CardModel &model, int cardNumber)
        : m_model(model), m_number(QString::number(cardNumber)),
          m_area(model.FindCardControl(QStringLiteral("oCard") + m_number))
    {
    }

    void parse(const QString &token)
    {
        if (token.isEmpty())
            return;
        ParseState &s = m_state;
        if (!token.contains(QLatin1Char('<'))) {
            // Text: inside a link or an option it belongs to that element,
            // even when both stand in a paragraph as WML wants them to.
            if (s.inLink)
                emitElement(ElementKind::Link, QLatin1Char('"') + s.href + QStringLiteral("\"^") + token);
            else if (s.inOption)
                emitElement(ElementKind::Select, joined({token, s.slot[1], s.slot[2], s.slot[3], s.slot[4], s.slot[5]}));
            else if (s.inParagraph)
                emitElement(ElementKind::Paragraph, joined({s.slot[1], s.slot[2], s.slot[3], s.slot[4], token}));
            else
                emitElement(ElementKind::Unknown, token);
            return;
        }
        const unsigned openers = openersIn(token);
        const auto has = [openers](unsigned opener) { return (openers & opener) != 0; };
        if (has(ParagraphSpace | ParagraphEnd)) {
            s.inParagraph = true;
            fillSlots(s, attributeItems(token, QStringLiteral("<p")), {"ID=\"", "CLASS=\"", "ALIGN=\"", "MODE=\""});
        } else if (has(ParagraphClose)) {
            s.inParagraph = false;
        } else if (has(Comment)) {
            emitElement(ElementKind::Unknown, QStringLiteral("0^") + token);
        } else if (has(LinkOpen)) {
            s.inLink = true;
            s.href = ElementRecord::FindAttribute(attributeItems(token, QStringLiteral("<a ")),
                                                  QStringLiteral("HREF=\""));
        } else if (has(LinkClose)) {
            s.inLink = false;
        } else if (has(Image)) {
            const QStringList items = attributeItems(token, QStringLiteral("<img "));
            s.src = ElementRecord::FindAttribute(items, QStringLiteral("SRC=\""));
            s.alt = ElementRecord::FindAttribute(items, QStringLiteral("ALT=\""));
            emitElement(ElementKind::Image, joined({s.src, s.alt}));
        } else if (has(DoOpen)) {
            s.inDo = true;
            fillSlots(s, attributeItems(token, QStringLiteral("<do")),
                      {"ID=\"", "CLASS=\"", "TYPE=\"", "LABEL=\"", "NAME=\"", "OPTIONAL=\""});
        } else if (has(DoClose)) {
            s.inDo = false;
        } else if (has(OptionOpen)) {
            s.inOption = true;
            fillSlots(s, attributeItems(token, QStringLiteral("<option")),
                      {"ID=\"", "CLASS=\"", "VALUE=\"", "TITLE=\"", "ONPICK=\""});
        } else if (has(OptionClose)) {
            s.inOption = false;
        } else if (has(Go) && s.inDo) {
            s.href = ElementRecord::FindAttribute(attributeItems(token, QStringLiteral("<go")),
                                                  QStringLiteral("HREF=\""));
            emitButton(s.href);
        } else if (has(Prev) && s.inDo) {
            emitButton(QStringLiteral("<prev/>"));
        } else if (has(Postfield)) {
            fillSlots(s, attributeItems(token, QStringLiteral("<postfield")),
                      {"ID=\"", "CLASS=\"", "NAME=\"", "VALUE=\""});
            emitElement(ElementKind::Postfield, joined({s.slot[1], s.slot[2], s.slot[3], s.slot[4]}));
        } else {
            emitElement(ElementKind::Unknown, token);
        }
    }

    void finish() { m_model.LayoutCard(m_number); }

private:
    void emitButton(const QString &target)
    {
        const ParseState &s = m_state;
        emitElement(ElementKind::Button, joined({target, s.slot[1], s.slot[2], s.slot[3], s.slot[4], s.slot[5], s.slot[6]}));
    }

    void emitElement(ElementKind kind, const QString &record)
    {
        m_model.CreateElement(kind, m_number, record, m_area);
    }

    CardModel &m_model;
    const QString m_number;
    CardPage *m_area;
    ParseState m_state;
};

} // namespace

void ParseCardBody(CardModel &model, const QString &body, int cardNumber)
{
    BodyParser parser(model, cardNumber);
    for (const QString &token : CardTokenizer::tokens(body))
        parser.parse(token);
    parser.finish();
}

void SplitCards(CardModel &model, const QString &source)
{
    model.clear();
    // One upper-cased copy serves every case-blind search.
    const QString upper = TextSearch::upperCased(source);
    const QString cardOpener = QStringLiteral("<CARD");
    const QString cardCloser = QStringLiteral("</CARD>");
    int cardNumber = 0;
    qsizetype from = 0;
    for (;;) {
        const qsizetype match = upper.indexOf(cardOpener, from);
        if (match < 0)
            break;
        ++cardNumber;
        const qsizetype afterOpener = match + cardOpener.size();
        qsizetype tagEnd = source.indexOf(QLatin1Char('>'), afterOpener);
        if (tagEnd < 0)
            tagEnd = source.size();
        QString id = ElementRecord::none();
        QString cssClass = ElementRecord::none();
        QString title = ElementRecord::none();
        if (tagEnd > afterOpener) {
            const QStringList items = Words::split(
                ElementRecord::SplitAttributes(source.mid(afterOpener, tagEnd - afterOpener)), u"^");
            id = ElementRecord::FindAttribute(items, QStringLiteral("ID=\""));
            cssClass = ElementRecord::FindAttribute(items, QStringLiteral("CLASS=\""));
            title = ElementRecord::FindAttribute(items, QStringLiteral("TITLE=\""));
        }
        model.CreateCardPage(cardNumber, id, cssClass, title);

        // The body skips the one character after ">", normally the line
        // break. A card left open runs to the next card or the end.
        const qsizetype bodyStart = qMin(tagEnd + 2, source.size());
        qsizetype bodyEnd = upper.indexOf(cardCloser, tagEnd);
        if (bodyEnd < 0) {
            bodyEnd = upper.indexOf(cardOpener, bodyStart);
            if (bodyEnd < 0)
                bodyEnd = source.size();
        }
        const QString body = bodyEnd > bodyStart ? source.mid(bodyStart, bodyEnd - bodyStart) : QString();
        ParseCardBody(model, Words::trimmed(body), cardNumber);
        from = bodyStart;
    }
}

} // namespace CardParser
