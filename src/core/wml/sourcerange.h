#pragma once

// A place in the editor's text: line and column counted from 1, and the
// offset in UTF-16 units from the start of the text (the editor's own
// positions, a CR LF break counting two).
struct SourcePosition
{
    int line = 1;
    int column = 1;
    int offset = 0;

    friend bool operator==(const SourcePosition &a, const SourcePosition &b) { return a.offset == b.offset; }
    friend bool operator<(const SourcePosition &a, const SourcePosition &b) { return a.offset < b.offset; }
};

// From start up to, not including, end.
struct SourceRange
{
    SourcePosition start;
    SourcePosition end;

    int length() const { return end.offset - start.offset; }
};
