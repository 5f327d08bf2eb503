#pragma once

#include <QHash>
#include <QPoint>
#include <QRect>
#include <QString>

// The keys of a phone picture the Phone mode answers to when clicked:
// "key_soft1=left,top,width,height" and the like in the device's section
// of skins.ini (pixels in the Preview tab, as the other positions). A key
// missing or written wrongly is simply not there; the keyboard still works.
class SkinKeys
{
public:
    enum class Key { None, Soft1, Soft2, Up, Down, Select, Back };

    // Reads "key_soft1", "key_soft2", "key_up", "key_down", "key_select"
    // and "key_back" through value (the ini file's value of a key name).
    template <typename ValueOf>
    static SkinKeys read(ValueOf value)
    {
        SkinKeys keys;
        for (const Key key : all())
            keys.set(key, parseRect(value(QStringLiteral("key_") + name(key))));
        return keys;
    }

    // "left,top,width,height" with a positive width and height; an empty
    // rectangle for anything else.
    static QRect parseRect(const QString &text);
    static QString name(Key key);
    static QList<Key> all();

    void set(Key key, const QRect &rect);
    QRect rect(Key key) const { return m_rects.value(key); }
    // The key whose rectangle holds point, or None.
    Key keyAt(const QPoint &point) const;
    bool isEmpty() const { return m_rects.isEmpty(); }

private:
    QHash<Key, QRect> m_rects;
};
