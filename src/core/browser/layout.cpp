#include "layout.h"

#include "browsercontext.h"
#include "cardtext.h"
#include "devices/deviceprofile.h"
#include "lineflow.h"
#include "textmetrics.h"
#include "variablesubstitution.h"
#include "wml/wmlnode.h"

#include <algorithm>

using VariableSubstitution::substitute;

namespace {

class CardWalker
{
public:
    CardWalker(const Layout::Input &input, const DeviceProfile &profile)
        : m_input(input)
        , m_metrics(profile)
        , m_width(profile.screenWidth)
        , m_flow(profile.screenWidth, m_metrics)
    {
        m_current = &m_flow;
    }

    Screen run()
    {
        Screen screen;
        screen.title = substitute(m_input.card->value(u"title"), *m_input.context);
        walkChildren(*m_input.card, 0, -1, ScreenRun::Kind::Text, 0);
        screen.lines = m_flow.takeLines();
        screen.items = m_items;
        for (int line = 0; line < screen.lines.size(); ++line) {
            for (const ScreenRun &run : screen.lines[line].runs) {
                if (run.item >= 0 && screen.items[run.item].line < 0)
                    screen.items[run.item].line = line;
            }
        }
        for (ScreenItem &item : screen.items)
            item.line = std::max(0, item.line);
        return screen;
    }

private:
    void walkChildren(const WmlNode &node, int style, int item, ScreenRun::Kind kind, int depth)
    {
        for (const WmlNode &child : node.children)
            walk(child, style, item, kind, depth + 1);
    }

    int addItem(ScreenItem::Kind kind, const WmlNode &node, const QString &text)
    {
        ScreenItem item;
        item.kind = kind;
        item.node = &node;
        item.text = text;
        item.line = -1;
        m_items.append(item);
        return int(m_items.size()) - 1;
    }

    void walk(const WmlNode &node, int style, int item, ScreenRun::Kind kind, int depth)
    {
        if (depth > CardText::maximumDepth)
            return;
        if (node.isText()) {
            const QString text = substitute(node.text, *m_input.context);
            if (m_pre)
                m_current->preformatted(text, style);
            else
                m_current->text(CardText::collapse(text), style, item, kind);
            return;
        }
        const QString &name = node.name;
        if (name == QLatin1String("p")) {
            paragraph(node, style, depth);
        } else if (name == QLatin1String("br")) {
            m_current->lineBreak();
        } else if (name == QLatin1String("b") || name == QLatin1String("strong")) {
            walkChildren(node, style | RunStyle::Bold, item, kind, depth);
        } else if (name == QLatin1String("i") || name == QLatin1String("em")) {
            walkChildren(node, style | RunStyle::Italic, item, kind, depth);
        } else if (name == QLatin1String("u")) {
            walkChildren(node, style | RunStyle::Underline, item, kind, depth);
        } else if (name == QLatin1String("big")) {
            walkChildren(node, (style & ~RunStyle::Small) | RunStyle::Big, item, kind, depth);
        } else if (name == QLatin1String("small")) {
            walkChildren(node, (style & ~RunStyle::Big) | RunStyle::Small, item, kind, depth);
        } else if (name == QLatin1String("a") || name == QLatin1String("anchor")) {
            link(node, style, item, depth);
        } else if (name == QLatin1String("img")) {
            picture(node, style, item, kind);
        } else if (name == QLatin1String("input")) {
            field(node, ScreenItem::Kind::Input, Layout::inputText(node, *m_input.context), style);
        } else if (name == QLatin1String("select")) {
            select(node, style);
        } else if (name == QLatin1String("table")) {
            table(node, style, depth);
        } else if (name == QLatin1String("pre")) {
            pre(node, style, depth);
        } else if (name == QLatin1String("do") || name == QLatin1String("onevent") || name == QLatin1String("timer")
                   || name == QLatin1String("go") || name == QLatin1String("prev")
                   || name == QLatin1String("refresh") || name == QLatin1String("noop")
                   || name == QLatin1String("setvar") || name == QLatin1String("postfield")
                   || name == QLatin1String("option") || name == QLatin1String("optgroup")) {
            return;
        } else {
            // fieldset, and elements a deck of another document type may
            // bring: their content shows.
            walkChildren(node, style, item, kind, depth);
        }
    }

    void paragraph(const WmlNode &node, int style, int depth)
    {
        const QString align = node.value(u"align");
        const ScreenLine::Align lineAlign = align == QLatin1String("center") ? ScreenLine::Align::Center
                                            : align == QLatin1String("right") ? ScreenLine::Align::Right
                                                                              : ScreenLine::Align::Left;
        const QString mode = node.value(u"mode");
        // An empty paragraph changes nothing, not even the wrap mode.
        bool empty = true;
        for (const WmlNode &child : node.children)
            empty = empty && child.isText() && child.isWhitespace();
        if (empty)
            return;
        if (mode == QLatin1String("nowrap"))
            m_wrap = false;
        else if (mode == QLatin1String("wrap"))
            m_wrap = true;
        m_current->startParagraph(lineAlign, m_wrap);
        walkChildren(node, style, -1, ScreenRun::Kind::Text, depth);
        m_current->endParagraph();
    }

    void link(const WmlNode &node, int style, int outerItem, int depth)
    {
        if (outerItem >= 0) { // links do not nest: the inner one is text of the outer
            walkChildren(node, style, outerItem, ScreenRun::Kind::Link, depth);
            return;
        }
        QString text = CardText::collapse(substitute(CardText::plainText(node), *m_input.context)).trimmed();
        bool hasPicture = !node.elements(u"img").isEmpty();
        const int item = addItem(ScreenItem::Kind::Link, node, text);
        m_current->beginFrame();
        if (text.isEmpty() && !hasPicture) {
            // A link with nothing to show still has to be reachable.
            QString label = substitute(node.value(u"title"), *m_input.context);
            if (label.isEmpty())
                label = node.name == QLatin1String("a") ? substitute(node.value(u"href"), *m_input.context)
                                                        : QStringLiteral("?");
            m_items[item].text = label;
            m_current->text(label, style, item, ScreenRun::Kind::Link);
        } else {
            walkChildren(node, style, item, ScreenRun::Kind::Link, depth);
        }
        m_current->endFrame();
    }

    void picture(const WmlNode &node, int style, int item, ScreenRun::Kind kind)
    {
        const QString alt = substitute(node.value(u"alt"), *m_input.context);
        const QString src = substitute(node.value(u"src"), *m_input.context);
        const QSize size = m_input.pictureSize && !src.isEmpty() ? m_input.pictureSize(src) : QSize();
        if (size.isEmpty()) {
            m_current->text(CardText::collapse(alt), style, item, kind);
            return;
        }
        ScreenRun run;
        run.kind = ScreenRun::Kind::Picture;
        run.text = alt;
        run.item = item;
        run.style = style;
        run.pictureSize = size;
        run.source = src;
        run.width = std::min(size.width(), m_width);
        m_current->atom(run, size.height(), false);
    }

    void field(const WmlNode &node, ScreenItem::Kind kind, const QString &text, int style)
    {
        const int item = addItem(kind, node, text);
        ScreenRun run;
        run.kind = kind == ScreenItem::Kind::Input ? ScreenRun::Kind::Input : ScreenRun::Kind::Select;
        run.text = text;
        run.item = item;
        run.style = style;
        run.width = m_metrics.width(text, style);
        m_current->atom(run, m_metrics.lineHeight(style), true);
    }

    void select(const WmlNode &node, int style)
    {
        QString text;
        if (m_input.selects && m_input.selects->contains(&node))
            text = m_input.selects->value(&node).shownText();
        field(node, ScreenItem::Kind::Select, text + QStringLiteral(" v"), style);
    }

    void pre(const WmlNode &node, int style, int depth)
    {
        m_current->startParagraph(ScreenLine::Align::Left, false);
        const bool outer = m_pre;
        m_pre = true;
        walkChildren(node, style, -1, ScreenRun::Kind::Text, depth);
        m_pre = outer;
        m_current->endParagraph();
    }

    // Each row on a line of its own, its cells in columns as wide as the
    // widest cell of the column.
    void table(const WmlNode &node, int style, int depth)
    {
        QList<QList<QList<ScreenRun>>> rows;
        QList<int> widths;
        LineFlow *outer = m_current;
        for (const WmlNode *row : node.elements(u"tr")) {
            QList<QList<ScreenRun>> cells;
            for (const WmlNode *cell : row->elements(u"td")) {
                LineFlow cellFlow(1 << 20, m_metrics);
                m_current = &cellFlow;
                cellFlow.startParagraph(ScreenLine::Align::Left, false);
                walkChildren(*cell, style, -1, ScreenRun::Kind::Text, depth);
                QList<ScreenRun> runs;
                int x = 0;
                for (const ScreenLine &line : cellFlow.takeLines()) {
                    for (ScreenRun run : line.runs) {
                        if (!runs.isEmpty()) // a br in a cell: the lines go side by side
                            x += m_metrics.advance(0);
                        run.x = x;
                        x += run.width;
                        runs.append(run);
                    }
                }
                if (widths.size() <= cells.size())
                    widths.append(0);
                widths[cells.size()] = std::max(widths[cells.size()], x);
                cells.append(runs);
            }
            rows.append(cells);
        }
        m_current = outer;
        for (const QList<QList<ScreenRun>> &cells : rows) {
            m_current->startParagraph(ScreenLine::Align::Left, false);
            for (int column = 0; column < cells.size(); ++column) {
                int used = 0;
                for (const ScreenRun &run : cells[column])
                    used = std::max(used, run.x + run.width);
                for (const ScreenRun &run : cells[column])
                    m_current->atom(run, m_metrics.lineHeight(run.style), false);
                if (column + 1 < cells.size()) {
                    const int pad = (widths[column] - used) / m_metrics.advance(0) + 1;
                    ScreenRun padding;
                    padding.text = QString(pad, QLatin1Char(' '));
                    padding.width = pad * m_metrics.advance(0);
                    m_current->atom(padding, m_metrics.lineHeight(0), false);
                }
            }
            m_current->endParagraph();
        }
        m_current->startParagraph(ScreenLine::Align::Left, m_wrap);
    }

    const Layout::Input &m_input;
    TextMetrics m_metrics;
    int m_width;
    LineFlow m_flow;
    LineFlow *m_current;
    QList<ScreenItem> m_items;
    bool m_wrap = true;
    bool m_pre = false;
};

} // namespace

QString Layout::inputText(const WmlNode &input, const BrowserContext &context)
{
    QString value = context.value(input.value(u"name"));
    if (input.value(u"type") == QLatin1String("password"))
        value = QString(value.size(), QLatin1Char('*'));
    // A size asks for that many places; the cursor's place is always there.
    bool ok = false;
    const int size = std::min(input.value(u"size").trimmed().toInt(&ok), 64);
    const int places = std::max(ok ? size : 0, TextMetrics::characters(value) + 1);
    return value + QString(places - TextMetrics::characters(value), QLatin1Char('_'));
}

Screen Layout::layOut(const Input &input, const DeviceProfile &profile)
{
    if (!input.card || !input.context)
        return Screen();
    CardWalker walker(input, profile);
    return walker.run();
}
