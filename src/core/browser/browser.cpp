#include "browser.h"

#include "browsertexts.h"
#include "cardtext.h"
#include "fetcher.h"
#include "inputmask.h"
#include "layout.h"
#include "lineflow.h"
#include "preview/wbmpdecoder.h"
#include "textmetrics.h"
#include "variablesubstitution.h"

#include <QFileInfo>
#include <QImage>

#include <algorithm>

using VariableSubstitution::substitute;

namespace {

// The input and select elements of a card in document order.
void collectFields(const WmlNode &node, QList<const WmlNode *> *fields, int depth = 0)
{
    if (depth > CardText::maximumDepth)
        return;
    for (const WmlNode &child : node.children) {
        if (!child.isElement())
            continue;
        if (child.name == QLatin1String("input") || child.name == QLatin1String("select"))
            fields->append(&child);
        else
            collectFields(child, fields, depth + 1);
    }
}

} // namespace

Browser::Browser(Fetcher &fetcher, const DeviceProfile &profile)
    : m_fetcher(fetcher)
    , m_profile(profile)
{
}

bool Browser::load(const QString &address)
{
    // An address from outside the content starts a context of its own.
    m_timer = CardTimer();
    m_context.reset();
    m_document.reset();
    m_deckUrl = QUrl();
    m_card = nullptr;
    m_dos.clear();
    m_selects.clear();
    m_overlay = Overlay::None;
    m_error.clear();
    m_chain = 0;
    markDirty();

    QUrl url(address, QUrl::TolerantMode);
    if (url.scheme().size() <= 1) { // no scheme, or a drive letter: a file path
        QString path = address;
        QString fragment;
        const qsizetype hash = address.lastIndexOf(QLatin1Char('#'));
        if (hash > 0 && !QFileInfo::exists(address)) {
            path = address.left(hash);
            fragment = address.mid(hash + 1);
        }
        url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
        if (!fragment.isEmpty())
            url.setFragment(fragment);
    }
    if (!url.isValid()) {
        fail(BrowserTexts::tr("Not a valid address: %1").arg(address));
        return false;
    }
    Navigation go;
    go.target = url;
    return navigate(go) && m_card;
}

QUrl Browser::url() const
{
    QUrl url = m_deckUrl;
    if (!cardId().isEmpty())
        url.setFragment(cardId());
    return url;
}

QString Browser::cardId() const
{
    return m_card ? m_card->value(u"id") : QString();
}

const WmlNode *Browser::deckTemplate() const
{
    return m_document && m_document->root() ? CardBindings::templateOf(*m_document->root()) : nullptr;
}

void Browser::setCard(std::shared_ptr<const WmlDocument> document, const QUrl &deckUrl, const WmlNode *card)
{
    m_document = std::move(document);
    m_deckUrl = deckUrl;
    m_card = card;
    m_dos = CardBindings::activeDos(*card, deckTemplate());
    m_selects.clear();
    m_focus = 0;
    m_overlay = Overlay::None;
    m_overlayField = nullptr;
    m_error.clear();
    markDirty();
}

void Browser::initialiseForms()
{
    m_selects.clear();
    if (!m_card)
        return;
    QList<const WmlNode *> fields;
    collectFields(*m_card, &fields);
    for (const WmlNode *field : fields) {
        if (field->name == QLatin1String("select")) {
            SelectList list(*field, m_context);
            list.initialise(m_context);
            m_selects.insert(field, list);
            continue;
        }
        const QString name = field->value(u"name");
        if (name.isEmpty())
            continue;
        const InputRules rules = InputRules::of(field->value(u"format"), field->value(u"emptyok"),
                                                field->value(u"maxlength"));
        // A value that does not fit the mask is dropped; then the value
        // attribute is tried, if it fits.
        if (m_context.isSet(name) && !rules.mask.accepts(m_context.value(name)))
            m_context.unset(name);
        if (!m_context.isSet(name) && field->hasAttribute(u"value")) {
            const QString value = substitute(field->value(u"value"), m_context);
            if (!value.isEmpty() && rules.mask.accepts(value))
                m_context.setValue(name, value);
        }
    }
    markDirty();
}

void Browser::advance(int tenths)
{
    int left = tenths;
    for (int expiries = 0; left > 0 && m_card && m_timer.isRunning() && expiries < maximumExpiries; ++expiries) {
        bool expired = false;
        left -= m_timer.advance(left, m_context, &expired);
        markDirty();
        if (!expired)
            break;
        m_chain = 0;
        runEvent(QStringLiteral("ontimer"));
    }
}

QImage Browser::picture(const QString &source) const
{
    const QUrl url = m_deckUrl.resolved(QUrl(source, QUrl::TolerantMode)).adjusted(QUrl::RemoveFragment);
    const QString key = url.toString();
    const auto cached = m_pictures.constFind(key);
    if (cached != m_pictures.constEnd())
        return *cached;
    QImage image;
    if (mayOpen(url)) {
        FetchRequest request;
        request.url = url;
        const FetchResult result = m_fetcher.fetch(request);
        const bool wbmp = url.path().endsWith(QLatin1String(".wbmp"), Qt::CaseInsensitive)
                          || result.contentType.startsWith("image/vnd.wap.wbmp");
        if (result.ok && wbmp) {
            const WbmpDecoder::Result decoded = WbmpDecoder::decode(result.bytes, Qt::white);
            if (decoded.status == WbmpDecoder::Status::Decoded)
                image = decoded.image;
        } else if (result.ok && result.bytes.size() < 4 * 1024 * 1024) {
            image.loadFromData(result.bytes);
        }
    }
    m_pictures.insert(key, image);
    return image;
}

const Screen &Browser::screen() const
{
    if (m_dirty)
        relayout();
    return m_screen;
}

void Browser::relayout() const
{
    m_dirty = false;
    Layout::Input input;
    input.card = m_card;
    input.context = &m_context;
    input.selects = &m_selects;
    input.pictureSize = [this](const QString &src) { return pictureSize(src); };
    m_screen = Layout::layOut(input, m_profile);

    QStringList labels;
    for (const DoBinding &binding : m_dos)
        labels.append(substitute(binding.label, m_context));
    m_softKeys = SoftKeys::assign(m_dos, labels, m_profile, m_context.history().size() > 1);
    const int count = int(m_screen.items.size());
    m_screen.focus = count == 0 ? -1 : std::clamp(m_focus, 0, count - 1);
    m_screen.soft1.label = m_softKeys.left.label;
    m_screen.soft2.label = m_softKeys.right.label;

    switch (m_overlay) {
    case Overlay::None:
        break;
    case Overlay::Options:
        m_screen.menuOpen = true;
        m_screen.menu.kind = ScreenMenu::Kind::Options;
        m_screen.menu.title = BrowserTexts::tr("Options");
        for (int binding : m_softKeys.options) {
            QString label = labels.value(binding);
            m_screen.menu.entries.append(label.isEmpty() ? SoftKeys::defaultLabel(m_dos[binding].type) : label);
        }
        break;
    case Overlay::Select: {
        const SelectList list = m_selects.value(m_overlayField);
        m_screen.menuOpen = true;
        m_screen.menu.kind = ScreenMenu::Kind::Select;
        m_screen.menu.title = list.title();
        for (int i = 0; i < list.options().size(); ++i) {
            const SelectList::Option &option = list.options()[i];
            m_screen.menu.entries.append(option.group.isEmpty() ? option.text
                                                                : option.group + QStringLiteral(": ") + option.text);
            m_screen.menu.checked.append(list.isChosen(i + 1));
        }
        break;
    }
    case Overlay::Editing:
        m_screen.editing = true;
        break;
    case Overlay::Error: {
        m_screen.error = m_error;
        m_screen.items.clear();
        m_screen.focus = -1;
        TextMetrics metrics(m_profile);
        LineFlow flow(m_profile.screenWidth, metrics);
        flow.startParagraph(ScreenLine::Align::Left, true);
        flow.text(m_error, 0, -1, ScreenRun::Kind::Text);
        m_screen.lines = flow.takeLines();
        m_screen.soft1.label = BrowserTexts::tr("OK");
        m_screen.soft2.label.clear();
        break;
    }
    }
    if (m_screen.menuOpen) {
        m_screen.menu.highlight = std::clamp(m_highlight, 0, std::max(0, int(m_screen.menu.entries.size()) - 1));
        m_screen.soft1.label = BrowserTexts::tr("Select");
        m_screen.soft2.label = BrowserTexts::tr("Back");
    } else if (m_screen.editing) {
        m_screen.soft1.label = BrowserTexts::tr("OK");
        m_screen.soft2.label = BrowserTexts::tr("Back");
    }
    if (m_profile.softKeys < 2)
        m_screen.soft2.label.clear();
}
