#pragma once

#include <QString>

class SourceEditor;

// Where the caret of a source editor stands, as the status bar shows it:
// the line and the column (both counted from 1; a column counts
// characters), the position (the number of the character after the caret
// from the start of the text, from 1; a line break counts two characters,
// as everywhere in the editor's offsets) and whether typing inserts or
// overwrites.
struct CaretStatus
{
    int line = 0;
    int column = 0;
    int position = 0;
    bool overwrite = false;

    static CaretStatus of(const SourceEditor &editor, bool overwrite);

    QString lineText() const { return QString::number(line); }
    QString columnText() const { return QString::number(column); }
    QString positionText() const { return QString::number(position); }
    // "INS" or "OVR", translated.
    QString modeText() const;

    static QString insertText();
    static QString overwriteText();
};
