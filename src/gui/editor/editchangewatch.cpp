#include "editchangewatch.h"

#include "quietaccessibility.h"

#include <Qsci/qsciscintillabase.h>
#include <QTimer>

namespace {

// Everything a QScintilla editor can report, less the two notifications
// whose handling costs a pass over the text. A notification is sent when
// any bit of its type is in the mask, so the bits that only say how a
// change came about (by the user, undo, redo, ...) must go too, or they
// would let the insertions and deletions through.
constexpr int allModifications = QsciScintillaBase::SC_MODEVENTMASKALL;
constexpr int textModifications = QsciScintillaBase::SC_MOD_INSERTTEXT | QsciScintillaBase::SC_MOD_DELETETEXT;
constexpr int originFlags = QsciScintillaBase::SC_PERFORMED_USER | QsciScintillaBase::SC_PERFORMED_UNDO
    | QsciScintillaBase::SC_PERFORMED_REDO | QsciScintillaBase::SC_MULTISTEPUNDOREDO
    | QsciScintillaBase::SC_LASTSTEPINUNDOREDO | QsciScintillaBase::SC_MULTILINEUNDOREDO
    | QsciScintillaBase::SC_STARTACTION;
constexpr int beforeModifications = QsciScintillaBase::SC_MOD_BEFOREINSERT | QsciScintillaBase::SC_MOD_BEFOREDELETE;

} // namespace

EditChangeWatch::EditChangeWatch(QsciScintillaBase &editor) : QObject(&editor), m_editor(editor)
{
    connect(&m_editor, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int position, int modificationType) { modified(position, modificationType); });
    QAccessible::installActivationObserver(this);
    applyEventMask(QAccessible::isActive());
}

EditChangeWatch::~EditChangeWatch()
{
    QAccessible::removeActivationObserver(this);
}

void EditChangeWatch::accessibilityActiveChanged(bool active)
{
    applyEventMask(active);
    QuietAccessibility::forgetInterface(&m_editor);
}

void EditChangeWatch::applyEventMask(bool accessibilityActive)
{
    const int mask = accessibilityActive ? allModifications : (allModifications & ~(textModifications | originFlags));
    m_editor.SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK, mask);
}

bool EditChangeWatch::sendsTextNotifications() const
{
    return (m_editor.SendScintilla(QsciScintillaBase::SCI_GETMODEVENTMASK) & textModifications) == textModifications;
}

void EditChangeWatch::modified(int, int modificationType)
{
    if (!(modificationType & beforeModifications))
        return;
    m_pending = true;
    if (!m_reportQueued) {
        // Operations that do not report their change themselves (a drop, a
        // menu of QScintilla's own) are reported once control is back in
        // the event loop.
        m_reportQueued = true;
        QTimer::singleShot(0, this, [this] {
            m_reportQueued = false;
            reportChange();
        });
    }
}

void EditChangeWatch::reportChange()
{
    if (!m_pending)
        return;
    m_pending = false;
    emit changed();
}
