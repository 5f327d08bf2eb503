#include "deferrediconstyle.h"

#include "lazyiconengine.h"

#include <QPointer>

DeferredIconStyle::DeferredIconStyle() = default;

QIcon DeferredIconStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                                      const QWidget *widget) const
{
    // The option and widget may be gone by the time the icon is drawn;
    // the standard icons of the styles Qt ships do not depend on them.
    Q_UNUSED(option);
    Q_UNUSED(widget);
    const QPointer<QStyle> style(baseStyle());
    return QIcon(new LazyIconEngine([style, standardIcon] {
        return style ? style->standardIcon(standardIcon) : QIcon();
    }));
}
