#pragma once

#include <QList>
#include <QString>
#include <utility>

// Which of the main window's document commands are enabled, worked out
// from the active document window alone. The main window applies the whole
// table whenever something it depends on may have changed (another window
// became active, a window closed, the text changed, the tab switched), so
// no command keeps a state left over from another document or another tab.
namespace CommandStates {

// What the rules read from the active document window.
struct ActiveDocument
{
    bool exists = false;     // a document window is open
    bool sourceShown = false; // its WML tab is showing
    bool modified = false;
    bool hasFile = false;     // it stands for a file (not a new page never saved)
    bool canUndo = false;
    bool canRedo = false;
};

// Every command the rules decide, by action name, with its state. Commands
// not listed (New, Open, Exit, Find next, Remove tag, ...) stay enabled.
// Save needs the WML tab and a changed text or a new page not yet saved, so
// an unchanged file, or one shown on the Preview tab, is never rewritten; Undo and Redo need a step to
// take; all of them, Close and Close All too, need the WML tab showing.
QList<std::pair<QString, bool>> of(const ActiveDocument &document);

} // namespace CommandStates
