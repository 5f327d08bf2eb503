#pragma once

#include <QIcon>
#include <QIconEngine>
#include <functional>

// An icon whose pictures are made the first time it is drawn or measured,
// by the function it is given. Asking whether it is null does not make
// them: Qt asks that as soon as an icon is set on an action or a button.
class LazyIconEngine : public QIconEngine
{
public:
    using Loader = std::function<QIcon()>;

    explicit LazyIconEngine(Loader loader);

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    bool isNull() override;
    QIconEngine *clone() const override;
    QString key() const override;

private:
    const QIcon &loaded();

    Loader m_loader;
    QIcon m_icon;
    bool m_loaded = false;
};
