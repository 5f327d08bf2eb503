#include "skinkeys.h"

#include <QStringList>

QRect SkinKeys::parseRect(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return QRect();
    int numbers[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        numbers[i] = parts[i].trimmed().toInt(&ok);
        if (!ok)
            return QRect();
    }
    if (numbers[2] <= 0 || numbers[3] <= 0 || numbers[0] < 0 || numbers[1] < 0)
        return QRect();
    return QRect(numbers[0], numbers[1], numbers[2], numbers[3]);
}

QString SkinKeys::name(Key key)
{
    switch (key) {
    case Key::Soft1: return QStringLiteral("soft1");
    case Key::Soft2: return QStringLiteral("soft2");
    case Key::Up: return QStringLiteral("up");
    case Key::Down: return QStringLiteral("down");
    case Key::Select: return QStringLiteral("select");
    case Key::Back: return QStringLiteral("back");
    case Key::None: break;
    }
    return QString();
}

QList<SkinKeys::Key> SkinKeys::all()
{
    return {Key::Soft1, Key::Soft2, Key::Up, Key::Down, Key::Select, Key::Back};
}

void SkinKeys::set(Key key, const QRect &rect)
{
    if (key == Key::None || rect.isEmpty())
        m_rects.remove(key);
    else
        m_rects.insert(key, rect);
}

SkinKeys::Key SkinKeys::keyAt(const QPoint &point) const
{
    for (const Key key : all()) {
        if (m_rects.value(key).contains(point))
            return key;
    }
    return Key::None;
}
