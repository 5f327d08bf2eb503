#pragma once

// The source editor's per-user preferences, kept in the per-user settings.
namespace EditorSettings {

// Whether the editors show line numbers in a margin; on until the user
// turns them off.
bool lineNumbers();
void setLineNumbers(bool shown);

// Whether the document windows show the Problems list under the editor;
// on until the user turns it off.
bool problemsList();
void setProblemsList(bool shown);

} // namespace EditorSettings
