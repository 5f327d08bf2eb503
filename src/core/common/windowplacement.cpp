#include "windowplacement.h"

#include <QStringList>

QString ScreenMetrics::sizeSuffix() const
{
    return QStringLiteral("(%1x%2)").arg(size.width()).arg(size.height());
}

namespace PlacementText {

namespace {
bool fourNumbers(const QString &text, int values[4])
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return false;
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = parts[i].trimmed().toInt(&ok);
        if (!ok)
            return false;
    }
    return true;
}
} // namespace

QString fromPoints(QPoint a, QPoint b)
{
    return QStringLiteral("%1,%2,%3,%4").arg(a.x()).arg(a.y()).arg(b.x()).arg(b.y());
}

QString fromRect(const QRect &rect)
{
    return QStringLiteral("%1,%2,%3,%4")
        .arg(rect.left())
        .arg(rect.top())
        .arg(rect.left() + rect.width())
        .arg(rect.top() + rect.height());
}

bool toPoints(const QString &text, QPoint *a, QPoint *b)
{
    int v[4];
    if (!fourNumbers(text, v))
        return false;
    *a = QPoint(v[0], v[1]);
    *b = QPoint(v[2], v[3]);
    return true;
}

bool toRect(const QString &text, QRect *rect, bool *leftBeforeRight)
{
    int v[4];
    if (!fourNumbers(text, v))
        return false;
    *leftBeforeRight = v[0] < v[2];
    *rect = QRect(QPoint(v[0], v[1]), QSize(v[2] - v[0], v[3] - v[1]));
    return true;
}

} // namespace PlacementText
