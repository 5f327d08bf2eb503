#pragma once

#include <QString>
#include <QStringView>

// One line as the highlighter reads it: a view of its text and an
// upper-cased copy, made the first time a scan compares names and then kept
// for the rest of the line. Only ASCII letters change case (every tag name
// and "</SCRIPT>" is ASCII), so each index of the copy is an index of the
// text. The viewed text must outlive the line object; reset() moves to the
// next line and reuses the copy's storage.
class HighlightLine
{
public:
    HighlightLine() = default;
    explicit HighlightLine(QStringView text) : m_text(text) {}

    void reset(QStringView text);

    QStringView text() const { return m_text; }
    QStringView upper() const;
    int size() const { return int(m_text.size()); }

private:
    QStringView m_text;
    mutable QString m_upper;
    mutable bool m_upperReady = false;
};
