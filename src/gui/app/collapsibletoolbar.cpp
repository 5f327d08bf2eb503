#include "collapsibletoolbar.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QToolButton>

namespace {
constexpr int gripWidth = 8;
}

CollapsibleToolBar::CollapsibleToolBar(const QString &objectName, QWidget *parent)
    : QToolBar(parent), m_grip(new QToolButton(this)), m_content(new QWidget(this)),
      m_layout(new QHBoxLayout(m_content))
{
    setObjectName(objectName);
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(16, 16));
    setContentsMargins(0, 0, 0, 0);
    layout()->setSpacing(0);

    m_grip->setObjectName(objectName + QStringLiteral("_grip"));
    m_grip->setFixedWidth(gripWidth);
    m_grip->setAutoRaise(true);
    m_grip->setArrowType(Qt::LeftArrow);
    m_grip->setToolTip(tr("Collapse or expand the toolbar"));
    m_grip->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    connect(m_grip, &QToolButton::clicked, this, [this] { setMaximized(!m_maximized); });

    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    addWidget(m_grip);
    // A toolbar shows and hides its widgets through their actions: hiding
    // the widget itself would be undone by the toolbar's layout.
    m_contentAction = addWidget(m_content);
}

QToolButton *CollapsibleToolBar::addCommand(QAction *action, const QString &buttonName)
{
    auto *button = new QToolButton(m_content);
    button->setDefaultAction(action);
    button->setAutoRaise(true);
    button->setIconSize(iconSize());
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    if (!buttonName.isEmpty())
        button->setObjectName(buttonName);
    m_layout->addWidget(button);
    return button;
}

void CollapsibleToolBar::addGap()
{
    auto *line = new QFrame(m_content);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setContentsMargins(3, 2, 3, 2);
    m_layout->addWidget(line);
}

void CollapsibleToolBar::setMaximized(bool maximized)
{
    if (maximized == m_maximized)
        return;
    m_maximized = maximized;
    m_contentAction->setVisible(maximized);
    m_grip->setArrowType(maximized ? Qt::LeftArrow : Qt::RightArrow);
    emit maximizedChanged(maximized);
}
