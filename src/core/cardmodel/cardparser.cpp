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

QStringList attributeItems(const QString &token, const QString &opener)
{
    QString text = token;
    text.remove(text.indexOf(opener), opener.size());
    const int bracket = text.indexOf(QLatin1Char('>'));
    if (bracket >= 0)
        text.remove(bracket, 1);
    return Words::split(ElementRecord::SplitAttributes(text), u"^");
}

void fillSlots(ParseState &state, const QStringList &items, std::initializer_list<const char *> keys)
{
    int index = 1;
    for (const char *key : keys)
        state.slot[index++] = ElementRecord::FindAttribute(items, QLatin1String(key));
}

QString joined(std::initializer_list<QString> fields)
{
    QString record;
    for (const QString &field : fields) {
        if (!record.isNull())
            record += QLatin1Char('^');
        record += field;
    }
    return record;
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
        const auto has = [&token](const char *text) { return token.contains(QLatin1String(text)); };
        ParseState &s = m_state;
        if (!token.contains(QLatin1Char('<'))) {
            // Text: inside a link or an option it belongs to that element,
            // even when both stand in a paragraph as WML wants them to.
            if (s.inLink)
                emitElement("LINK", QLatin1Char('"') + s.href + QStringLiteral("\"^") + token);
            else if (s.inOption)
                emitElement("SELECT", joined({token, s.slot[1], s.slot[2], s.slot[3], s.slot[4], s.slot[5]}));
            else if (s.inParagraph)
                emitElement("PARAGRAPH", joined({s.slot[1], s.slot[2], s.slot[3], s.slot[4], token}));
            else
                emitElement("UNKNOWN", token);
            return;
        }
        if (has("<p ") || has("<p>")) {
            s.inParagraph = true;
            fillSlots(s, attributeItems(token, QStringLiteral("<p")), {"ID=\"", "CLASS=\"", "ALIGN=\"", "MODE=\""});
        } else if (has("</p>")) {
            s.inParagraph = false;
        } else if (has("<!--")) {
            emitElement("UNKNOWN", QStringLiteral("0^") + token);
        } else if (has("<a ")) {
            s.inLink = true;
            s.href = ElementRecord::FindAttribute(attributeItems(token, QStringLiteral("<a ")),
                                                  QStringLiteral("HREF=\""));
        } else if (has("</a>")) {
            s.inLink = false;
        } else if (has("<img ")) {
            const QStringList items = attributeItems(token, QStringLiteral("<img "));
            s.src = ElementRecord::FindAttribute(items, QStringLiteral("SRC=\""));
            s.alt = ElementRecord::FindAttribute(items, QStringLiteral("ALT=\""));
            emitElement("IMAGE", joined({s.src, s.alt}));
        } else if (has("<do")) {
            s.inDo = true;
            fillSlots(s, attributeItems(token, QStringLiteral("<do")),
                      {"ID=\"", "CLASS=\"", "TYPE=\"", "LABEL=\"", "NAME=\"", "OPTIONAL=\""});
        } else if (has("</do>")) {
            s.inDo = false;
        } else if (has("<option")) {
            s.inOption = true;
            fillSlots(s, attributeItems(token, QStringLiteral("<option")),
                      {"ID=\"", "CLASS=\"", "VALUE=\"", "TITLE=\"", "ONPICK=\""});
        } else if (has("</option>")) {
            s.inOption = false;
        } else if (has("<go") && s.inDo) {
            s.href = ElementRecord::FindAttribute(attributeItems(token, QStringLiteral("<go")),
                                                  QStringLiteral("HREF=\""));
            emitButton(s.href);
        } else if (has("<prev/") && s.inDo) {
            emitButton(QStringLiteral("<prev/>"));
        } else if (has("<postfield")) {
            fillSlots(s, attributeItems(token, QStringLiteral("<postfield")),
                      {"ID=\"", "CLASS=\"", "NAME=\"", "VALUE=\""});
            emitElement("POSTFIELD", joined({s.slot[1], s.slot[2], s.slot[3], s.slot[4]}));
        } else {
            emitElement("UNKNOWN", token);
        }
    }

    void finish() { m_model.LayoutCard(m_number); }

private:
    void emitButton(const QString &target)
    {
        const ParseState &s = m_state;
        emitElement("BUTTON", joined({target, s.slot[1], s.slot[2], s.slot[3], s.slot[4], s.slot[5], s.slot[6]}));
    }

    void emitElement(const char *kind, const QString &record)
    {
        m_model.CreateElement(QLatin1String(kind), m_number, record, m_area);
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
