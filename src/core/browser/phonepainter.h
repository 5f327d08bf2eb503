#pragma once

#include "screen.h"

#include <QColor>
#include <QImage>
#include <QSize>
#include <functional>

struct DeviceProfile;

// Paints a phone's Screen at the device's own pixel size: the title row,
// the card's lines from the scroll position, the focused item inverted,
// an open list or the field being typed into over the card, and the soft
// key labels on the bottom row. One fixed-pitch font drawn character by
// character on the advance TextMetrics gives, without smoothing, so the
// pixels match the layout and stay crisp when magnified.
class PhonePainter
{
public:
    struct State
    {
        int scrollTop = 0;  // pixels of the body scrolled away
        QString draft;      // the line typed into an open field
        QColor paper = Qt::white;
        QColor ink = Qt::black;
        // The focused item's background and text: ink and paper swapped
        // unless set (a colour phone highlights in a colour of its own).
        QColor highlight;
        QColor highlightText;
        // The picture of a run's source; may be empty.
        std::function<QImage(const QString &)> picture;
    };

    static QImage paint(const Screen &screen, const DeviceProfile &profile, const State &state);

    // The largest whole magnification at which the device's screen (its
    // pixels stretched by the pixel aspect) fits room; at least 1.
    static int magnification(const DeviceProfile &profile, const QSize &room);
    // The size of the magnified screen on the computer's display.
    static QSize magnifiedSize(const DeviceProfile &profile, int factor);
};
