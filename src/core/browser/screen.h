#pragma once

#include <QList>
#include <QSize>
#include <QString>

struct WmlNode;

// What the phone shows: the card as lines of runs at the device's width,
// the focusable items in order, the soft keys and an open list. Built by
// Layout and the Browser; painted by the Phone mode, printed by tarnel-phone.

namespace RunStyle {
enum : int { Bold = 1, Italic = 2, Underline = 4, Big = 8, Small = 16 };
}

struct ScreenRun
{
    enum class Kind { Text, Link, Input, Select, Picture };
    Kind kind = Kind::Text;
    QString text;      // the characters shown; a picture's alt text
    int style = 0;     // RunStyle flags
    int item = -1;     // the focusable item the run belongs to, or -1
    int x = 0;         // from the line's left edge, in pixels
    int width = 0;     // in pixels
    QSize pictureSize; // a picture that could be read; empty when only alt shows
    QString source;    // the picture's src as written, variables filled in (Browser::picture)
    // A link or field is framed: the run that opens it and the one that
    // closes it each take one character's advance more (brackets in text).
    bool frameOpen = false;
    bool frameClose = false;
};

struct ScreenLine
{
    enum class Align { Left, Center, Right };
    QList<ScreenRun> runs;
    Align align = Align::Left;
    int width = 0;  // of the runs together, in pixels
    int height = 0; // in pixels
};

struct ScreenItem
{
    enum class Kind { Link, Input, Select };
    Kind kind = Kind::Link;
    QString text;                 // a link's text, a field's shown value
    int line = 0;                 // the first line it shows on
    const WmlNode *node = nullptr; // a, anchor, input or select
};

struct SoftKey
{
    QString label; // empty when the key does nothing
};

// An open list over the card: the Options list of do elements, or the
// options of a select.
struct ScreenMenu
{
    enum class Kind { Options, Select };
    Kind kind = Kind::Options;
    QString title;
    QStringList entries;
    QList<bool> checked; // for a multiple select: which options are chosen
    int highlight = 0;   // 0-based
};

struct Screen
{
    QString title;
    QList<ScreenLine> lines;
    QList<ScreenItem> items;
    int focus = -1; // index into items, or -1
    SoftKey soft1, soft2;
    bool menuOpen = false;
    ScreenMenu menu;
    bool editing = false; // an input field is open for typing
    QString error;        // the message of an error screen, else empty
};
