#include "textmetrics.h"

#include "devices/deviceprofile.h"
#include "screen.h"

#include <algorithm>
#include <cmath>

TextMetrics::TextMetrics(const DeviceProfile &profile)
    : m_fontSize(std::max(1, profile.fontSize))
    , m_advance(std::max(1, int(std::lround(m_fontSize * 0.6))))
{
}

int TextMetrics::advance(int style) const
{
    if (style & RunStyle::Big)
        return std::max(1, int(std::lround(m_advance * 1.25)));
    if (style & RunStyle::Small)
        return std::max(1, int(std::lround(m_advance * 0.8)));
    return m_advance;
}

int TextMetrics::lineHeight(int style) const
{
    if (style & RunStyle::Big)
        return int(std::lround(m_fontSize * 1.25));
    if (style & RunStyle::Small)
        return std::max(1, int(std::lround(m_fontSize * 0.8)));
    return m_fontSize;
}

int TextMetrics::characters(QStringView text)
{
    int count = 0;
    for (const QChar c : text) {
        if (c.isLowSurrogate() || c.category() == QChar::Mark_NonSpacing || c.category() == QChar::Mark_Enclosing
            || (c.unicode() >= 0xfe00 && c.unicode() <= 0xfe0f) || c.unicode() == 0x200d)
            continue;
        ++count;
    }
    return count;
}
