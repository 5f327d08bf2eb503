// The retro handset used by the splash, the About picture and the app icon.
#include "artwork.h"

#include <QPainterPath>

#include <cmath>
#include <cstring>
#include <vector>

namespace art {
namespace {

// A tiny 5-row pixel font for the LCD.  Only the letters used on screen.
struct Glyph {
    char ch;
    const char *rows[5];
};

const Glyph lcdFont[] = {
    {'A', {".#.", "#.#", "###", "#.#", "#.#"}},
    {'B', {"##.", "#.#", "##.", "#.#", "##."}},
    {'C', {".##", "#..", "#..", "#..", ".##"}},
    {'E', {"###", "#..", "##.", "#..", "###"}},
    {'H', {"#.#", "#.#", "###", "#.#", "#.#"}},
    {'K', {"#.#", "#.#", "##.", "#.#", "#.#"}},
    {'L', {"#..", "#..", "#..", "#..", "###"}},
    {'M', {"#...#", "##.##", "#.#.#", "#...#", "#...#"}},
    {'N', {"#..#", "##.#", "#.##", "#..#", "#..#"}},
    {'O', {".#.", "#.#", "#.#", "#.#", ".#."}},
    {'P', {"##.", "#.#", "##.", "#..", "#.."}},
    {'T', {"###", ".#.", ".#.", ".#.", ".#."}},
    {'W', {"#...#", "#...#", "#.#.#", "##.##", "#...#"}},
    {'X', {"#.#", "#.#", ".#.", "#.#", "#.#"}},
    {'>', {"#..", ".#.", "..#", ".#.", "#.."}},
    {' ', {"..", "..", "..", "..", ".."}},
};

const Glyph *findGlyph(char c)
{
    for (const Glyph &g : lcdFont) {
        if (g.ch == c)
            return &g;
    }
    return nullptr;
}

// Monochrome LCD contents at the display's own resolution.
class Lcd
{
public:
    Lcd(int w, int h) : m_w(w), m_h(h), m_cells(size_t(w * h), 0) {}

    int width() const { return m_w; }
    int height() const { return m_h; }
    bool at(int x, int y) const { return m_cells[size_t(y * m_w + x)] != 0; }

    void set(int x, int y, bool on = true)
    {
        if (x >= 0 && y >= 0 && x < m_w && y < m_h)
            m_cells[size_t(y * m_w + x)] = on ? 1 : 0;
    }

    void rect(int x, int y, int w, int h, bool on = true)
    {
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i)
                set(x + i, y + j, on);
    }

    static int textWidth(const char *text)
    {
        int w = 0;
        for (const char *c = text; *c; ++c) {
            if (const Glyph *g = findGlyph(*c))
                w += int(std::strlen(g->rows[0])) + 1;
        }
        return w > 0 ? w - 1 : 0;
    }

    void text(int x, int y, const char *text, bool on = true)
    {
        for (const char *c = text; *c; ++c) {
            const Glyph *g = findGlyph(*c);
            if (!g)
                continue;
            const int gw = int(std::strlen(g->rows[0]));
            for (int row = 0; row < 5; ++row)
                for (int col = 0; col < gw; ++col)
                    if (g->rows[row][col] == '#')
                        set(x + col, y + row, on);
            x += gw + 1;
        }
    }

private:
    int m_w, m_h;
    std::vector<char> m_cells;
};

// A welcome card: status line, inverted title, a line of text, a link and
// the two soft-key labels.
Lcd cardScreen()
{
    Lcd lcd(34, 32);
    for (int i = 0; i < 4; ++i)                       // signal strength
        lcd.rect(i * 2, 3 - i, 1, i + 1);
    lcd.rect(27, 0, 6, 4);                            // battery
    lcd.rect(30, 1, 2, 2, false);
    lcd.rect(33, 1, 1, 2);

    lcd.rect(0, 5, 34, 7);
    lcd.text((34 - Lcd::textWidth("WELCOME")) / 2, 6, "WELCOME", false);

    lcd.text(1, 13, "HELLO");
    lcd.text(1, 19, "> NEXT");
    lcd.rect(8, 25, Lcd::textWidth("NEXT"), 1);

    lcd.text(0, 27, "OK");
    lcd.text(34 - Lcd::textWidth("BACK"), 27, "BACK");
    return lcd;
}

// The same idea reduced to blocks for icon sizes.
Lcd miniCardScreen()
{
    Lcd lcd(15, 11);
    lcd.rect(0, 0, 15, 3);
    lcd.rect(4, 1, 7, 1, false);
    lcd.rect(1, 5, 10, 1);
    lcd.rect(1, 7, 12, 1);
    lcd.rect(1, 9, 6, 1);
    return lcd;
}

QRectF snapRect(const QRectF &r, bool snap)
{
    if (!snap)
        return r;
    return QRectF(QPointF(std::round(r.left()), std::round(r.top())),
                  QPointF(std::round(r.right()), std::round(r.bottom())));
}

void roundRect(QPainter &p, const QRectF &r, qreal radius, const QColor &c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRoundedRect(r, radius, radius);
}

void paintLcd(QPainter &p, const QRectF &area, const Lcd &lcd, bool snap)
{
    qreal unit = std::min(area.width() / lcd.width(), area.height() / lcd.height());
    if (unit >= 1.0)
        unit = std::floor(unit);
    const qreal w = unit * lcd.width(), h = unit * lcd.height();
    qreal x0 = area.left() + (area.width() - w) / 2;
    qreal y0 = area.top() + (area.height() - h) / 2;
    if (snap || unit >= 1.0) {
        x0 = std::round(x0);
        y0 = std::round(y0);
    }
    for (int y = 0; y < lcd.height(); ++y)
        for (int x = 0; x < lcd.width(); ++x)
            if (lcd.at(x, y))
                p.fillRect(QRectF(x0 + x * unit, y0 + y * unit, unit, unit), pal::lcdDark);
}

} // namespace

void drawPhone(QPainter &p, const QRectF &bounds, Screen screen, bool snap)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = bounds.width(), h = bounds.height();
    const qreal x = bounds.left(), y = bounds.top();
    auto sr = [snap](const QRectF &r) { return snapRect(r, snap); };

    // stubby antenna behind the body
    roundRect(p, sr(QRectF(x + 0.66 * w, y, 0.15 * w, 0.12 * h)), 0.06 * w, pal::bodyEdge);

    const QRectF body = sr(QRectF(x, y + 0.05 * h, w, 0.95 * h));
    roundRect(p, body, 0.2 * w, pal::bodyEdge);
    const qreal edge = std::max(1.0, snap ? std::round(0.03 * w) : 0.03 * w);
    roundRect(p, body.adjusted(edge, edge, -edge, -edge), 0.2 * w - edge, pal::body);

    // earpiece
    const qreal slotH = std::max(1.0, 0.012 * h);
    roundRect(p, sr(QRectF(x + 0.36 * w, body.top() + 0.035 * h, 0.28 * w, slotH)),
              slotH / 2, pal::bezel);

    // screen
    const QRectF bezel = sr(QRectF(x + 0.09 * w, body.top() + 0.07 * h, 0.82 * w, 0.40 * h));
    roundRect(p, bezel, 0.07 * w, pal::bezel);
    const qreal inset = 0.05 * w;
    const QRectF glass = sr(bezel.adjusted(inset, inset, -inset, -inset));
    p.fillRect(glass, pal::lcd);
    paintLcd(p, glass.adjusted(inset * 0.25, inset * 0.25, -inset * 0.25, -inset * 0.25),
             screen == Screen::Card ? cardScreen() : miniCardScreen(), snap);

    // soft keys either side of the navigation key
    const qreal navTop = bezel.bottom() + 0.035 * h, navH = 0.075 * h;
    const qreal softH = std::max(2.0, 0.03 * h);
    const qreal softY = navTop + (navH - softH) / 2;
    roundRect(p, sr(QRectF(x + 0.12 * w, softY, 0.2 * w, softH)), softH / 2, pal::key);
    roundRect(p, sr(QRectF(x + 0.68 * w, softY, 0.2 * w, softH)), softH / 2, pal::key);
    const QRectF nav = sr(QRectF(x + 0.36 * w, navTop, 0.28 * w, navH));
    roundRect(p, nav, navH / 2, pal::keyShadow);
    roundRect(p, nav.adjusted(0, 0, 0, -std::max(1.0, 0.008 * h)), navH / 2, pal::key);

    // keypad, 3 x 4
    qreal padTop = nav.bottom() + 0.035 * h;
    const qreal padBottom = body.bottom() - 0.06 * h;
    qreal padLeft = x + 0.13 * w;
    const qreal padRight = x + 0.87 * w;
    qreal gapX = 0.06 * w, gapY = 0.022 * h;
    qreal keyW = (padRight - padLeft - 2 * gapX) / 3;
    qreal keyH = (padBottom - padTop - 3 * gapY) / 4;
    if (snap) {
        // equal whole-pixel keys, centred; otherwise rounding makes them uneven
        gapX = std::max(1.0, std::round(gapX));
        gapY = std::max(1.0, std::round(gapY));
        keyW = std::floor(keyW);
        keyH = std::floor(keyH);
        padLeft = std::round(x + (w - 3 * keyW - 2 * gapX) / 2);
        padTop = std::round(padTop);
    }
    const qreal drop = std::max(1.0, 0.008 * h);
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 3; ++col) {
            const QRectF k = sr(QRectF(padLeft + col * (keyW + gapX),
                                       padTop + row * (keyH + gapY), keyW, keyH));
            roundRect(p, k, keyH * 0.45, pal::keyShadow);
            roundRect(p, k.adjusted(0, 0, 0, -drop), keyH * 0.45, pal::key);
        }
    }
    p.restore();
}

} // namespace art
