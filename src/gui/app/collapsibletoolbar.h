#pragma once

#include <QToolBar>

class QToolButton;
class QHBoxLayout;

// A toolbar with a grip tab at its edge: clicking the grip collapses the bar
// to a thin strip that shows no buttons, clicking it again restores it.
// setMaximized(false) before the bar is shown (a stored state) shows it
// collapsed from the start.
class CollapsibleToolBar : public QToolBar
{
    Q_OBJECT

public:
    explicit CollapsibleToolBar(const QString &objectName, QWidget *parent = nullptr);

    // Adds a flat button for action (it takes the action's picture, hint
    // and enabled state) and returns it.
    QToolButton *addCommand(QAction *action, const QString &buttonName = QString());
    void addGap();

    bool isMaximized() const { return m_maximized; }
    void setMaximized(bool maximized);
    QToolButton *grip() const { return m_grip; }

signals:
    void maximizedChanged(bool maximized);

private:
    QToolButton *m_grip;
    QWidget *m_content;
    QAction *m_contentAction = nullptr;
    QHBoxLayout *m_layout;
    bool m_maximized = true;
};
