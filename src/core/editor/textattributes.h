#pragma once

#include <QColor>

// How one text class looks: whether it uses the editor's alternative font
// ("MS Sans Serif" in the editor's size instead of the editor's own font),
// its font style, and its colours.
struct TextAttributes
{
    bool alternativeFont = false;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QColor background;
    QColor foreground;

    bool operator==(const TextAttributes &other) const
    {
        return alternativeFont == other.alternativeFont && bold == other.bold && italic == other.italic
            && underline == other.underline && strikeOut == other.strikeOut
            && background == other.background && foreground == other.foreground;
    }
    bool operator!=(const TextAttributes &other) const { return !(*this == other); }
};
