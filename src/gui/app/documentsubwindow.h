#pragma once

#include <QMdiSubWindow>

// The frame of one document window inside the main window's MDI area. All
// ways of closing a document end here: the Close and Close All commands,
// Ctrl+F4, the frame's own Ctrl+W and close box, and its system menu. The
// document's close question runs first (the frame closes its widget); when
// the close goes ahead the frame counts as closing at once, although Qt
// deletes it later, and `closed` tells the main window to recompute its
// menus and command states without it.
class DocumentSubWindow : public QMdiSubWindow
{
    Q_OBJECT

public:
    explicit DocumentSubWindow(QWidget *parent = nullptr);

    // True from the moment a close was accepted.
    bool isClosing() const { return m_closing; }
    // Takes key away from the frame's own menu (whose Close answers Ctrl+F4
    // and Ctrl+W), so that a command of the program with that key is not
    // left ambiguous and dead.
    void releaseShortcut(const QKeySequence &key);

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    bool m_closing = false;
};
