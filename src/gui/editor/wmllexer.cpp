#include "wmllexer.h"

#include <Qsci/qsciscintilla.h>
#include <cstring>

namespace {

constexpr qsizetype flushBytes = 1 << 20;

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// The UTF-16 units of ASCII bytes, one each; returns their number.
int widenAscii(const unsigned char *bytes, int byteCount, QString *text)
{
    text->resize(byteCount);
    char16_t *units = reinterpret_cast<char16_t *>(text->data());
    for (int i = 0; i < byteCount; ++i)
        units[i] = bytes[i];
    return byteCount;
}

// Decodes UTF-8 by hand so that every UTF-16 index has a byte offset (in
// offsets, one past the last unit included), even for bytes that are not
// UTF-8, which become one U+FFFD each. Returns the number of units.
int decodeUtf8(const unsigned char *bytes, int byteCount, QString *text, std::vector<int> *offsets)
{
    text->resize(byteCount); // never fewer bytes than units
    char16_t *units = reinterpret_cast<char16_t *>(text->data());
    offsets->resize(size_t(byteCount) + 1);
    int unitCount = 0;
    int i = 0;
    while (i < byteCount) {
        const unsigned char lead = bytes[i];
        const int length = lead < 0x80 ? 1
            : (lead >> 5) == 0x6       ? 2
            : (lead >> 4) == 0xE       ? 3
            : (lead >> 3) == 0x1E      ? 4
                                       : 0;
        bool valid = length > 0 && i + length <= byteCount;
        for (int k = 1; valid && k < length; ++k)
            valid = isContinuation(bytes[i + k]);
        char32_t code = QChar::ReplacementCharacter;
        int used = 1;
        if (valid) {
            used = length;
            code = length == 1 ? lead : lead & (0x7F >> length);
            for (int k = 1; k < length; ++k)
                code = (code << 6) | (bytes[i + k] & 0x3F);
            if (code > 0x10FFFF)
                code = QChar::ReplacementCharacter;
        }
        (*offsets)[size_t(unitCount)] = i;
        if (code > 0xFFFF) {
            units[unitCount++] = QChar::highSurrogate(code);
            (*offsets)[size_t(unitCount)] = i;
            units[unitCount++] = QChar::lowSurrogate(code);
        } else {
            units[unitCount++] = char16_t(code);
        }
        i += used;
    }
    (*offsets)[size_t(unitCount)] = byteCount;
    return unitCount;
}

} // namespace

WmlLexer::WmlLexer(TwmlHighlighter &highlighter, const QFont &baseFont, QObject *parent)
    : QsciLexerCustom(parent), m_highlighter(highlighter), m_baseFont(baseFont)
{
    const TextAttributes &plain = m_highlighter.attributes(TextClass::DefaultText);
    setDefaultFont(m_baseFont);
    setDefaultColor(plain.foreground);
    setDefaultPaper(plain.background);
    for (int i = 0; i < TextClassCount; ++i) {
        if (m_highlighter.attributes(TextClass(i)).strikeOut)
            m_strikeClasses |= 1u << i;
    }
    m_strikeEverUsed = m_strikeClasses != 0;
    connect(&m_highlighter, &TwmlHighlighter::attributesChanged, this, &WmlLexer::applyClass);
}

int WmlLexer::styleOf(TextClass textClass)
{
    switch (textClass) {
    case TextClass::DefaultText:
        return 0;
    case TextClass::Bracket:
        return int(TextClass::DefaultText);
    default:
        return int(textClass);
    }
}

TextClass WmlLexer::classOfStyle(int style)
{
    if (style == 0 || style >= TextClassCount || style < 0)
        return TextClass::DefaultText;
    return style == int(TextClass::DefaultText) ? TextClass::Bracket : TextClass(style);
}

int WmlLexer::strikeIndicator(TextClass textClass)
{
    return QsciScintillaBase::INDIC_CONTAINER + int(textClass);
}

const char *WmlLexer::language() const
{
    return "WML";
}

QString WmlLexer::description(int style) const
{
    if (style < 0 || style >= TextClassCount)
        return QString();
    return textClassName(classOfStyle(style));
}

QColor WmlLexer::defaultColor(int style) const
{
    return m_highlighter.attributes(classOfStyle(style)).foreground;
}

QColor WmlLexer::defaultPaper(int style) const
{
    return m_highlighter.attributes(classOfStyle(style)).background;
}

QFont WmlLexer::defaultFont(int style) const
{
    return classFont(classOfStyle(style));
}

bool WmlLexer::defaultEolFill(int) const
{
    return false;
}

int WmlLexer::defaultStyle() const
{
    return styleOf(TextClass::DefaultText);
}

QFont WmlLexer::classFont(TextClass textClass) const
{
    const TextAttributes &attributes = m_highlighter.attributes(textClass);
    QFont font = m_baseFont;
    if (attributes.alternativeFont) {
        font = QFont(QStringLiteral("MS Sans Serif"));
        font.setPointSizeF(m_baseFont.pointSizeF());
    }
    font.setBold(attributes.bold);
    font.setItalic(attributes.italic);
    font.setUnderline(attributes.underline);
    font.setStrikeOut(attributes.strikeOut);
    return font;
}

void WmlLexer::applyClass(TextClass textClass)
{
    const int style = styleOf(textClass);
    const TextAttributes &attributes = m_highlighter.attributes(textClass);
    // QScintilla takes each of these over into the style it shows.
    setColor(attributes.foreground, style);
    setPaper(attributes.background, style);
    setFont(classFont(textClass), style);
    if (textClass == TextClass::DefaultText) {
        setDefaultColor(attributes.foreground);
        setDefaultPaper(attributes.background);
        if (editor()) {
            // The space past the last line is painted in the default style.
            editor()->SendScintilla(QsciScintillaBase::SCI_STYLESETFORE, QsciScintillaBase::STYLE_DEFAULT,
                                    attributes.foreground);
            editor()->SendScintilla(QsciScintillaBase::SCI_STYLESETBACK, QsciScintillaBase::STYLE_DEFAULT,
                                    attributes.background);
        }
    }

    const unsigned bit = 1u << int(textClass);
    const unsigned strikes = attributes.strikeOut ? (m_strikeClasses | bit) : (m_strikeClasses & ~bit);
    if (editor()) {
        editor()->SendScintilla(QsciScintillaBase::SCI_INDICSETFORE, strikeIndicator(textClass),
                                attributes.foreground);
    }
    if (strikes != m_strikeClasses) {
        // Strike-out lives in indicators laid down while styling, so the
        // text is styled again as the editor next paints it.
        m_strikeClasses = strikes;
        m_strikeEverUsed = true;
        m_styledLines = 0;
        if (editor()) {
            send(QsciScintillaBase::SCI_STARTSTYLING, 0);
            editor()->viewport()->update();
        }
    }
}

void WmlLexer::setUpIndicators()
{
    for (int i = 0; i < TextClassCount; ++i) {
        const int indicator = strikeIndicator(TextClass(i));
        send(QsciScintillaBase::SCI_INDICSETSTYLE, indicator, QsciScintillaBase::INDIC_STRIKE);
        editor()->SendScintilla(QsciScintillaBase::SCI_INDICSETFORE, indicator,
                                m_highlighter.attributes(TextClass(i)).foreground);
    }
}

void WmlLexer::setEditor(QsciScintilla *newEditor)
{
    if (editor())
        disconnect(editor(), &QsciScintillaBase::SCN_MODIFIED, this, nullptr);
    QsciLexerCustom::setEditor(newEditor);
    m_states.clear();
    m_styledLines = 0;
    m_lastChangedLine = -1;
    if (newEditor) {
        forgetStates(); // the editor may hold text already
        connect(newEditor, &QsciScintillaBase::SCN_MODIFIED, this,
                [this](int position, int modificationType) { textModified(position, modificationType); });
        setUpIndicators();
    }
}

void WmlLexer::forgetStates()
{
    m_states.assign(size_t(send(QsciScintillaBase::SCI_GETLINECOUNT)), RegionState());
    m_styledLines = 0;
    m_lastChangedLine = -1;
    m_pendingLine = -1;
}

long WmlLexer::lineStart(int line) const
{
    if (line >= send(QsciScintillaBase::SCI_GETLINECOUNT))
        return send(QsciScintillaBase::SCI_GETLENGTH);
    return send(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
}

long WmlLexer::send(unsigned int message, unsigned long wParam, long lParam) const
{
    return editor()->SendScintilla(message, wParam, lParam);
}

void WmlLexer::textModified(int position, int modificationType)
{
    if (!(modificationType & (QsciScintillaBase::SC_MOD_BEFOREINSERT | QsciScintillaBase::SC_MOD_BEFOREDELETE)))
        return;
    settlePendingChange();
    m_pendingLine = int(send(QsciScintillaBase::SCI_LINEFROMPOSITION, position));
    m_pendingLineCount = int(send(QsciScintillaBase::SCI_GETLINECOUNT));
}

void WmlLexer::settlePendingChange()
{
    if (m_pendingLine < 0)
        return;
    const int line = m_pendingLine;
    const int linesAdded = int(send(QsciScintillaBase::SCI_GETLINECOUNT)) - m_pendingLineCount;
    m_pendingLine = -1;
    linesChanged(line, linesAdded);
}

void WmlLexer::linesChanged(int line, int linesAdded)
{
    const size_t touched = size_t(line) + size_t(std::max(0, -linesAdded));
    if (touched > m_states.size()) {
        forgetStates();
        return;
    }
    // The entry of the line that was edited stays with its end: inserted
    // lines go before it, and a deletion keeps the entry of the line whose
    // end survives. Styling compares against that entry.
    if (linesAdded > 0) {
        m_states.insert(m_states.begin() + line, size_t(linesAdded), RegionState());
        if (line < m_styledLines)
            m_styledLines += linesAdded;
    } else if (linesAdded < 0) {
        const int removed = -linesAdded;
        m_states.erase(m_states.begin() + line, m_states.begin() + line + removed);
        if (m_styledLines > line + removed)
            m_styledLines -= removed;
        else if (m_styledLines > line)
            m_styledLines = line;
    }
    if (m_lastChangedLine > line)
        m_lastChangedLine = std::max(line, m_lastChangedLine + linesAdded);
    m_lastChangedLine = std::max(m_lastChangedLine, line + std::max(0, linesAdded));
}

void WmlLexer::styleText(int start, int end)
{
    if (!editor())
        return;
    settlePendingChange();
    const int lineCount = int(send(QsciScintillaBase::SCI_GETLINECOUNT));
    if (int(m_states.size()) != lineCount) {
        // Only reachable if a change went unreported; trust nothing stored.
        forgetStates();
    }
    int line = int(send(QsciScintillaBase::SCI_LINEFROMPOSITION, start));
    RegionState state = line > 0 ? m_states[size_t(line - 1)] : RegionState();
    // Lines are read straight from QScintilla's buffer, up to the end of
    // the line holding the last position asked for; asking line by line
    // would cost more than highlighting them.
    const long rangeEnd = lineStart(int(send(QsciScintillaBase::SCI_LINEFROMPOSITION, std::max(start, end - 1))) + 1);
    m_styles.clear();
    m_strikes.clear();
    m_stylesStart = lineStart(line);
    bool more = line < lineCount && m_stylesStart < end;
    // Whether the last line styled ended in the state stored for it; when
    // not, the lines after it no longer follow from what is above them.
    bool lastLineAgrees = true;
    while (more) {
        more = false;
        const long blockStart = lineStart(line);
        m_stylesStart = blockStart;
        const auto *bytes = reinterpret_cast<const unsigned char *>(
            send(QsciScintillaBase::SCI_GETRANGEPOINTER, blockStart, rangeEnd - blockStart));
        const long available = rangeEnd - blockStart;
        long offset = 0;
        while (line < lineCount && blockStart + offset < end && offset < available) {
            long textEnd = offset;
            while (textEnd < available && bytes[textEnd] != '\r' && bytes[textEnd] != '\n')
                ++textEnd;
            long lineEnd = textEnd;
            if (lineEnd < available)
                lineEnd += (bytes[lineEnd] == '\r' && lineEnd + 1 < available && bytes[lineEnd + 1] == '\n') ? 2 : 1;
            const bool known = line < m_styledLines;
            const RegionState stored = m_states[size_t(line)];
            styleLine(line, bytes + offset, int(textEnd - offset), int(lineEnd - textEnd), state, &state);
            offset = lineEnd;
            ++line;
            lastLineAgrees = known && state == stored;
            if (lastLineAgrees && line > m_lastChangedLine && line < m_styledLines) {
                // The following lines start as they did when styled and
                // have not changed since: their styles stand.
                flushStyles();
                line = m_styledLines;
                state = m_states[size_t(line - 1)];
                m_stylesStart = lineStart(line);
                more = m_stylesStart < end;
                break;
            }
            if (m_styles.size() >= flushBytes)
                flushStyles();
        }
        flushStyles();
    }
    if (m_stylesStart != lineStart(line)) {
        // The buffer broke lines where QScintilla does not; start afresh.
        forgetStates();
        return;
    }
    // A pass that stops at the end of the screen with a changed state
    // leaves the lines below to be styled again, whatever was stored.
    m_styledLines = lastLineAgrees ? std::max(m_styledLines, line) : line;
    if (line > m_lastChangedLine)
        m_lastChangedLine = -1;
}

void WmlLexer::styleLine(int line, const unsigned char *bytes, int byteCount, int breakLength, RegionState incoming,
                         RegionState *outgoing)
{
    const long start = m_stylesStart + m_styles.size();
    bool ascii = true;
    for (int i = 0; i < byteCount && ascii; ++i)
        ascii = bytes[i] < 0x80;
    const int unitCount = ascii ? widenAscii(bytes, byteCount, &m_lineText)
                                : decodeUtf8(bytes, byteCount, &m_lineText, &m_byteOffsets);
    m_line.reset(QStringView(m_lineText.constData(), unitCount));

    const qsizetype base = m_styles.size();
    m_styles.resize(base + byteCount + breakLength);
    char *styles = m_styles.data() + base;
    const std::vector<int> &offsets = m_byteOffsets;
    const auto onRun = [&](const TwmlHighlighter::Run &run) {
        const int from = ascii ? run.start : offsets[size_t(run.start)];
        const int to = ascii ? run.start + run.length : offsets[size_t(run.start + run.length)];
        std::memset(styles + from, styleOf(run.textClass), size_t(to - from));
        if (m_strikeClasses & (1u << int(run.textClass)))
            m_strikes.push_back({start + from, to - from, strikeIndicator(run.textClass)});
    };
    *outgoing = m_highlighter.scanLine(m_line, incoming, onRun);
    m_states[size_t(line)] = *outgoing;
    // The line break takes the class of the region that runs on past it.
    std::memset(styles + byteCount, styleOf(TwmlHighlighter::classOf(outgoing->kind)), size_t(breakLength));
}

void WmlLexer::flushStyles()
{
    startStyling(int(m_stylesStart));
    if (m_styles.isEmpty())
        return;
    editor()->SendScintilla(QsciScintillaBase::SCI_SETSTYLINGEX, m_styles.size(), m_styles.constData());
    if (m_strikeEverUsed) {
        for (int i = 0; i < TextClassCount; ++i) {
            send(QsciScintillaBase::SCI_SETINDICATORCURRENT, strikeIndicator(TextClass(i)));
            send(QsciScintillaBase::SCI_INDICATORCLEARRANGE, m_stylesStart, m_styles.size());
        }
        for (const Strike &strike : m_strikes) {
            send(QsciScintillaBase::SCI_SETINDICATORCURRENT, strike.indicator);
            send(QsciScintillaBase::SCI_INDICATORFILLRANGE, strike.start, strike.length);
        }
    }
    m_stylesStart += m_styles.size();
    m_styles.clear();
    m_strikes.clear();
}
