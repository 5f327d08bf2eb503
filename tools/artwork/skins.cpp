// Device skins of the Preview tab: the phone pictures and skins/skins.ini.
//
// Every position that the program needs (screen, card title, the up and
// down arrow keys) is laid out once per device in layOut() and used both for
// drawing the picture and for writing the INI file, so the two always agree.
//
// skins.ini positions are pixels in the Preview tab; the picture is shown
// below the 25-pixel panel that holds the card and device lists, so picture
// row y is tab row y + 25.
#include "artwork.h"

#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace art {
namespace {

constexpr int panelHeight = 25;   // list panel above the picture in the tab
constexpr int margin = 10;        // room for the drop shadow around the body
constexpr int shadowDrop = 4;

enum class Nav { Rocker, Ring, Square };
enum class KeyShape { Pill, Rounded, Grid };

struct Look {
    QColor bodyLight, bodyDark, bodyEdge, bodyRim;
    QColor bezelTop, bezelBottom;
    QColor keyFace, keyShade, keyText, keyLetters;
    QColor navFace, navShade, navCentre, arrow;
    QColor titleBarTop, titleBarBottom;   // invalid: the title is on the bare LCD
    QColor label;                         // model name printed on the body
    qreal bodyRadius = 24;
    KeyShape keys = KeyShape::Pill;
    Nav nav = Nav::Ring;
    bool antenna = false;
};

struct Device {
    QString name, file;
    QString label;        // printed on the body
    QSize screen;
    int bodyWidth = 0;
    int stripHeight = 0;  // title strip above the screen
    int headHeight = 0;   // body top to bezel top
    int bezelPad = 0;     // bezel edge to glass
    int navGap = 0;       // bezel to navigation key, and on to the keypad
    int navSize = 0;      // height of the navigation key
    int keypadInset = 0;  // body edge to keypad
    int keyHeight = 0, keyGapX = 0, keyGapY = 0;
    int footHeight = 0;   // last key row to body bottom
    QColor screenColor, titleColor;
    QString font;
    int size = 8;
    QString titleFont;
    int titleSize = 8;
    bool titleBold = false;
    // The section of data/devices.ini the skin stands for.
    QString profile;
    Look look;
};

struct Layout {
    QSize picture;
    QRect body, antenna, earpiece, bezel, glass, strip, screen;
    QRect nav, navCentre, up, down, left, right;
    QRect softLeft, softRight, call, end;
    std::vector<QRect> keys;   // 3 x 4, row by row
    QPoint mic;
    int titleTop = 0;          // picture coordinates
};

// Height of a label showing text in this font at 96 dots per inch, the
// resolution at which the program places the title.
int labelHeight(const QString &family, int points, bool bold)
{
    QFont f(family == QLatin1String("Arial") ? QStringLiteral("Liberation Sans") : family);
    f.setPointSize(points);
    f.setBold(bold);
    QImage device(1, 1, QImage::Format_ARGB32);
    device.setDotsPerMeterX(qRound(96 / 0.0254));
    device.setDotsPerMeterY(qRound(96 / 0.0254));
    return int(std::ceil(QFontMetricsF(f, &device).height()));
}

Layout layOut(const Device &d)
{
    Layout l;
    const int top = margin + (d.look.antenna ? 14 : 0);
    const int cx = margin + d.bodyWidth / 2;   // centre column
    const int half = d.screen.width() / 2;

    l.strip = QRect(cx - half, top + d.headHeight + d.bezelPad + 2, d.screen.width(),
                    d.stripHeight);
    // one separating row between the title strip and the screen
    l.screen = QRect(QPoint(cx - half, l.strip.bottom() + 2), d.screen);
    l.glass = l.strip.united(l.screen).adjusted(-2, -2, 2, 2);
    l.bezel = l.glass.adjusted(-d.bezelPad, -d.bezelPad, d.bezelPad, d.bezelPad);
    l.earpiece = QRect(cx - 19, top + 12, 38, 5);

    const int titleH = labelHeight(d.titleFont, d.titleSize, d.titleBold);
    l.titleTop = l.strip.top() + (d.stripHeight - titleH + 1) / 2;

    // navigation key between the soft keys (above) and call keys (below)
    const int navTop = l.bezel.bottom() + 1 + d.navGap;
    const int bodyLeft = margin, bodyRight = margin + d.bodyWidth;
    if (d.look.nav == Nav::Rocker) {
        l.nav = QRect(cx - 14, navTop, 29, d.navSize);
        l.up = QRect(l.nav.left(), l.nav.top(), l.nav.width(), d.navSize / 2);
        l.down = QRect(l.nav.left(), l.up.bottom() + 1, l.nav.width(),
                       d.navSize - d.navSize / 2);
    } else {
        // odd sizes throughout, so that everything is centred on column cx
        const int r = d.navSize / 2;
        const int c = d.navSize * 18 / 100;   // half the centre key
        l.nav = QRect(cx - r, navTop, 2 * r + 1, 2 * r + 1);
        const int cy = navTop + r;
        l.navCentre = QRect(cx - c, cy - c, 2 * c + 1, 2 * c + 1);
        const int band = r - c;               // depth of each arrow key
        l.up = QRect(cx - 12, l.nav.top(), 25, band);
        l.down = QRect(cx - 12, l.navCentre.bottom() + 1, 25, band);
        l.left = QRect(l.nav.left(), cy - 12, band, 25);
        l.right = QRect(l.navCentre.right() + 1, cy - 12, band, 25);
    }
    const int sideW = l.nav.left() - bodyLeft;
    const int softW = sideW - 14 - 8, softH = 13;
    l.softLeft = QRect(bodyLeft + 14, l.nav.top() + 3, softW, softH);
    l.softRight = QRect(bodyRight - 14 - softW, l.softLeft.top(), softW, softH);
    l.call = QRect(l.softLeft.left(), l.nav.bottom() - 3 - softH - 2, softW, softH + 2);
    l.end = QRect(l.softRight.left(), l.call.top(), softW, softH + 2);

    const int padW = d.bodyWidth - 2 * d.keypadInset;
    const int keyW = (padW - 2 * d.keyGapX) / 3;
    const int padLeft = cx - (3 * keyW + 2 * d.keyGapX) / 2;
    const int padTop = l.nav.bottom() + 1 + d.navGap;
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 3; ++col)
            l.keys.emplace_back(padLeft + col * (keyW + d.keyGapX),
                                padTop + row * (d.keyHeight + d.keyGapY), keyW, d.keyHeight);

    const int bodyBottom = l.keys.back().bottom() + d.footHeight;
    l.body = QRect(QPoint(bodyLeft, top), QPoint(bodyRight - 1, bodyBottom));
    l.mic = QPoint(cx, bodyBottom - d.footHeight / 2 + 2);
    l.antenna = QRect(bodyRight - 52, margin, 24, 30);
    l.picture = QSize(d.bodyWidth + 2 * margin, bodyBottom + 1 + margin + shadowDrop);
    return l;
}

// ---- the devices -----------------------------------------------------------

std::vector<Device> devices()
{
    std::vector<Device> list;

    {   // a small candy bar with a green monochrome LCD
        Device d;
        d.name = QStringLiteral("Mono 96");
        d.profile = QStringLiteral("nokia7110");
        d.file = QStringLiteral("mono96.png");
        d.label = QStringLiteral("MONO 96");
        d.screen = QSize(96, 65);
        d.bodyWidth = 180;
        d.stripHeight = 14;
        d.headHeight = 38;
        d.bezelPad = 11;
        d.navGap = 10;
        d.navSize = 56;
        d.keypadInset = 18;
        d.keyHeight = 24;
        d.keyGapX = 10;
        d.keyGapY = 8;
        d.footHeight = 34;
        d.screenColor = QColor(0x9f, 0xbf, 0x7f);
        d.titleColor = QColor(0x1f, 0x3b, 0x1b);
        d.font = d.titleFont = QStringLiteral("Arial");
        d.size = 7;
        d.titleSize = 8;
        d.titleBold = false;
        Look &k = d.look;
        k.bodyLight = QColor(0x6e, 0x8c, 0xaa);
        k.bodyDark = pal::bodyEdge;
        k.bodyEdge = QColor(0x22, 0x30, 0x3d);
        k.bodyRim = QColor(0xa9, 0xbe, 0xd3);
        k.bezelTop = QColor(0x2a, 0x34, 0x3e);
        k.bezelBottom = QColor(0x16, 0x1c, 0x22);
        k.keyFace = pal::key;
        k.keyShade = pal::keyShadow;
        k.keyText = pal::ink;
        k.keyLetters = pal::greyDark;
        k.navFace = QColor(0xd2, 0xda, 0xe2);
        k.navShade = QColor(0x8e, 0x9c, 0xaa);
        k.arrow = pal::ink;
        k.label = QColor(0xc4, 0xd3, 0xe1);
        k.bodyRadius = 30;
        k.keys = KeyShape::Pill;
        k.nav = Nav::Rocker;
        k.antenna = true;
        list.push_back(d);
    }
    {   // a silver colour phone with a square screen
        Device d;
        d.name = QStringLiteral("Colour 128");
        d.profile = QStringLiteral("generic128");
        d.file = QStringLiteral("colour128.png");
        d.label = QStringLiteral("COLOUR 128");
        d.screen = QSize(128, 128);
        d.bodyWidth = 200;
        d.stripHeight = 16;
        d.headHeight = 40;
        d.bezelPad = 12;
        d.navGap = 10;
        d.navSize = 72;
        d.keypadInset = 20;
        d.keyHeight = 25;
        d.keyGapX = 9;
        d.keyGapY = 7;
        d.footHeight = 34;
        d.screenColor = QColor(0xff, 0xff, 0xff);
        d.titleColor = QColor(0xff, 0xff, 0xff);
        d.font = d.titleFont = QStringLiteral("Arial");
        d.size = 8;
        d.titleSize = 8;
        d.titleBold = true;
        Look &k = d.look;
        k.bodyLight = QColor(0xee, 0xf0, 0xf3);
        k.bodyDark = QColor(0xa0, 0xa7, 0xb0);
        k.bodyEdge = QColor(0x76, 0x7d, 0x86);
        k.bodyRim = QColor(0xff, 0xff, 0xff);
        k.bezelTop = QColor(0x2e, 0x34, 0x3b);
        k.bezelBottom = QColor(0x10, 0x13, 0x16);
        k.keyFace = QColor(0x56, 0x5f, 0x69);
        k.keyShade = QColor(0x2a, 0x30, 0x36);
        k.keyText = QColor(0xf4, 0xf6, 0xf8);
        k.keyLetters = QColor(0xb4, 0xbd, 0xc6);
        k.navFace = QColor(0x5c, 0x65, 0x70);
        k.navShade = QColor(0x2a, 0x30, 0x36);
        k.navCentre = QColor(0xdc, 0xe1, 0xe6);
        k.arrow = QColor(0xf4, 0xf6, 0xf8);
        k.titleBarTop = pal::blue;
        k.titleBarBottom = pal::blueDark;
        k.label = QColor(0x6d, 0x77, 0x82);
        k.bodyRadius = 38;
        k.keys = KeyShape::Rounded;
        k.nav = Nav::Ring;
        list.push_back(d);
    }
    {   // a large black colour phone
        Device d;
        d.name = QStringLiteral("Colour 176");
        d.profile = QStringLiteral("generic176");
        d.file = QStringLiteral("colour176.png");
        d.label = QStringLiteral("COLOUR 176");
        d.screen = QSize(176, 208);
        d.bodyWidth = 236;
        d.stripHeight = 18;
        d.headHeight = 36;
        d.bezelPad = 10;
        d.navGap = 9;
        d.navSize = 74;
        d.keypadInset = 22;
        d.keyHeight = 24;
        d.keyGapX = 3;
        d.keyGapY = 3;
        d.footHeight = 30;
        d.screenColor = QColor(0xf4, 0xf7, 0xf9);
        d.titleColor = QColor(0xff, 0xff, 0xff);
        d.font = d.titleFont = QStringLiteral("Arial");
        d.size = 8;
        d.titleSize = 9;
        d.titleBold = true;
        Look &k = d.look;
        k.bodyLight = QColor(0x4a, 0x51, 0x59);
        k.bodyDark = QColor(0x1b, 0x1e, 0x22);
        k.bodyEdge = QColor(0x0b, 0x0d, 0x0f);
        k.bodyRim = QColor(0xc8, 0xcf, 0xd7);
        k.bezelTop = QColor(0x17, 0x1a, 0x1e);
        k.bezelBottom = QColor(0x06, 0x07, 0x09);
        k.keyFace = QColor(0xdc, 0xe1, 0xe6);
        k.keyShade = QColor(0x86, 0x8f, 0x99);
        k.keyText = QColor(0x22, 0x27, 0x2c);
        k.keyLetters = QColor(0x5c, 0x66, 0x71);
        k.navFace = QColor(0xc6, 0xcd, 0xd5);
        k.navShade = QColor(0x6a, 0x73, 0x7d);
        k.navCentre = QColor(0x3a, 0x41, 0x49);
        k.arrow = QColor(0x22, 0x27, 0x2c);
        k.titleBarTop = QColor(0x24, 0x7a, 0x84);
        k.titleBarBottom = QColor(0x14, 0x4c, 0x53);
        k.label = QColor(0x8c, 0x9a, 0xa5);
        k.bodyRadius = 24;
        k.keys = KeyShape::Grid;
        k.nav = Nav::Square;
        list.push_back(d);
    }
    return list;
}

// ---- drawing ---------------------------------------------------------------

// Box blur of the alpha channel, three passes in each direction.
void blurAlpha(QImage &image, int radius)
{
    const int w = image.width(), h = image.height();
    std::vector<int> a(size_t(w * h)), t(size_t(w * h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            a[size_t(y * w + x)] = qAlpha(image.pixel(x, y));
    const int span = 2 * radius + 1;
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                int sum = 0;
                for (int i = -radius; i <= radius; ++i)
                    sum += a[size_t(y * w + std::clamp(x + i, 0, w - 1))];
                t[size_t(y * w + x)] = sum / span;
            }
        }
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                int sum = 0;
                for (int i = -radius; i <= radius; ++i)
                    sum += t[size_t(std::clamp(y + i, 0, h - 1) * w + x)];
                a[size_t(y * w + x)] = sum / span;
            }
        }
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgba(0, 0, 0, a[size_t(y * w + x)]));
}

// A rounded rectangle as a path, for filling and clipping.
QPainterPath roundedPath(const QRectF &r, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

QLinearGradient vertical(const QRectF &r, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

void drawShadow(QPainter &p, const Layout &l, qreal radius)
{
    QImage shadow(l.picture, QImage::Format_ARGB32);
    shadow.fill(Qt::transparent);
    {
        QPainter s(&shadow);
        s.setRenderHint(QPainter::Antialiasing);
        s.setPen(Qt::NoPen);
        s.setBrush(Qt::black);
        s.drawPath(roundedPath(QRectF(l.body).adjusted(1, 1, -1, -1), radius));
    }
    blurAlpha(shadow, 2);
    p.save();
    p.setOpacity(0.45);
    p.drawImage(QPoint(0, shadowDrop), shadow);
    p.restore();
}

void drawBody(QPainter &p, const Device &d, const Layout &l)
{
    const Look &k = d.look;
    const QRectF body = QRectF(l.body).adjusted(0, 0, 1, 1);   // covers whole pixels
    p.setPen(Qt::NoPen);

    if (k.antenna) {
        const QRectF a(l.antenna);
        QLinearGradient g(a.topLeft(), a.topRight());
        g.setColorAt(0, k.bodyEdge);
        g.setColorAt(0.35, k.bodyDark.lighter(130));
        g.setColorAt(1, k.bodyEdge);
        p.setBrush(k.bodyEdge);
        p.drawRoundedRect(a, 8, 8);
        p.setBrush(g);
        p.drawRoundedRect(a.adjusted(1, 1, -1, 0), 7, 7);
    }

    // edge, then the shaded face: lit from the upper left
    p.setBrush(k.bodyEdge);
    p.drawPath(roundedPath(body, k.bodyRadius));
    const QRectF face = body.adjusted(1, 1, -1, -1);
    QLinearGradient across(face.topLeft(), face.topRight());
    across.setColorAt(0, k.bodyDark);
    across.setColorAt(0.08, k.bodyLight.darker(108));
    across.setColorAt(0.3, k.bodyLight);
    across.setColorAt(0.75, k.bodyLight.darker(118));
    across.setColorAt(1, k.bodyDark);
    p.setBrush(across);
    p.drawPath(roundedPath(face, k.bodyRadius - 1));
    QLinearGradient down(face.topLeft(), face.bottomLeft());
    down.setColorAt(0, withAlpha(Qt::white, 46));
    down.setColorAt(0.25, withAlpha(Qt::white, 0));
    down.setColorAt(0.8, withAlpha(Qt::black, 0));
    down.setColorAt(1, withAlpha(Qt::black, 46));
    p.setBrush(down);
    p.drawPath(roundedPath(face, k.bodyRadius - 1));

    // a thin rim of light just inside the edge
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(k.bodyRim, 90), 1));
    p.drawPath(roundedPath(face.adjusted(0.5, 0.5, -0.5, -0.5), k.bodyRadius - 1.5));
    p.setPen(Qt::NoPen);

    // earpiece slot with a highlight below it
    const QRectF ear(l.earpiece);
    p.setBrush(withAlpha(Qt::white, 55));
    p.drawRoundedRect(ear.translated(0, 1), 2.5, 2.5);
    p.setBrush(vertical(ear, QColor(0x05, 0x07, 0x09), k.bezelBottom.lighter(140)));
    p.drawRoundedRect(ear, 2.5, 2.5);

    // model name between the earpiece and the screen
    QFont f = font(QStringLiteral("DejaVu Sans"), 8, QFont::Bold);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 1.2);
    const int labelTop = l.earpiece.bottom() + 1;
    const QRectF labelArea(l.body.left(), labelTop, l.body.width(), l.bezel.top() - labelTop);
    centredText(p, labelArea, d.label, f, k.label);

    // microphone: three small holes
    for (int i = -1; i <= 1; ++i) {
        p.setBrush(withAlpha(Qt::white, 50));
        p.drawEllipse(QPointF(l.mic.x() + 5 * i + 0.5, l.mic.y() + 1.5), 1.5, 1.5);
        p.setBrush(k.bodyEdge);
        p.drawEllipse(QPointF(l.mic.x() + 5 * i + 0.5, l.mic.y() + 0.5), 1.5, 1.5);
    }
}

void drawDisplay(QPainter &p, const Device &d, const Layout &l)
{
    const Look &k = d.look;
    p.setPen(Qt::NoPen);

    // bezel: a dark frame sunk into the body
    const QRectF bezel = QRectF(l.bezel).adjusted(0, 0, 1, 1);
    p.setBrush(withAlpha(Qt::white, 60));
    p.drawRoundedRect(bezel.translated(0, 1), 10, 10);
    p.setBrush(vertical(bezel, k.bezelTop, k.bezelBottom));
    p.drawRoundedRect(bezel, 10, 10);
    // a faint sheen over the upper left of the frame
    QLinearGradient sheen(bezel.topLeft(), bezel.bottomRight());
    sheen.setColorAt(0, withAlpha(Qt::white, 28));
    sheen.setColorAt(0.45, withAlpha(Qt::white, 8));
    sheen.setColorAt(0.451, withAlpha(Qt::white, 0));
    p.setBrush(sheen);
    p.drawRoundedRect(bezel, 10, 10);
    if (k.bodyLight.lightness() < 100) {
        // on a dark body a thin bright edge keeps the frame apart from it
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(withAlpha(k.bodyRim, 45), 1));
        p.drawRoundedRect(bezel.adjusted(-0.5, -0.5, 0.5, 0.5), 10.5, 10.5);
        p.setPen(Qt::NoPen);
    }

    // the glass: screen colour; the program's viewer covers the screen part
    p.fillRect(l.glass, d.screenColor);
    if (k.titleBarTop.isValid()) {
        const QRect bar(l.glass.left(), l.glass.top(), l.glass.width(),
                        l.strip.bottom() - l.glass.top() + 1);
        p.fillRect(bar, vertical(QRectF(bar).adjusted(0, 0, 0, 1), k.titleBarTop, k.titleBarBottom));
        p.fillRect(QRect(bar.left(), bar.top(), bar.width(), 1), k.titleBarTop.lighter(125));
        p.fillRect(QRect(bar.left(), l.strip.bottom() + 1, bar.width(), 1),
                   k.titleBarBottom.darker(140));
    } else {
        // the title sits on the bare LCD above a rule
        p.fillRect(QRect(l.strip.left() + 1, l.strip.bottom() + 1, l.strip.width() - 2, 1),
                   d.titleColor);
    }
    // the glass is set a little into the frame: shade along its top and left
    p.fillRect(QRect(l.glass.left(), l.glass.top(), l.glass.width(), 1), withAlpha(Qt::black, 70));
    p.fillRect(QRect(l.glass.left(), l.glass.top() + 1, 1, l.glass.height() - 1),
               withAlpha(Qt::black, 50));
}

void keyBlock(QPainter &p, const QRectF &r, qreal radius, const QColor &face,
              const QColor &shade)
{
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawRoundedRect(r, radius, radius);
    const QRectF top = r.adjusted(0, 0, 0, -2);
    p.setBrush(vertical(top, face.lighter(112), face));
    p.drawRoundedRect(top, radius, radius);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(Qt::white, 70), 1));
    p.drawLine(QPointF(r.left() + radius, r.top() + 0.5), QPointF(r.right() - radius, r.top() + 0.5));
    p.setPen(Qt::NoPen);
}

// A triangle pointing along (dx, dy), centred in r.
void arrow(QPainter &p, const QRect &r, int dx, int dy, const QColor &c)
{
    const QPointF m = QRectF(r).center();
    const qreal s = 4;   // half the base
    QPolygonF tri;
    if (dy != 0)
        tri << QPointF(m.x() - s, m.y() - dy * s / 2) << QPointF(m.x() + s, m.y() - dy * s / 2)
            << QPointF(m.x(), m.y() + dy * s / 2 + dy * 0.5);
    else
        tri << QPointF(m.x() - dx * s / 2, m.y() - s) << QPointF(m.x() - dx * s / 2, m.y() + s)
            << QPointF(m.x() + dx * s / 2 + dx * 0.5, m.y());
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(tri);
}

// Handset glyph for the call (green, lifted) and end (red, hung up) keys.
void handset(QPainter &p, const QPointF &centre, bool lifted, const QColor &c)
{
    p.save();
    p.translate(centre);
    p.rotate(lifted ? -20 : 160);
    QPen stroke(c, 2.6);
    stroke.setCapStyle(Qt::RoundCap);
    p.setPen(stroke);
    p.setBrush(Qt::NoBrush);
    QPainterPath arc;
    arc.moveTo(-6, 1.5);
    arc.cubicTo(-4, -2.5, 4, -2.5, 6, 1.5);
    p.drawPath(arc);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRoundedRect(QRectF(-7.6, 0.2, 4.2, 3), 1.2, 1.2);
    p.drawRoundedRect(QRectF(3.4, 0.2, 4.2, 3), 1.2, 1.2);
    p.restore();
}

void drawSideKeys(QPainter &p, const Device &d, const Layout &l)
{
    const Look &k = d.look;
    const qreal radius = k.keys == KeyShape::Pill ? 6.5 : (k.keys == KeyShape::Rounded ? 5 : 3);
    for (const QRect &r : {l.softLeft, l.softRight}) {
        keyBlock(p, QRectF(r).adjusted(0, 0, 1, 1), radius, k.keyFace, k.keyShade);
        p.fillRect(QRectF(r.center().x() - 6, r.top() + 5, 13, 2), k.keyLetters);
    }
    keyBlock(p, QRectF(l.call).adjusted(0, 0, 1, 1), radius, k.keyFace, k.keyShade);
    keyBlock(p, QRectF(l.end).adjusted(0, 0, 1, 1), radius, k.keyFace, k.keyShade);
    const bool darkKeys = k.keyFace.lightness() < 128;
    handset(p, QRectF(l.call).center() + QPointF(0.5, -0.5),
            true, darkKeys ? QColor(0x6c, 0xd0, 0x55) : pal::green);
    handset(p, QRectF(l.end).center() + QPointF(0.5, -1.5),
            false, darkKeys ? QColor(0xff, 0x6a, 0x5c) : pal::red);
}

void drawNav(QPainter &p, const Device &d, const Layout &l)
{
    const Look &k = d.look;
    const QRectF nav = QRectF(l.nav).adjusted(0, 0, 1, 1);
    p.setPen(Qt::NoPen);

    if (k.nav == Nav::Rocker) {
        const qreal radius = nav.width() / 2;
        p.setBrush(k.navShade);
        p.drawRoundedRect(nav, radius, radius);
        const QRectF face = nav.adjusted(0, 0, 0, -2);
        QLinearGradient g(face.topLeft(), face.topRight());
        g.setColorAt(0, k.navFace.darker(104));
        g.setColorAt(0.35, k.navFace.lighter(110));
        g.setColorAt(1, k.navFace.darker(108));
        p.setBrush(g);
        p.drawRoundedRect(face, radius, radius);
        // the rocker dips in the middle, between its two ends
        const qreal mid = l.down.top();
        QLinearGradient dip(QPointF(0, mid - 8), QPointF(0, mid + 8));
        dip.setColorAt(0, withAlpha(Qt::black, 0));
        dip.setColorAt(0.5, withAlpha(Qt::black, 40));
        dip.setColorAt(1, withAlpha(Qt::black, 0));
        p.setBrush(dip);
        p.drawRect(QRectF(face.left() + 2, mid - 8, face.width() - 4, 16));
        arrow(p, l.up.adjusted(0, 2, 0, 0), 0, -1, k.arrow);
        arrow(p, l.down.adjusted(0, 0, 0, -4), 0, 1, k.arrow);
        return;
    }

    // four-way key: drop shade, face, the separating cuts, a centre key
    const qreal radius = k.nav == Nav::Ring ? nav.width() / 2 : 18;
    p.setBrush(withAlpha(Qt::black, 60));
    p.drawRoundedRect(nav.adjusted(-1, -1, 1, 1), radius + 1, radius + 1);
    p.setBrush(k.navShade);
    p.drawRoundedRect(nav, radius, radius);
    const QRectF face = nav.adjusted(0, 0, 0, -2);
    QRadialGradient g(face.center() - QPointF(face.width() * 0.18, face.height() * 0.25),
                      face.width() * 0.75);
    g.setColorAt(0, k.navFace.lighter(118));
    g.setColorAt(1, k.navFace.darker(108));
    p.setBrush(g);
    p.drawRoundedRect(face, radius, radius);

    p.save();
    p.setClipPath(roundedPath(face, radius));
    const QPointF c = QRectF(l.navCentre).adjusted(0, 0, 1, 1).center();
    const qreal reach = face.width();
    p.setPen(QPen(withAlpha(k.navShade.darker(120), 150), 1));
    for (int i = 0; i < 4; ++i) {
        const qreal a = (45 + 90 * i) * M_PI / 180;
        p.drawLine(c, c + QPointF(std::cos(a), std::sin(a)) * reach);
    }
    p.restore();

    const QRectF centre = QRectF(l.navCentre).adjusted(0, 0, 1, 1);
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(Qt::black, 70));
    p.drawEllipse(centre.adjusted(-2, -2, 2, 2));
    QRadialGradient cg(centre.center() - QPointF(3, 4), centre.width() * 0.8);
    cg.setColorAt(0, k.navCentre.lighter(125));
    cg.setColorAt(1, k.navCentre.darker(110));
    p.setBrush(cg);
    p.drawEllipse(centre);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(Qt::white, 70), 1));
    p.drawEllipse(centre.adjusted(0.5, 0.5, -0.5, -0.5));
    p.setPen(Qt::NoPen);

    arrow(p, l.up, 0, -1, k.arrow);
    arrow(p, l.down.adjusted(0, 0, 0, -2), 0, 1, k.arrow);
    arrow(p, l.left.adjusted(0, 0, 0, -1), -1, 0, k.arrow);
    arrow(p, l.right.adjusted(0, 0, 0, -1), 1, 0, k.arrow);
}

void drawKeypad(QPainter &p, const Device &d, const Layout &l)
{
    const Look &k = d.look;
    static const char *const digits[12] = {"1", "2", "3", "4", "5", "6",
                                           "7", "8", "9", "*", "0", "#"};
    static const char *const letters[12] = {"", "abc", "def", "ghi", "jkl", "mno",
                                            "pqrs", "tuv", "wxyz", "", "+", ""};
    const qreal radius = k.keys == KeyShape::Pill ? d.keyHeight * 0.48
                         : k.keys == KeyShape::Rounded ? 6 : 3;

    if (k.keys == KeyShape::Grid) {
        // the keys sit in one dark recess
        const QRect all = l.keys.front().united(l.keys.back()).adjusted(-2, -2, 2, 2);
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(Qt::white, 40));
        p.drawRoundedRect(QRectF(all).adjusted(0, 1, 1, 2), 5, 5);
        p.setBrush(QColor(0x08, 0x09, 0x0b));
        p.drawRoundedRect(QRectF(all).adjusted(0, 0, 1, 1), 5, 5);
    }

    QFont digitFont = font(QStringLiteral("DejaVu Sans"), 12, QFont::Bold);
    QFont letterFont = font(QStringLiteral("DejaVu Sans"), 8);
    digitFont.setHintingPreference(QFont::PreferVerticalHinting);
    letterFont.setHintingPreference(QFont::PreferVerticalHinting);
    const QFontMetricsF dm(digitFont), lm(letterFont);

    for (int i = 0; i < 12; ++i) {
        const QRectF r = QRectF(l.keys[size_t(i)]).adjusted(0, 0, 1, 1);
        keyBlock(p, r, radius, k.keyFace, k.keyShade);

        const QString digit = QString::fromLatin1(digits[i]);
        const QString extra = QString::fromLatin1(letters[i]);
        const qreal gap = extra.isEmpty() ? 0 : 3;
        const qreal wDigit = dm.tightBoundingRect(digit).width();
        const qreal total = wDigit + gap + (extra.isEmpty() ? 0 : lm.horizontalAdvance(extra));
        const QRectF face = r.adjusted(0, 0, 0, -2);
        // '*' and '#' are centred on their own ink; digits share a baseline
        qreal x = std::round(face.center().x() - total / 2);
        const QRectF ink = dm.tightBoundingRect(digit);
        const qreal baseline = std::round(face.center().y() + dm.capHeight() / 2);
        p.setFont(digitFont);
        p.setPen(k.keyText);
        if (digit == QLatin1String("*")) {
            // the star glyph is small and high; draw it larger, centred on its ink
            centredText(p, face, digit, font(QStringLiteral("DejaVu Sans"), 17, QFont::Bold),
                        k.keyText);
        } else if (digit == QLatin1String("#")) {
            centredText(p, face, digit, digitFont, k.keyText);
        } else {
            p.drawText(QPointF(x - ink.left(), baseline), digit);
            if (!extra.isEmpty()) {
                p.setFont(letterFont);
                p.setPen(k.keyLetters);
                p.drawText(QPointF(x + wDigit + gap, baseline), extra);
            }
        }
    }
}

void drawSkin(QPainter &p, const Device &d, const Layout &l)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawShadow(p, l, d.look.bodyRadius);
    drawBody(p, d, l);
    drawDisplay(p, d, l);
    drawSideKeys(p, d, l);
    drawNav(p, d, l);
    drawKeypad(p, d, l);
}

QString hex(const QColor &c)
{
    return c.name(QColor::HexRgb).toUpper();
}

} // namespace

void skinPictures(std::vector<PictureDef> &out)
{
    for (const Device &d : devices()) {
        const Layout l = layOut(d);
        out.push_back({d.file, l.picture, [d, l](QPainter &p) { drawSkin(p, d, l); }});
    }
}

bool writeSkinsIni(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "tarnel-artwork: cannot write %s\n", qPrintable(path));
        return false;
    }
    const std::vector<Device> list = devices();
    QTextStream out(&file);
    out << "; Device skins of the Preview tab.\n"
           "; Written by tools/artwork/skins.cpp together with the pictures; change\n"
           "; the drawing there and rebuild the \"skins\" target rather than editing\n"
           "; this file, so that the pictures and the positions stay in step.\n"
           "; Positions are pixels in the Preview tab; the picture is shown 25 pixels\n"
           "; down, below the panel with the card and device lists.\n"
           "\n[phones]\n";
    for (size_t i = 0; i < list.size(); ++i)
        out << (i + 1) << '=' << list[i].name << '\n';

    for (const Device &d : list) {
        const Layout l = layOut(d);
        auto rect = [&out](const char *key, const QRect &r) {
            out << key << "top=" << r.top() + panelHeight << '\n'
                << key << "left=" << r.left() << '\n'
                << key << "width=" << r.width() << '\n'
                << key << "height=" << r.height() << '\n';
        };
        out << "\n[" << d.name << "]\n"
            << "bmp=" << d.file << '\n'
            << "profile=" << d.profile << '\n'
            << "left=" << l.screen.left() << '\n'
            << "top=" << l.screen.top() + panelHeight << '\n'
            << "width=" << l.screen.width() << '\n'
            << "height=" << l.screen.height() << '\n'
            << "color=" << hex(d.screenColor) << '\n'
            << "font=" << d.font << '\n'
            << "size=" << d.size << '\n'
            << "titlefont=" << d.titleFont << '\n'
            << "titlesize=" << d.titleSize << '\n'
            << "titletop=" << l.titleTop + panelHeight << '\n'
            << "titletype=" << (d.titleBold ? "BOLD" : "NORMAL") << '\n'
            << "titlecolor=" << hex(d.titleColor) << '\n';
        rect("btnup", l.up);
        rect("btndown", l.down);
        // The keys the Phone mode answers to when clicked, as one value each.
        auto key = [&out](const char *name, const QRect &r) {
            out << "key_" << name << '=' << r.left() << ',' << r.top() + panelHeight << ','
                << r.width() << ',' << r.height() << '\n';
        };
        key("soft1", l.softLeft);
        key("soft2", l.softRight);
        key("up", l.up);
        key("down", l.down);
        // A rocker has no centre: the green call key selects there.
        key("select", l.navCentre.isValid() ? l.navCentre : l.call);
        key("back", l.end);
    }
    out.flush();
    if (out.status() != QTextStream::Ok || !file.flush()) {
        std::fprintf(stderr, "tarnel-artwork: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace art
