#include "quietaccessibility.h"

#include "wmleditor.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace QuietAccessibility {

namespace {

QAccessibleInterface *plainInterface(const QString &className, QObject *object)
{
    if (QAccessible::isActive() || className != QLatin1String(WmlEditor::staticMetaObject.className()))
        return nullptr; // QScintilla's own factory answers
    auto *editor = qobject_cast<WmlEditor *>(object);
    return editor ? new QAccessibleWidget(editor, QAccessible::EditableText) : nullptr;
}

} // namespace

void install()
{
    static const bool installed = [] {
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
