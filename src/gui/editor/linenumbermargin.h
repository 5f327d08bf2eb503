#pragma once

#include <QObject>

class WmlEditor;

// The line numbers at the left of a source editor: margin 0 shows them,
// as wide as the highest line number needs (at least three digits), and
// has no width while they are switched off.
class LineNumberMargin : public QObject
{
    Q_OBJECT

public:
    LineNumberMargin(WmlEditor &editor, bool shown);

    bool isShown() const { return m_shown; }
    void setShown(bool shown);

private:
    void updateWidth();

    WmlEditor &m_editor;
    bool m_shown = true;
    int m_digits = 0;
};
