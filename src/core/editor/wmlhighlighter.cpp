#include "wmlhighlighter.h"

#include <QGuiApplication>
#include <QPalette>
#include <algorithm>

namespace {

constexpr std::array<HtmlElementRecord, TwmlHighlighter::TagCount> tagRows = {{
    {u"SCRIPT", true, false},   {u"A", true, true},         {u"ACCESS", true, true},
    {u"ANCHOR", true, true},    {u"B", false, true},        {u"BR/", true, false},
    {u"TAB/", true, false},     {u"BIG", true, true},       {u"BR", true, true},
    {u"CARD", true, true},      {u"DO", true, true},        {u"EM", true, true},
    {u"FIELDSET", true, true},  {u"GO", true, true},        {u"HEAD", true, true},
    {u"I", false, true},        {u"IMG", true, true},       {u"INPUT", true, true},
    {u"META", true, true},      {u"NOOP", true, true},      {u"ONEVENT", true, true},
    {u"OPTGROUP", true, true},  {u"OPTION", true, true},    {u"P", true, true},
    {u"SMALL", false, true},    {u"STRONG", false, true},   {u"U", false, true},
    {u"WML", false, true},      {u"POSTFIELD", true, false}, {u"PREV/", true, false},
    {u"REFRESH", true, false},  {u"SELECT", true, true},    {u"SETVAR", true, false},
    {u"SMALL", false, true},    {u"STRONG", false, true},   {u"TABLE", true, true},
    {u"TD", true, true},        {u"TEMPLATE", true, true},  {u"TIMER", true, true},
    {u"TR", true, true},        {u"?XML", true, false},     {u"!DOCTYPE", true, false},
}};

// The row whose closing ">" opens a script block.
constexpr unsigned char scriptRow = 0;

constexpr char16_t space = u' ';

// How far the terminator searches may start before the position.
constexpr int scriptEndLookBack = 10;
constexpr int serverScriptEndLookBack = 2;
constexpr int commentEndLookBack = 3;

// Index of needle in text[from, limit), or -1.
qsizetype find(QStringView text, int from, int limit, QStringView needle)
{
    if (limit - from < needle.size())
        return -1;
    const qsizetype at = text.mid(from, limit - from).indexOf(needle);
    return at < 0 ? -1 : from + at;
}

qsizetype find(QStringView text, int from, int limit, char16_t c)
{
    if (from >= limit)
        return -1;
    const qsizetype at = text.mid(from, limit - from).indexOf(QChar(c));
    return at < 0 ? -1 : from + at;
}

bool haveGuiApplication()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr;
}

// The system colours of a text area's background and text.
QColor windowColour()
{
    return haveGuiApplication() ? QGuiApplication::palette().color(QPalette::Base) : QColor(Qt::white);
}

QColor windowTextColour()
{
    return haveGuiApplication() ? QGuiApplication::palette().color(QPalette::Text) : QColor(Qt::black);
}

TwmlHighlighter::Change fixedThen(int position, std::initializer_list<TwmlHighlighter::Region> fixed,
                                  RegionState next)
{
    TwmlHighlighter::Change change;
    change.position = position;
    int end = position;
    for (const TwmlHighlighter::Region &region : fixed) {
        change.fixed[size_t(change.fixedCount++)] = region;
        end = region.start + region.length;
    }
    change.next = next;
    change.nextStart = end;
    change.resume = end;
    return change;
}

// Joins neighbouring runs of one class and drops empty ones, so a sink sees
// each maximal run once.
template<typename Sink>
class RunJoiner
{
public:
    explicit RunJoiner(Sink &sink) : m_sink(sink) {}

    void add(int start, int end, TextClass textClass)
    {
        if (end <= start)
            return;
        if (m_length > 0 && m_class == textClass && m_start + m_length == start) {
            m_length = end - m_start;
            return;
        }
        flush();
        m_start = start;
        m_length = end - start;
        m_class = textClass;
    }

    void flush()
    {
        if (m_length > 0)
            m_sink(TwmlHighlighter::Run{m_start, m_length, m_class});
        m_length = 0;
    }

private:
    Sink &m_sink;
    int m_start = 0;
    int m_length = 0;
    TextClass m_class = TextClass::DefaultText;
};

// Drives the two scans over a whole line. The end of the open region is
// found first, and nested regions may only start before it; a ">" inside
// a quoted value is passed by the value before the end is looked for again.
template<typename Sink>
RegionState scanWholeLine(const TwmlHighlighter &highlighter, const HighlightLine &line,
                          RegionState state, Sink &sink)
{
    const int size = line.size();
    RunJoiner<Sink> out(sink);
    int position = 0;
    int regionStart = 0;
    std::optional<TwmlHighlighter::Change> end;
    bool endKnown = false;
    for (;;) {
        std::optional<TwmlHighlighter::Change> change;
        bool nested = true;
        if (state.kind == RegionKind::TagOpened) {
            change = highlighter.findRegionStart(line, position, size, state);
        } else {
            // The end found earlier still holds while the region lasts,
            // unless a value ran past it; searching again each time would
            // make a long tag with many attributes quadratic.
            if (!endKnown || (end && end->position < position)) {
                end = highlighter.findRegionEnd(line, position, size, state, regionStart);
                endKnown = true;
            }
            change = highlighter.findRegionStart(line, position, end ? end->position : size, state);
            if (!change) {
                change = end;
                nested = false;
            }
        }
        if (!change)
            break;
        out.add(position, change->position, TwmlHighlighter::classOf(state.kind));
        for (int i = 0; i < change->fixedCount; ++i) {
            const TwmlHighlighter::Region &region = change->fixed[size_t(i)];
            out.add(region.start, region.start + region.length, TwmlHighlighter::classOf(region.state.kind));
        }
        out.add(change->nextStart, change->resume, TwmlHighlighter::classOf(change->next.kind));
        if (!nested || change->next != state) {
            endKnown = false;
            regionStart = change->nextStart;
        }
        state = change->next;
        position = change->resume;
    }
    out.add(position, size, TwmlHighlighter::classOf(state.kind));
    out.flush();
    return state;
}

} // namespace

TwmlHighlighter::TwmlHighlighter(QObject *parent) : QObject(parent)
{
    for (int i = 0; i < TextClassCount; ++i)
        m_attributes[size_t(i)] = defaultAttributes(TextClass(i));
}

const TextAttributes &TwmlHighlighter::attributes(TextClass textClass) const
{
    return m_attributes[size_t(textClass)];
}

void TwmlHighlighter::setAttributes(TextClass textClass, const TextAttributes &attributes)
{
    TextAttributes &held = m_attributes[size_t(textClass)];
    if (held == attributes)
        return;
    held = attributes;
    emit attributesChanged(textClass);
}

TextAttributes TwmlHighlighter::defaultAttributes(TextClass textClass)
{
    const QColor navy(0x00, 0x00, 0x80);
    const QColor green(0x00, 0x80, 0x00);
    TextAttributes attributes;
    attributes.background = windowColour();
    switch (textClass) {
    case TextClass::Bracket:
    case TextClass::HtmlKeyword:
        attributes.foreground = navy;
        break;
    case TextClass::DefaultText:
    case TextClass::ScriptContent:
        attributes.foreground = windowTextColour();
        break;
    case TextClass::HtmlTag:
    case TextClass::HtmlAttribute:
        attributes.foreground = green;
        break;
    case TextClass::HtmlComment:
        attributes.italic = true;
        attributes.foreground = QColor(0xC0, 0xC0, 0xC0);
        break;
    case TextClass::HtmlAttributeValue:
        attributes.foreground = QColor(0x00, 0x00, 0xFF);
        break;
    case TextClass::ScriptTag:
        attributes.background = QColor(0xFF, 0xFF, 0x00);
        attributes.foreground = navy;
        break;
    case TextClass::UnknownTag:
        attributes.foreground = QColor(0xFF, 0x00, 0x00);
        break;
    }
    return attributes;
}

const std::array<HtmlElementRecord, TwmlHighlighter::TagCount> &TwmlHighlighter::tagTable()
{
    return tagRows;
}

int TwmlHighlighter::findTag(QStringView upperName, bool closing)
{
    const qsizetype length = upperName.size();
    for (int row = 0; row < TagCount; ++row) {
        const HtmlElementRecord &record = tagRows[size_t(row)];
        if (record.name.size() != length || (closing && !record.closing))
            continue;
        if (std::equal(record.name.begin(), record.name.end(), upperName.begin()))
            return row;
    }
    return -1;
}

TextClass TwmlHighlighter::classOf(RegionKind kind)
{
    switch (kind) {
    case RegionKind::PlainText:
    case RegionKind::TagOpened:
        return TextClass::DefaultText;
    case RegionKind::TagRestWithAttributes:
        return TextClass::HtmlTag;
    case RegionKind::ScriptContent:
        return TextClass::ScriptContent;
    case RegionKind::Comment:
        return TextClass::HtmlComment;
    case RegionKind::TagName:
        return TextClass::HtmlKeyword;
    case RegionKind::TagRestWithoutAttributes:
        return TextClass::UnknownTag;
    case RegionKind::Bracket:
        return TextClass::Bracket;
    case RegionKind::AttributeName:
        return TextClass::HtmlAttribute;
    case RegionKind::AttributeValue:
        return TextClass::HtmlAttributeValue;
    }
    return TextClass::DefaultText;
}

std::optional<TwmlHighlighter::Change> TwmlHighlighter::findRegionStart(const HighlightLine &line, int position,
                                                                        int limit, RegionState region) const
{
    const QStringView text = line.text();
    const int size = line.size();
    limit = std::min(limit, size);
    if (position < 0 || position >= limit)
        return std::nullopt;

    switch (region.kind) {
    case RegionKind::PlainText: {
        const qsizetype open = find(text, position, limit, u'<');
        if (open < 0)
            return std::nullopt;
        const int at = int(open);
        if (text.mid(at + 1, 3) == u"!--") {
            Change change;
            change.position = at;
            change.next = {RegionKind::Comment, RegionState::CommentIdentity};
            change.nextStart = at;
            change.resume = at + 4;
            return change;
        }
        return fixedThen(at, {{at, 1, {RegionKind::Bracket, 0}}}, {RegionKind::TagOpened, 0});
    }
    case RegionKind::TagOpened: {
        if (text[position] == u'%') {
            Change change;
            change.position = position;
            change.next = {RegionKind::ScriptContent, RegionState::ServerScriptIdentity};
            change.nextStart = position;
            change.resume = position + 1;
            return change;
        }
        int nameEnd = position;
        while (nameEnd < size && text[nameEnd] != space && text[nameEnd] != u'>')
            ++nameEnd;
        const bool closing = text[position] == u'/';
        const int coreStart = closing ? position + 1 : position;
        const int row = findTag(line.upper().mid(coreStart, nameEnd - coreStart), closing);
        if (row < 0)
            return fixedThen(position, {}, {RegionKind::TagRestWithoutAttributes, RegionState::UnknownTagIdentity});
        const auto identity = static_cast<unsigned char>(row);
        const bool withAttributes = !closing && tagRows[size_t(row)].attributes;
        const RegionKind rest = withAttributes ? RegionKind::TagRestWithAttributes
                                               : RegionKind::TagRestWithoutAttributes;
        return fixedThen(position, {{position, nameEnd - position, {RegionKind::TagName, identity}}},
                         {rest, identity});
    }
    case RegionKind::TagRestWithAttributes: {
        const qsizetype equals = find(text, position, limit, u'=');
        if (equals < 0)
            return std::nullopt;
        const int at = int(equals);
        int nameStart = at;
        while (nameStart > position && text[nameStart - 1] == space)
            --nameStart;
        while (nameStart > position && text[nameStart - 1] != space)
            --nameStart;
        int valueEnd = at + 1;
        while (valueEnd < size && text[valueEnd] == space)
            ++valueEnd;
        if (valueEnd < size && (text[valueEnd] == u'"' || text[valueEnd] == u'\'')) {
            const qsizetype close = find(text, valueEnd + 1, size, text[valueEnd].unicode());
            valueEnd = close < 0 ? size : int(close) + 1;
        } else {
            while (valueEnd < size && text[valueEnd] != space && text[valueEnd] != u'>')
                ++valueEnd;
        }
        return fixedThen(nameStart,
                         {{nameStart, at + 1 - nameStart, {RegionKind::AttributeName, region.identity}},
                          {at + 1, valueEnd - (at + 1), {RegionKind::AttributeValue, region.identity}}},
                         region);
    }
    case RegionKind::ScriptContent:
    case RegionKind::Comment:
    case RegionKind::TagName:
    case RegionKind::TagRestWithoutAttributes:
    case RegionKind::Bracket:
    case RegionKind::AttributeName:
    case RegionKind::AttributeValue:
        break;
    }
    return std::nullopt;
}

std::optional<TwmlHighlighter::Change> TwmlHighlighter::findRegionEnd(const HighlightLine &line, int position,
                                                                      int limit, RegionState region,
                                                                      int regionStart) const
{
    const QStringView text = line.text();
    limit = std::min(limit, line.size());
    const auto searchFrom = [&](int lookBack) { return std::max({0, regionStart, position - lookBack}); };

    switch (region.kind) {
    case RegionKind::TagRestWithAttributes:
    case RegionKind::TagRestWithoutAttributes: {
        const qsizetype close = find(text, std::max(position, 0), limit, u'>');
        if (close < 0)
            return std::nullopt;
        const int at = int(close);
        const RegionState after = region.identity == scriptRow
            ? RegionState{RegionKind::ScriptContent, scriptRow}
            : RegionState{};
        return fixedThen(at, {{at, 1, {RegionKind::Bracket, region.identity}}}, after);
    }
    case RegionKind::ScriptContent: {
        if (region.identity == RegionState::ServerScriptIdentity) {
            const qsizetype end = find(text, searchFrom(serverScriptEndLookBack), limit, u"%>");
            if (end < 0)
                return std::nullopt;
            const int at = int(end) + 1;
            return fixedThen(at, {{at, 1, {RegionKind::Bracket, region.identity}}}, {});
        }
        const qsizetype end = find(line.upper(), searchFrom(scriptEndLookBack), limit, u"</SCRIPT>");
        if (end < 0)
            return std::nullopt;
        const int at = int(end);
        return fixedThen(at, {{at, 9, {RegionKind::Bracket, region.identity}}}, {});
    }
    case RegionKind::Comment: {
        const qsizetype end = find(text, searchFrom(commentEndLookBack), limit, u"-->");
        if (end < 0)
            return std::nullopt;
        return fixedThen(int(end) + 3, {}, {});
    }
    case RegionKind::PlainText:
    case RegionKind::TagOpened:
    case RegionKind::TagName:
    case RegionKind::Bracket:
    case RegionKind::AttributeName:
    case RegionKind::AttributeValue:
        break;
    }
    return std::nullopt;
}

RegionState TwmlHighlighter::scanLine(const HighlightLine &line, RegionState incoming,
                                      const std::function<void(const Run &)> &onRun) const
{
    return scanWholeLine(*this, line, incoming, onRun);
}

RegionState TwmlHighlighter::scanLine(QStringView line, RegionState incoming, std::vector<Run> *runs) const
{
    runs->clear();
    auto append = [runs](const Run &run) { runs->push_back(run); };
    return scanWholeLine(*this, HighlightLine(line), incoming, append);
}
