#pragma once

#include "app/commandtable.h"

// The document window's Insert commands, in list order, with their
// captions, hints, shortcuts and pictures.
namespace InsertCommands {

const QList<CommandTable::Command> &commands();

// The commands of the "Font" submenu, which the toolbar shows between a
// separator after Card and one after Strong.
bool isFontCommand(const QString &name);
// Commands the toolbar follows with a separator.
bool endsToolbarGroup(const QString &name);

} // namespace InsertCommands
