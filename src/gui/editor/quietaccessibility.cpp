#include "quietaccessibility.h"

#include "wmleditor.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace QuietAccessibility {

namespace {

// Follows whether an accessibility client is active, as Qt announces it.
struct ReaderWatch : QAccessible::ActivationObserver
{
    bool listening = QAccessible::isActive();
    void accessibilityActiveChanged(bool active) override { listening = active; }
};

// Made once and kept for the life of the process: Qt's list of observers
// may outlive any static object of ours.
ReaderWatch &readerWatch()
{
    static ReaderWatch *watch = new ReaderWatch;
    return *watch;
}

QAccessibleInterface *plainInterface(const QString &className, QObject *object)
{
    if (readerWatch().listening || className != QLatin1String(WmlEditor::staticMetaObject.className()))
        return nullptr; // QScintilla's own factory answers
    auto *editor = qobject_cast<WmlEditor *>(object);
    return editor ? new QAccessibleWidget(editor, QAccessible::EditableText) : nullptr;
}

} // namespace

void install()
{
    static const bool installed = [] {
        // Observers hear of a change in the order they came; this one comes
        // before any editor's, so editors see the new state.
        QAccessible::installActivationObserver(&readerWatch());
        QAccessible::installFactory(plainInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

void forgetInterface(QWidget *editor)
{
    if (QAccessibleInterface *cached = QAccessible::queryAccessibleInterface(editor))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(cached));
}

} // namespace QuietAccessibility
