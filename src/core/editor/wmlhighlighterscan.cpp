// The scans of TwmlHighlighter. What a found character opens or closes is
// decided once, in the helpers below; the single scans and the whole-line
// driver differ only in how they search for that character and in what
// they do with the result.
#include "wmlhighlighter.h"

#include <algorithm>

namespace {

using Change = TwmlHighlighter::Change;
using Region = TwmlHighlighter::Region;

// The row whose closing ">" opens a script block.
constexpr unsigned char scriptRow = 0;

constexpr char16_t space = u' ';

// How far the terminator searches may start before the position.
constexpr int scriptEndLookBack = 10;
constexpr int serverScriptEndLookBack = 2;
constexpr int commentEndLookBack = 3;

// Index of c in text[from, limit), or -1. Most searches end within a few
// characters (the ">" after a name, the "<" after a closing ">"), where a
// plain loop beats the call into Qt's vectorised search.
inline int find(QStringView text, int from, int limit, char16_t c)
{
    const char16_t *chars = text.utf16();
    const int nearLimit = std::min(limit, from + 16);
    for (int i = from; i < nearLimit; ++i) {
        if (chars[i] == c)
            return i;
    }
    if (nearLimit >= limit)
        return -1;
    const qsizetype at = text.mid(nearLimit, limit - nearLimit).indexOf(QChar(c));
    return at < 0 ? -1 : nearLimit + int(at);
}

// Index of needle in text[from, limit), or -1: its first character is
// searched for, then the rest compared.
inline int find(QStringView text, int from, int limit, QStringView needle)
{
    const int last = limit - int(needle.size());
    const QStringView rest = needle.mid(1);
    for (int at = from; at <= last; ++at) {
        at = find(text, at, last + 1, needle[0].unicode());
        if (at < 0)
            return -1;
        if (text.mid(at + 1, rest.size()) == rest)
            return at;
    }
    return -1;
}

// The helpers below report what they find to an Out, which either builds
// a Change (the single scans) or writes runs straight away (the line
// driver): begin(position) where the current region stops, fixed(...) for
// each fixed-length region, then(...) for the innermost region after them.

// A "<" at `at` in plain text: a comment, or the bracket that opens a tag.
template<typename Out>
inline void lessThanAt(QStringView text, int at, Out &out)
{
    out.begin(at);
    if (at + 3 < text.size() && text[at + 1] == u'!' && text[at + 2] == u'-' && text[at + 3] == u'-') {
        out.then({RegionKind::Comment, RegionState::CommentIdentity}, at, at + 4);
        return;
    }
    out.fixed(at, 1, {RegionKind::Bracket, 0});
    out.then({RegionKind::TagOpened, 0}, at + 1, at + 1);
}

// The opened tag at `position`, which is inside the line: a server script
// block, a known name followed by its rest, or an unknown tag.
template<typename Out>
inline void openedTagAt(const HighlightLine &line, int position, Out &out)
{
    const QStringView text = line.text();
    out.begin(position);
    if (text[position] == u'%') {
        out.then({RegionKind::ScriptContent, RegionState::ServerScriptIdentity}, position, position + 1);
        return;
    }
    const int size = line.size();
    int nameEnd = position;
    while (nameEnd < size && text[nameEnd] != space && text[nameEnd] != u'>')
        ++nameEnd;
    const bool closing = text[position] == u'/';
    const int coreStart = closing ? position + 1 : position;
    const int row = TwmlHighlighter::findTag(line.upper().mid(coreStart, nameEnd - coreStart), closing);
    if (row < 0) {
        out.then({RegionKind::TagRestWithoutAttributes, RegionState::UnknownTagIdentity}, position, position);
        return;
    }
    const auto identity = static_cast<unsigned char>(row);
    const bool withAttributes = !closing && TwmlHighlighter::tagTable()[size_t(row)].attributes;
    out.fixed(position, nameEnd - position, {RegionKind::TagName, identity});
    out.then({withAttributes ? RegionKind::TagRestWithAttributes : RegionKind::TagRestWithoutAttributes, identity},
             nameEnd, nameEnd);
}

// The "=" at `equals` in a tag rest scanned from `position`: the attribute
// name before it (back over spaces, then over other characters, never
// before the position) and the value after it.
template<typename Out>
inline void attributeAt(QStringView text, int position, int equals, RegionState region, Out &out)
{
    const int size = int(text.size());
    int nameStart = equals;
    while (nameStart > position && text[nameStart - 1] == space)
        --nameStart;
    while (nameStart > position && text[nameStart - 1] != space)
        --nameStart;
    int valueEnd = equals + 1;
    while (valueEnd < size && text[valueEnd] == space)
        ++valueEnd;
    if (valueEnd < size && (text[valueEnd] == u'"' || text[valueEnd] == u'\'')) {
        const int close = find(text, valueEnd + 1, size, text[valueEnd].unicode());
        valueEnd = close < 0 ? size : close + 1;
    } else {
        while (valueEnd < size && text[valueEnd] != space && text[valueEnd] != u'>')
            ++valueEnd;
    }
    out.begin(nameStart);
    out.fixed(nameStart, equals + 1 - nameStart, {RegionKind::AttributeName, region.identity});
    out.fixed(equals + 1, valueEnd - (equals + 1), {RegionKind::AttributeValue, region.identity});
    out.then(region, valueEnd, valueEnd);
}

// The ">" at `at` that ends a tag; a script opening tag goes on into the
// script's content.
template<typename Out>
inline void tagEndAt(int at, RegionState region, Out &out)
{
    out.begin(at);
    out.fixed(at, 1, {RegionKind::Bracket, region.identity});
    out.then(region.identity == scriptRow ? RegionState{RegionKind::ScriptContent, scriptRow} : RegionState{},
             at + 1, at + 1);
}

// The end of a comment or script block, searched from up to the look-back
// before position (but not before regionStart) to limit.
template<typename Out>
inline bool blockEnd(const HighlightLine &line, int position, int limit, RegionState region, int regionStart,
                     Out &out)
{
    const auto from = [&](int lookBack) { return std::max({0, regionStart, position - lookBack}); };
    if (region.kind == RegionKind::Comment) {
        const int end = find(line.text(), from(commentEndLookBack), limit, u"-->");
        if (end < 0)
            return false;
        out.begin(end + 3);
        out.then({}, end + 3, end + 3);
        return true;
    }
    if (region.identity == RegionState::ServerScriptIdentity) {
        const int end = find(line.text(), from(serverScriptEndLookBack), limit, u"%>");
        if (end < 0)
            return false;
        out.begin(end + 1);
        out.fixed(end + 1, 1, {RegionKind::Bracket, region.identity});
        out.then({}, end + 2, end + 2);
        return true;
    }
    const int end = find(line.upper(), from(scriptEndLookBack), limit, u"</SCRIPT>");
    if (end < 0)
        return false;
    out.begin(end);
    out.fixed(end, 9, {RegionKind::Bracket, region.identity});
    out.then({}, end + 9, end + 9);
    return true;
}

// Collects what a single scan found.
struct ChangeBuilder
{
    Change change;

    void begin(int position) { change.position = position; }
    void fixed(int start, int length, RegionState state)
    {
        change.fixed[size_t(change.fixedCount++)] = Region{start, length, state};
    }
    void then(RegionState next, int nextStart, int resume)
    {
        change.next = next;
        change.nextStart = nextStart;
        change.resume = resume;
    }
};

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

// Scans a whole line with the rules of the single scans. In a tag rest with
// attributes the end scan's ">" and the start scan's "=" are found in one
// pass: the first of the two decides, which is what finding the end first
// and then a start before it gives, and a ">" inside a quoted value is
// passed by the value before the search goes on.
// Follows a line from region to region, writing runs as it goes.
template<typename Sink>
class LineWriter
{
public:
    LineWriter(Sink &sink, RegionState state) : m_out(sink), m_state(state) {}

    void begin(int position) { m_out.add(m_position, position, TwmlHighlighter::classOf(m_state.kind)); }
    void fixed(int start, int length, RegionState state)
    {
        m_out.add(start, start + length, TwmlHighlighter::classOf(state.kind));
    }
    void then(RegionState next, int nextStart, int resume)
    {
        m_out.add(nextStart, resume, TwmlHighlighter::classOf(next.kind));
        if (next != m_state)
            m_regionStart = nextStart;
        m_state = next;
        m_position = resume;
    }
    RegionState finish(int size)
    {
        m_out.add(m_position, size, TwmlHighlighter::classOf(m_state.kind));
        m_out.flush();
        return m_state;
    }

    RegionState state() const { return m_state; }
    int position() const { return m_position; }
    int regionStart() const { return m_regionStart; }

private:
    RunJoiner<Sink> m_out;
    RegionState m_state;
    int m_position = 0;
    int m_regionStart = 0;
};

// Scans a whole line with the rules of the single scans. In a tag rest with
// attributes the end scan's ">" and the start scan's "=" are found in one
// pass: the first of the two decides, which is what finding the end first
// and then a start before it gives, and a ">" inside a quoted value is
// passed by the value before the search goes on.
template<typename Sink>
RegionState scanWholeLine(const HighlightLine &line, RegionState incoming, Sink &sink)
{
    const QStringView text = line.text();
    const int size = line.size();
    LineWriter<Sink> out(sink, incoming);
    for (;;) {
        const RegionState state = out.state();
        const int position = out.position();
        switch (state.kind) {
        case RegionKind::PlainText: {
            const int at = find(text, position, size, u'<');
            if (at < 0)
                return out.finish(size);
            lessThanAt(text, at, out);
            break;
        }
        case RegionKind::TagOpened:
            if (position >= size)
                return out.finish(size);
            openedTagAt(line, position, out);
            break;
        case RegionKind::TagRestWithAttributes: {
            int at = position;
            while (at < size && text[at] != u'=' && text[at] != u'>')
                ++at;
            if (at >= size)
                return out.finish(size);
            if (text[at] == u'=')
                attributeAt(text, position, at, state, out);
            else
                tagEndAt(at, state, out);
            break;
        }
        case RegionKind::TagRestWithoutAttributes: {
            const int at = find(text, position, size, u'>');
            if (at < 0)
                return out.finish(size);
            tagEndAt(at, state, out);
            break;
        }
        case RegionKind::ScriptContent:
        case RegionKind::Comment:
            if (!blockEnd(line, position, size, state, out.regionStart(), out))
                return out.finish(size);
            break;
        case RegionKind::TagName:
        case RegionKind::Bracket:
        case RegionKind::AttributeName:
        case RegionKind::AttributeValue:
            return out.finish(size); // never open at a line's start or between scans
        }
    }
}

} // namespace

std::optional<TwmlHighlighter::Change> TwmlHighlighter::findRegionStart(const HighlightLine &line, int position,
                                                                        int limit, RegionState region) const
{
    const QStringView text = line.text();
    limit = std::min(limit, line.size());
    if (position < 0 || position >= limit)
        return std::nullopt;
    ChangeBuilder found;
    switch (region.kind) {
    case RegionKind::PlainText: {
        const int at = find(text, position, limit, u'<');
        if (at < 0)
            return std::nullopt;
        lessThanAt(text, at, found);
        return found.change;
    }
    case RegionKind::TagOpened:
        openedTagAt(line, position, found);
        return found.change;
    case RegionKind::TagRestWithAttributes: {
        const int at = find(text, position, limit, u'=');
        if (at < 0)
            return std::nullopt;
        attributeAt(text, position, at, region, found);
        return found.change;
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
    limit = std::min(limit, line.size());
    ChangeBuilder found;
    switch (region.kind) {
    case RegionKind::TagRestWithAttributes:
    case RegionKind::TagRestWithoutAttributes: {
        const int at = find(line.text(), std::max(position, 0), limit, u'>');
        if (at < 0)
            return std::nullopt;
        tagEndAt(at, region, found);
        return found.change;
    }
    case RegionKind::ScriptContent:
    case RegionKind::Comment:
        if (blockEnd(line, position, limit, region, regionStart, found))
            return found.change;
        break;
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
    return scanWholeLine(line, incoming, onRun);
}

RegionState TwmlHighlighter::scanLine(QStringView line, RegionState incoming, std::vector<Run> *runs) const
{
    runs->clear();
    auto append = [runs](const Run &run) { runs->push_back(run); };
    return scanWholeLine(HighlightLine(line), incoming, append);
}
