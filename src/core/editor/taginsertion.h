#pragma once

#include <QString>

class SourceEditor;

// The insertions of the Insert commands, written once against the editor
// interface so the document window and tests share them.
namespace TagInsertion {

// The character in an opening text that marks where the caret goes.
constexpr char16_t caretMarker = u'|';

// Replaces the selection with opening + selection + (CR LF when newLine) +
// closing. When the opening text holds the caret marker, the marker is
// removed and the caret put where it stood; otherwise the caret goes right
// after the opening text. A marker in the selection or elsewhere in the
// document is left alone. Undoes as one step.
void insertTagPair(SourceEditor &editor, const QString &opening, const QString &closing, bool newLine);

// The tag of a text-format command, derived from its name: "InsSTRONG"
// gives "strong".
QString formatTagOfCommand(const QString &commandName);

// The lines of a quick table of rows by columns whose cells hold fill, each
// line ended by CR LF.
QString quickTable(int rows, int columns, const QString &fill);

// The row or column count of a quick-table grid cell under a pointer
// coordinate (16-pixel cells plus a 1-pixel grid line).
constexpr int quickTableCount(int pixel) { return pixel / 17 + 1; }

} // namespace TagInsertion
