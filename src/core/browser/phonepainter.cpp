#include "phonepainter.h"

#include "devices/deviceprofile.h"
#include "phonesession.h"
#include "textmetrics.h"

#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <cmath>

namespace {

class Canvas
{
public:
    Canvas(QImage *image, const DeviceProfile &profile, const PhonePainter::State &state)
        : m_painter(image), m_metrics(profile), m_state(state)
    {
        m_painter.setRenderHint(QPainter::TextAntialiasing, false);
        m_painter.setRenderHint(QPainter::Antialiasing, false);
    }

    QPainter &painter() { return m_painter; }
    const TextMetrics &metrics() const { return m_metrics; }

    // The largest size of the font whose glyphs, descenders included, stay
    // inside the line, so lines never paint over each other.
    const QFont &font(int style)
    {
        const int key = style & (RunStyle::Bold | RunStyle::Italic | RunStyle::Underline | RunStyle::Big | RunStyle::Small);
        auto found = m_fonts.constFind(key);
        if (found != m_fonts.constEnd())
            return *found;
        QFont font(QStringLiteral("DejaVu Sans Mono"));
        font.setStyleHint(QFont::TypeWriter, QFont::NoAntialias);
        font.setBold(style & RunStyle::Bold);
        font.setItalic(style & RunStyle::Italic);
        font.setUnderline(style & RunStyle::Underline);
        const int height = m_metrics.lineHeight(style);
        for (int size = std::max(1, height); size > 1; --size) {
            font.setPixelSize(size);
            if (QFontMetrics(font).height() <= height && QFontMetrics(font).averageCharWidth() <= m_metrics.advance(style))
                break;
        }
        return *m_fonts.insert(key, font);
    }

    // Text on the fixed advance, one character at a time; returns the x after it.
    int text(int x, int top, const QString &text, int style, const QColor &colour)
    {
        const QFont &chosen = font(style);
        m_painter.setFont(chosen);
        m_painter.setPen(colour);
        const int advance = m_metrics.advance(style);
        const int height = m_metrics.lineHeight(style);
        const QFontMetrics metrics(chosen);
        const int baseline = top + (height - metrics.height() + 1) / 2 + metrics.ascent();
        for (int i = 0; i < text.size(); ++i) {
            int length = 1;
            while (i + length < text.size()
                   && (text[i + length].isLowSurrogate() || text[i + length].category() == QChar::Mark_NonSpacing))
                ++length;
            m_painter.drawText(x, baseline, text.mid(i, length));
            x += advance;
            i += length - 1;
        }
        return x;
    }

    const PhonePainter::State &state() const { return m_state; }

private:
    QPainter m_painter;
    TextMetrics m_metrics;
    const PhonePainter::State &m_state;
    QHash<int, QFont> m_fonts;
};

int lineX(const ScreenLine &line, int width)
{
    switch (line.align) {
    case ScreenLine::Align::Center:
        return std::max(0, (width - line.width) / 2);
    case ScreenLine::Align::Right:
        return std::max(0, width - line.width);
    case ScreenLine::Align::Left:
        break;
    }
    return 0;
}

void paintLine(Canvas &canvas, const Screen &screen, const ScreenLine &line, int top, int width)
{
    const int left = lineX(line, width);
    const QColor paper = canvas.state().paper, ink = canvas.state().ink;
    for (const ScreenRun &run : line.runs) {
        const bool focused = run.item >= 0 && run.item == screen.focus && !screen.menuOpen;
        const int x = left + run.x;
        const QColor back = canvas.state().highlight.isValid() ? canvas.state().highlight : ink;
        const QColor front = canvas.state().highlightText.isValid() ? canvas.state().highlightText : paper;
        const QColor colour = focused ? front : ink;
        if (focused)
            canvas.painter().fillRect(QRect(x, top, run.width, line.height), back);
        if (run.kind == ScreenRun::Kind::Picture && run.pictureSize.isValid() && canvas.state().picture) {
            const QImage picture = canvas.state().picture(run.source);
            if (!picture.isNull()) {
                canvas.painter().drawImage(QRect(QPoint(x, top + line.height - run.pictureSize.height()), run.pictureSize),
                                           picture);
                continue;
            }
        }
        int textX = x;
        const int advance = canvas.metrics().advance(run.style);
        if (run.frameOpen)
            textX = canvas.text(textX, top, run.kind == ScreenRun::Kind::Link ? QStringLiteral("<") : QStringLiteral("["),
                                run.style, colour);
        int textTop = top + line.height - canvas.metrics().lineHeight(run.style);
        textX = canvas.text(textX, textTop, run.text, run.style, colour);
        if (run.kind == ScreenRun::Kind::Link && !focused)
            canvas.painter().fillRect(QRect(x + (run.frameOpen ? advance : 0), top + line.height - 1,
                                            std::max(0, textX - x - (run.frameOpen ? advance : 0)), 1), ink);
        if (run.frameClose)
            canvas.text(textX, textTop, run.kind == ScreenRun::Kind::Link ? QStringLiteral(">") : QStringLiteral("]"),
                        run.style, colour);
    }
}

void paintList(Canvas &canvas, const ScreenMenu &menu, int top, int width, int height)
{
    QPainter &p = canvas.painter();
    const QColor paper = canvas.state().paper, ink = canvas.state().ink;
    const int row = canvas.metrics().lineHeight(0);
    p.fillRect(QRect(0, top, width, height), paper);
    int y = top;
    if (!menu.title.isEmpty()) {
        canvas.text(1, y, menu.title, RunStyle::Bold, ink);
        y += row;
        p.fillRect(QRect(0, y, width, 1), ink);
        y += 1;
    }
    const int rows = std::max(1, (top + height - y) / row);
    const int first = std::clamp(menu.highlight - rows + 1, 0, std::max(0, int(menu.entries.size()) - rows));
    for (int i = first; i < menu.entries.size() && y + row <= top + height; ++i, y += row) {
        const bool highlighted = i == menu.highlight;
        const QColor back = canvas.state().highlight.isValid() ? canvas.state().highlight : ink;
        const QColor front = canvas.state().highlightText.isValid() ? canvas.state().highlightText : paper;
        if (highlighted)
            p.fillRect(QRect(0, y, width, row), back);
        QString entry = menu.entries[i];
        if (i < menu.checked.size())
            entry = (menu.checked[i] ? QStringLiteral("[x] ") : QStringLiteral("[ ] ")) + entry;
        canvas.text(1, y, entry, 0, highlighted ? front : ink);
    }
}

void paintEditor(Canvas &canvas, const Screen &screen, int top, int width, int height)
{
    QPainter &p = canvas.painter();
    const QColor paper = canvas.state().paper, ink = canvas.state().ink;
    const int row = canvas.metrics().lineHeight(0);
    p.fillRect(QRect(0, top, width, height), paper);
    QString label;
    if (screen.focus >= 0 && screen.focus < screen.items.size() && screen.items[screen.focus].node)
        label = screen.items[screen.focus].node->value(u"title");
    int y = top;
    if (!label.isEmpty()) {
        canvas.text(1, y, label, RunStyle::Bold, ink);
        y += row;
    }
    p.setPen(ink);
    p.drawRect(QRect(0, y, width - 1, row + 2));
    // The end of a long line shows, as a phone's editor scrolls along.
    const int fits = std::max(1, (width - 4) / canvas.metrics().advance(0) - 1);
    const QString &draft = canvas.state().draft;
    const QString shown = draft.size() > fits ? draft.right(fits) : draft;
    const int end = canvas.text(2, y + 1, shown, 0, ink);
    p.fillRect(QRect(end, y + 2, 1, row - 2), ink); // the caret
}

} // namespace

QImage PhonePainter::paint(const Screen &screen, const DeviceProfile &profile, const State &state)
{
    const int width = std::max(1, profile.screenWidth), height = std::max(1, profile.screenHeight);
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(state.paper);
    Canvas canvas(&image, profile, state);
    QPainter &p = canvas.painter();
    const int row = PhoneSession::rowHeight(profile);
    int bodyTop = 0;
    if (!screen.title.isEmpty()) {
        const int titleWidth = canvas.metrics().width(screen.title, RunStyle::Bold);
        canvas.text(std::max(0, (width - titleWidth) / 2), 0, screen.title, RunStyle::Bold, state.ink);
        bodyTop = row;
    }
    const int body = PhoneSession::bodyHeight(screen, profile);

    p.setClipRect(QRect(0, bodyTop, width, body));
    int y = bodyTop - state.scrollTop;
    for (const ScreenLine &line : screen.lines) {
        // Only whole lines show, as on a phone: a line cut by the soft key
        // row is left for the next scroll.
        if (y == bodyTop || (y > bodyTop && y + line.height <= bodyTop + body))
            paintLine(canvas, screen, line, y, width);
        y += line.height;
    }
    if (screen.menuOpen)
        paintList(canvas, screen.menu, bodyTop, width, body);
    else if (screen.editing)
        paintEditor(canvas, screen, bodyTop, width, body);
    // A bar at the right edge tells that the card goes on past the screen.
    const int total = y + state.scrollTop - bodyTop;
    if (total > body && !screen.menuOpen && !screen.editing) {
        const int barHeight = std::max(2, body * body / total);
        const int barTop = bodyTop + (body - barHeight) * state.scrollTop / std::max(1, total - body);
        p.fillRect(QRect(width - 2, bodyTop, 2, body), state.paper);
        p.fillRect(QRect(width - 1, barTop, 1, barHeight), state.ink);
    }
    p.setClipping(false);

    if (profile.softKeys > 0) {
        const int keysTop = height - row;
        p.fillRect(QRect(0, keysTop, width, row), state.paper);
        p.fillRect(QRect(0, keysTop, width, 1), state.ink);
        canvas.text(1, keysTop + 1, screen.soft1.label, 0, state.ink);
        const int right = canvas.metrics().width(screen.soft2.label, 0);
        canvas.text(std::max(0, width - right - 1), keysTop + 1, screen.soft2.label, 0, state.ink);
    }
    return image;
}

int PhonePainter::magnification(const DeviceProfile &profile, const QSize &room)
{
    int factor = 1;
    while (magnifiedSize(profile, factor + 1).width() <= room.width()
           && magnifiedSize(profile, factor + 1).height() <= room.height() && factor < 16)
        ++factor;
    return factor;
}

QSize PhonePainter::magnifiedSize(const DeviceProfile &profile, int factor)
{
    const double aspect = profile.pixelAspect > 0 ? profile.pixelAspect : 1.0;
    return QSize(profile.screenWidth * factor, int(std::lround(profile.screenHeight * factor * aspect)));
}
