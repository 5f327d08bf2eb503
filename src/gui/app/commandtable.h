#pragma once

#include <QList>
#include <QString>

class QAction;
class QObject;

// The main window's command list: every command with its name, caption,
// hint, shortcut and picture, in list order.
namespace CommandTable {

struct Command
{
    const char *name;
    const char *category;
    const char *caption;
    const char *hint;     // may be empty
    const char *shortcut; // key names, may be empty
    const char *icon;     // picture in the artwork resources, may be empty
};

const QList<Command> &commands();

// Creates one QAction per command of the main window, named after it, as
// children of owner.
QList<QAction *> createActions(QObject *owner);
// The same for another list of commands.
QList<QAction *> createActions(const QList<Command> &list, QObject *owner);

} // namespace CommandTable
