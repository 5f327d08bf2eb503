// Shared declarations for the artwork generator.
//
// Toolbar icons are drawn on a 16 x 16 logical grid; the renderer scales the
// painter for the @2x variants.  One-pixel lines sit on half-pixel
// coordinates and fills on whole pixels so both sizes stay sharp.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QSize>
#include <QString>

#include <functional>
#include <vector>

namespace art {

// ---- palette ---------------------------------------------------------------

namespace pal {
inline const QColor ink{0x35, 0x3e, 0x48};        // general outline / glyphs
inline const QColor paper{0xff, 0xff, 0xff};
inline const QColor paperShade{0xdc, 0xe1, 0xe7};
inline const QColor rule{0x9a, 0xb4, 0xd6};       // ruled lines on cards
inline const QColor red{0xd8, 0x3a, 0x2e};
inline const QColor redDark{0x9c, 0x22, 0x1a};
inline const QColor blue{0x2f, 0x6f, 0xd0};
inline const QColor blueDark{0x1d, 0x47, 0x8c};
inline const QColor blueLight{0xc9, 0xdf, 0xf7};
inline const QColor green{0x4c, 0xa5, 0x38};
inline const QColor greenDark{0x2a, 0x6a, 0x1f};
inline const QColor yellow{0xf5, 0xcf, 0x5c};
inline const QColor yellowDark{0xa8, 0x74, 0x12};
inline const QColor amber{0xe0, 0xa3, 0x2b};
inline const QColor grey{0xb8, 0xc0, 0xc9};
inline const QColor greyDark{0x6d, 0x77, 0x82};
inline const QColor wood{0xa6, 0x6a, 0x36};
inline const QColor woodDark{0x6b, 0x41, 0x1e};

// phone and screen
inline const QColor body{0x4d, 0x68, 0x84};
inline const QColor bodyEdge{0x33, 0x47, 0x5c};
inline const QColor bodyFace{0x58, 0x75, 0x93};
inline const QColor bezel{0x1c, 0x24, 0x2b};
inline const QColor key{0xe4, 0xe9, 0xee};
inline const QColor keyShadow{0xa9, 0xb5, 0xc1};
inline const QColor lcd{0xa9, 0xc6, 0x4f};
inline const QColor lcdDark{0x1f, 0x3b, 0x1b};
inline const QColor lcdMid{0x6b, 0x8a, 0x35};

// splash / about backdrop
inline const QColor backdrop{0x1d, 0x27, 0x2f};
inline const QColor backdropGlow{0x25, 0x33, 0x3d};
inline const QColor title{0xf2, 0xf4, 0xf0};
inline const QColor accent{0x9d, 0xcc, 0x4a};
inline const QColor muted{0x8c, 0x9a, 0xa5};
} // namespace pal

// ---- small drawing helpers (paint.cpp) -------------------------------------

// Fills whole pixels x..x+w-1, y..y+h-1.
void fill(QPainter &p, qreal x, qreal y, qreal w, qreal h, const QColor &c);
// A rectangle covering pixels x..x+w-1, y..y+h-1 with a one-pixel border.
void box(QPainter &p, int x, int y, int w, int h, const QColor &fillColor,
         const QColor &line);
void line(QPainter &p, qreal x1, qreal y1, qreal x2, qreal y2,
          const QColor &c, qreal width = 1.0);
QPen pen(const QColor &c, qreal width = 1.0);

// Fills the pixels marked '#' in rows of text, top-left at (x, y).
void pixels(QPainter &p, int x, int y, std::initializer_list<const char *> rows,
            const QColor &c);

// DejaVu family font at a pixel size; warns once if the family is missing.
QFont font(const QString &family, qreal pixelSize, int weight = QFont::Normal,
           bool italic = false);

// Draws text centred in r, using the glyph outline so it scales cleanly.
void centredText(QPainter &p, const QRectF &r, const QString &text,
                 const QFont &f, const QColor &c);

// ---- shared pieces (pieces.cpp) --------------------------------------------

// A page outline with a folded top-right corner; covers pixels x..x+w-1.
void page(QPainter &p, int x, int y, int w, int h);
// A floppy disk of size s x s at (x, y).
void floppy(QPainter &p, int x, int y, int s);
// A printer occupying the box x..x+w-1, y..y+h-1.
void printer(QPainter &p, int x, int y, int w, int h);
// A small document window with a title bar.
void window(QPainter &p, int x, int y, int w, int h, bool active);
// An index card with a red top rule and blue ruled lines.
void indexCard(QPainter &p, int x, int y, int w, int h);
// A magnifying glass with its lens centred at (cx, cy).
void magnifier(QPainter &p, qreal cx, qreal cy, qreal r, qreal handle);

// ---- phone (phone.cpp) -----------------------------------------------------

enum class Screen { Card, MiniCard };

// Draws the phone inside bounds (antenna included).  With snap set, edges
// are rounded to whole pixels, which keeps small renderings sharp.
void drawPhone(QPainter &p, const QRectF &bounds, Screen screen, bool snap);

// ---- finished pictures -----------------------------------------------------

void drawSplash(QPainter &p);     // splash.cpp, 420 x 260
void drawAbout(QPainter &p);      // splash.cpp, 321 x 220
void drawAppIcon(QPainter &p, int size); // appicon.cpp, square

struct IconDef {
    const char *name;
    void (*draw)(QPainter &p);
};

// Each group lives in its own file; main.cpp renders all of them.
void fileIcons(std::vector<IconDef> &out);   // icons_file.cpp
void editIcons(std::vector<IconDef> &out);   // icons_edit.cpp
void wmlIcons(std::vector<IconDef> &out);    // icons_wml.cpp

// ---- device skins (skins.cpp) ----------------------------------------------

struct PictureDef {
    QString file;
    QSize size;
    std::function<void(QPainter &)> draw;   // draws on a transparent picture
};

// The phone pictures of the Preview tab, and the skins.ini that places the
// screen, the card title and the arrow keys over them.
void skinPictures(std::vector<PictureDef> &out);
bool writeSkinsIni(const QString &path);

} // namespace art
