#pragma once

#include <QString>

struct DeviceProfile;

// The width of text on a phone's screen. Phones of this kind draw one
// fixed-pitch font, so every character advances the same number of pixels:
// six tenths of the font's height (rounded, at least 1), a quarter more for
// big text and a fifth less for small text. Deterministic everywhere, with
// no dependence on the fonts installed.
class TextMetrics
{
public:
    explicit TextMetrics(const DeviceProfile &profile);

    int advance(int style) const;
    int width(const QString &text, int style) const { return characters(text) * advance(style); }
    // The characters text shows: a surrogate pair, a combining mark or a
    // variation selector takes no place of its own.
    static int characters(QStringView text);
    int lineHeight(int style) const;
    int fontSize() const { return m_fontSize; }

private:
    int m_fontSize;
    int m_advance;
};
