#pragma once

#include <QAccessible>
#include <QObject>

class QsciScintillaBase;

// Tells the program that the text of a QScintilla editor changed, at a cost
// that does not grow with the text.
//
// QScintilla answers every insert and delete notification for its
// accessibility support by counting the characters from the start of the
// text to the change, whether or not a screen reader listens: a keystroke at
// the end of a 20 MB page then costs a pass over 20 MB. So the editor is
// asked for those two notifications only while an accessibility client is
// active. The program itself learns of changes from the notifications sent
// before each insertion and deletion, which cost nothing: a change is noted
// there and reported by changed() once it is done — when the caller of the
// editing operation calls reportChange(), or else from the event loop.
class EditChangeWatch : public QObject, public QAccessible::ActivationObserver
{
    Q_OBJECT

public:
    explicit EditChangeWatch(QsciScintillaBase &editor);
    ~EditChangeWatch() override;

    // Emits changed() if the text changed since the last report.
    void reportChange();

    // Whether the editor sends its insert and delete notifications now.
    bool sendsTextNotifications() const;

    void accessibilityActiveChanged(bool active) override;

signals:
    void changed();

private:
    void applyEventMask(bool accessibilityActive);
    void modified(int position, int modificationType);

    QsciScintillaBase &m_editor;
    bool m_pending = false;
    bool m_reportQueued = false;
};
