#pragma once

#include <QProxyStyle>

// The platform style, with its standard icons read only when one is drawn.
// Qt reads a standard icon's picture as soon as the icon is asked for, and
// reads it by guessing its format, which loads every image format plugin
// installed. The menu bar asks for one (its overflow button, seldom shown)
// as it is made: without this style every start paid for loading a dozen
// plugins and the libraries under them.
class DeferredIconStyle : public QProxyStyle
{
    Q_OBJECT

public:
    DeferredIconStyle();

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};
