#include "highlightline.h"

void HighlightLine::reset(QStringView text)
{
    m_text = text;
    m_upperReady = false;
}

QStringView HighlightLine::upper() const
{
    if (!m_upperReady) {
        const qsizetype n = m_text.size();
        m_upper.resize(n);
        const char16_t *from = m_text.utf16();
        char16_t *to = reinterpret_cast<char16_t *>(m_upper.data());
        for (qsizetype i = 0; i < n; ++i) {
            const char16_t c = from[i];
            to[i] = (c >= u'a' && c <= u'z') ? char16_t(c - (u'a' - u'A')) : c;
        }
        m_upperReady = true;
    }
    return QStringView(m_upper.constData(), m_text.size());
}
