// The tasks of the phone engine, step by step as WML 1.3 section 12.5
// orders them: nothing of a task's effect reaches the browser context
// before its deck has been fetched and let in.
#include "browser.h"

#include "accesscontrol.h"
#include "browsertexts.h"
#include "deckdecoder.h"
#include "fetcher.h"
#include "relativeurl.h"
#include "variablesubstitution.h"
#include "wml/wmlvariables.h"

#include <QRegularExpression>
#include <QStringEncoder>

using VariableSubstitution::Context;
using VariableSubstitution::substitute;

namespace {

const WmlNode *findCard(const WmlNode &wml, const QString &fragment)
{
    const QList<const WmlNode *> cards = wml.elements(u"card");
    if (!fragment.isEmpty()) {
        for (const WmlNode *card : cards) {
            if (card->value(u"id") == fragment)
                return card;
        }
    }
    // No fragment, or one that names no card: the first card.
    return cards.isEmpty() ? nullptr : cards.first();
}

// The fields as application/x-www-form-urlencoded, names and values in
// charset (UTF-8 when Qt does not know it), URL-escaped.
QByteArray formData(const QList<QPair<QString, QString>> &fields, const QByteArray &charset)
{
    QStringEncoder encoder(charset.isEmpty() ? "UTF-8" : charset.constData());
    if (!encoder.isValid())
        encoder = QStringEncoder(QStringEncoder::Utf8);
    const auto escaped = [&encoder](const QString &text) {
        const QByteArray bytes = encoder.encode(text);
        return bytes.toPercentEncoding("!*'()");
    };
    QList<QByteArray> pairs;
    for (const auto &field : fields)
        pairs.append(escaped(field.first) + '=' + escaped(field.second));
    return pairs.join('&');
}

// The first character set of an accept-charset list that Qt can write, else
// the deck's own.
QByteArray postCharset(const QString &acceptCharset, const QByteArray &deckCharset)
{
    static const QRegularExpression separators(QStringLiteral("[,\\s]+"));
    for (const QString &name : acceptCharset.split(separators, Qt::SkipEmptyParts)) {
        if (name.compare(QLatin1String("unknown"), Qt::CaseInsensitive) != 0
            && QStringEncoder(name.toLatin1().constData()).isValid())
            return name.toLatin1();
    }
    return deckCharset.isEmpty() ? QByteArray("UTF-8") : deckCharset;
}

} // namespace

bool Browser::mayOpen(const QUrl &url) const
{
    const QString from = m_deckUrl.scheme().toLower();
    return url.scheme().toLower() != QLatin1String("file") || from.isEmpty() || from == QLatin1String("file");
}

bool Browser::runTask(const Task &task)
{
    if (++m_chain > maximumChain) {
        fail(BrowserTexts::tr("The deck keeps moving on by itself; stopped after %1 steps").arg(maximumChain));
        return false;
    }
    switch (task.kind) {
    case Task::Kind::Go:
        return runGo(task);
    case Task::Kind::Prev:
        return runPrev(task);
    case Task::Kind::Refresh:
        return runRefresh(task);
    case Task::Kind::Noop:
    case Task::Kind::None:
        break;
    }
    return true;
}

bool Browser::runEvent(const QString &type)
{
    if (!m_card)
        return false;
    const Task task = CardBindings::cardEvent(*m_card, deckTemplate(), type);
    return task.isActive() && runTask(task);
}

QList<QPair<QString, QString>> Browser::setvarsOf(const Task &task) const
{
    QList<QPair<QString, QString>> assignments;
    if (!task.element)
        return assignments;
    for (const WmlNode *setvar : task.element->elements(u"setvar")) {
        const QString name = substitute(setvar->value(u"name"), m_context);
        if (WmlVariables::isName(name))
            assignments.append({name, substitute(setvar->value(u"value"), m_context)});
    }
    return assignments;
}

void Browser::apply(const QList<QPair<QString, QString>> &assignments)
{
    for (const auto &assignment : assignments)
        m_context.setValue(assignment.first, assignment.second);
    markDirty();
}

void Browser::fail(const QString &message)
{
    m_overlay = Overlay::Error;
    m_error = message;
    markDirty();
}

void Browser::exitCard()
{
    m_timer.stop(m_context);
}

void Browser::enterCard()
{
    initialiseForms();
    if (m_card)
        m_timer.start(*m_card, m_context);
    markDirty();
}

Browser::Fetched Browser::fetchDeck(const QUrl &deckUrl, bool post, const QByteArray &body, bool noCache,
                                    const QUrl &referer)
{
    Fetched fetched;
    FetchRequest request;
    request.url = deckUrl;
    request.post = post;
    request.noCache = noCache;
    if (!referer.isEmpty())
        request.referer = RelativeUrl::between(deckUrl, referer);
    if (post) {
        request.body = body;
        request.contentType = "application/x-www-form-urlencoded";
    }
    const FetchResult result = m_fetcher.fetch(request);
    if (!result.ok) {
        fetched.error = result.error.isEmpty() ? BrowserTexts::tr("The deck cannot be fetched") : result.error;
        return fetched;
    }
    if (DeckDecoder::isWmlScript(deckUrl, result.contentType)) {
        fetched.error = BrowserTexts::tr("WMLScript is not supported");
        return fetched;
    }
    const DeckDecoder::Result decoded = DeckDecoder::decode(result.bytes, result.contentType, deckUrl);
    fetched.document = decoded.document;
    fetched.error = decoded.error;
    return fetched;
}

bool Browser::runGo(const Task &task)
{
    const QList<QPair<QString, QString>> assignments = setvarsOf(task);
    const QString href = substitute(task.href, m_context, Context::Href).trimmed();
    if (href.isEmpty()) {
        fail(BrowserTexts::tr("The link has no address"));
        return false;
    }
    const QUrl relative(href, QUrl::TolerantMode);
    const QUrl target = m_deckUrl.isEmpty() ? relative : m_deckUrl.resolved(relative);
    Navigation go;
    go.target = target;
    go.assignments = assignments;
    go.charset = postCharset(QString(), m_document ? m_document->actualEncoding() : QByteArray());
    if (task.element) {
        go.post = task.element->value(u"method") == QLatin1String("post");
        go.noCache = task.element->value(u"cache-control") == QLatin1String("no-cache");
        if (task.element->value(u"sendreferer") == QLatin1String("true"))
            go.referer = m_deckUrl;
        go.charset = postCharset(task.element->value(u"accept-charset"), go.charset);
        for (const WmlNode *field : task.element->elements(u"postfield"))
            go.postfields.append({substitute(field->value(u"name"), m_context),
                                  substitute(field->value(u"value"), m_context)});
    }
    return navigate(go);
}

bool Browser::navigate(Navigation go)
{
    QUrl deckUrl = go.target.adjusted(QUrl::RemoveFragment);
    const QString fragment = go.target.fragment(QUrl::FullyDecoded);
    if (DeckDecoder::isWmlScript(deckUrl)) {
        fail(BrowserTexts::tr("WMLScript is not supported"));
        return false;
    }
    if (!mayOpen(deckUrl)) {
        fail(BrowserTexts::tr("A deck from the network cannot open files of this computer"));
        return false;
    }
    std::shared_ptr<const WmlDocument> document = m_document;
    QByteArray body;
    const bool sameDeck = m_document && deckUrl == m_deckUrl && !go.noCache;
    if (sameDeck) {
        go.postfields.clear(); // a card of this deck: postfields are ignored
    } else {
        const QByteArray data = formData(go.postfields, go.charset);
        if (go.post) {
            body = data;
        } else if (!go.postfields.isEmpty()) {
            const QString query = deckUrl.query(QUrl::FullyEncoded);
            deckUrl.setQuery((query.isEmpty() ? QString() : query + QLatin1Char('&')) + QString::fromLatin1(data),
                             QUrl::StrictMode);
        }
        const Fetched fetched = fetchDeck(deckUrl, go.post, body, go.noCache, go.referer);
        if (!fetched.document) {
            fail(fetched.error);
            return false;
        }
        if (m_document
            && !AccessControl::allows(AccessControl::accessElement(*fetched.document->root()), deckUrl, m_deckUrl)) {
            fail(BrowserTexts::tr("Access denied: %1 does not let this deck in").arg(deckUrl.toString()));
            return false;
        }
        document = fetched.document;
    }
    const WmlNode *card = findCard(*document->root(), fragment);
    if (!card) {
        fail(BrowserTexts::tr("The deck has no card"));
        return false;
    }
    exitCard();
    apply(go.assignments);
    if (card->value(u"newcontext") == QLatin1String("true"))
        m_context.reset();
    HistoryEntry entry;
    entry.url = deckUrl;
    if (!fragment.isEmpty())
        entry.url.setFragment(fragment);
    entry.post = go.post && !sameDeck;
    entry.postfields = entry.post ? go.postfields : QList<QPair<QString, QString>>();
    entry.body = body;
    m_context.push(entry);
    setCard(document, deckUrl, card);
    const Task event = CardBindings::cardEvent(*card, deckTemplate(), QStringLiteral("onenterforward"));
    if (event.isActive() && runTask(event))
        return true;
    enterCard();
    return true;
}

bool Browser::runPrev(const Task &task)
{
    const QList<QPair<QString, QString>> assignments = setvarsOf(task);
    const QList<HistoryEntry> &history = m_context.history();
    if (history.size() < 2)
        return true; // nowhere to go back to: processing stops
    const HistoryEntry target = history[history.size() - 2];
    const QUrl deckUrl = target.url.adjusted(QUrl::RemoveFragment);
    std::shared_ptr<const WmlDocument> document = m_document;
    if (!m_document || deckUrl != m_deckUrl) {
        const Fetched fetched = fetchDeck(deckUrl, target.post, target.body, false, QUrl());
        if (!fetched.document) {
            fail(fetched.error);
            return false;
        }
        document = fetched.document;
    }
    const WmlNode *card = findCard(*document->root(), target.url.fragment(QUrl::FullyDecoded));
    if (!card) {
        fail(BrowserTexts::tr("The deck has no card"));
        return false;
    }
    m_context.pop();
    exitCard();
    apply(assignments);
    setCard(document, deckUrl, card);
    const Task event = CardBindings::cardEvent(*card, deckTemplate(), QStringLiteral("onenterbackward"));
    if (event.isActive() && runTask(event))
        return true;
    enterCard();
    return true;
}

bool Browser::runRefresh(const Task &task)
{
    if (!m_card)
        return false;
    const QList<QPair<QString, QString>> assignments = setvarsOf(task);
    exitCard();
    apply(assignments);
    enterCard();
    return true;
}
