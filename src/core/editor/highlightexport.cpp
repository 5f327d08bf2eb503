#include "highlightexport.h"

namespace HighlightExport {

namespace {

// Maps UTF-16 offsets of a line to character offsets; the identity for the
// usual line without surrogate pairs.
class CharacterColumns
{
public:
    explicit CharacterColumns(QStringView line)
    {
        for (qsizetype i = 0; i < line.size(); ++i) {
            if (line[i].isHighSurrogate()) {
                m_columns.resize(line.size() + 1);
                int column = 0;
                for (qsizetype j = 0; j < line.size(); ++j) {
                    m_columns[size_t(j)] = column;
                    if (!(line[j].isLowSurrogate() && j > 0 && line[j - 1].isHighSurrogate()))
                        ++column;
                }
                m_columns[size_t(line.size())] = column;
                break;
            }
        }
    }

    int operator()(int offset) const { return m_columns.empty() ? offset : m_columns[size_t(offset)]; }

private:
    std::vector<int> m_columns;
};

void appendEscaped(QString &out, QStringView text)
{
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&': out += QLatin1String("&amp;"); break;
        case u'<': out += QLatin1String("&lt;"); break;
        case u'>': out += QLatin1String("&gt;"); break;
        case u'"': out += QLatin1String("&quot;"); break;
        case u'\t': out += c; break;
        default:
            out += (c.unicode() < 0x20 || c.unicode() == 0x7F) ? QChar(QChar::ReplacementCharacter) : c;
        }
    }
}

} // namespace

QByteArray runsText(const TwmlHighlighter &highlighter, const QStringList &lines)
{
    QByteArray out;
    RegionState state;
    std::vector<TwmlHighlighter::Run> runs;
    for (int lineIndex = 0; lineIndex < lines.size(); ++lineIndex) {
        const QString &line = lines[lineIndex];
        state = highlighter.scanLine(line, state, &runs);
        const CharacterColumns columns(line);
        const QByteArray lineField = QByteArray::number(lineIndex) + '\t';
        for (const TwmlHighlighter::Run &run : runs) {
            const int column = columns(run.start);
            out += lineField;
            out += QByteArray::number(column);
            out += '\t';
            out += QByteArray::number(columns(run.start + run.length) - column);
            out += '\t';
            out += textClassName(run.textClass);
            out += '\n';
        }
    }
    return out;
}

QString styleRule(TextClass textClass, const TextAttributes &attributes)
{
    QString rule = QLatin1Char('.') + textClassName(textClass) + QLatin1String(" { color: ")
        + attributes.foreground.name() + QLatin1String("; background: ") + attributes.background.name()
        + QLatin1Char(';');
    if (attributes.alternativeFont)
        rule += QLatin1String(" font-family: \"MS Sans Serif\", sans-serif;");
    if (attributes.bold)
        rule += QLatin1String(" font-weight: bold;");
    if (attributes.italic)
        rule += QLatin1String(" font-style: italic;");
    if (attributes.underline || attributes.strikeOut) {
        rule += QLatin1String(" text-decoration:");
        if (attributes.underline)
            rule += QLatin1String(" underline");
        if (attributes.strikeOut)
            rule += QLatin1String(" line-through");
        rule += QLatin1Char(';');
    }
    return rule + QLatin1String(" }");
}

QByteArray htmlPage(const TwmlHighlighter &highlighter, const QStringList &lines, const QString &title)
{
    const TextAttributes &plain = highlighter.attributes(TextClass::DefaultText);
    QString page = QLatin1String("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>");
    appendEscaped(page, title);
    page += QLatin1String("</title>\n<style>\npre { font-family: \"Courier New\", monospace; color: ")
        + plain.foreground.name() + QLatin1String("; background: ") + plain.background.name()
        + QLatin1String("; }\n");
    for (int i = 0; i < TextClassCount; ++i)
        page += styleRule(TextClass(i), highlighter.attributes(TextClass(i))) + QLatin1Char('\n');
    page += QLatin1String("</style>\n</head>\n<body>\n<pre>");

    RegionState state;
    std::vector<TwmlHighlighter::Run> runs;
    for (int lineIndex = 0; lineIndex < lines.size(); ++lineIndex) {
        if (lineIndex > 0)
            page += QLatin1Char('\n');
        const QString &line = lines[lineIndex];
        state = highlighter.scanLine(line, state, &runs);
        for (const TwmlHighlighter::Run &run : runs) {
            page += QLatin1String("<span class=\"") + textClassName(run.textClass) + QLatin1String("\">");
            appendEscaped(page, QStringView(line).mid(run.start, run.length));
            page += QLatin1String("</span>");
        }
    }
    page += QLatin1String("</pre>\n</body>\n</html>\n");
    return page.toUtf8();
}

} // namespace HighlightExport
