#pragma once

#include "sourceeditor.h"

#include <vector>

// A source editor without a window: the main window's hidden scratch
// editor, the batch preview tool and the tests use it. It keeps its text in
// one string with CR LF line breaks and a full undo history.
class PlainTextBuffer : public SourceEditor
{
public:
    PlainTextBuffer() = default;
    explicit PlainTextBuffer(const QString &text) { setText(text); }

    QString text() const override { return m_text; }
    void setText(const QString &text) override;
    int length() const override { return int(m_text.size()); }
    int lineCount() const override;
    QString lineText(int line) const override;
    int lineStart(int line) const override;
    int lineOfPosition(int position) const override;

    int caret() const override { return m_caret; }
    int anchor() const override { return m_anchor; }
    void setSelection(int anchor, int caret) override;
    void replaceSelection(const QString &text) override;

    void ensureCaretVisible() override {}
    // A nominal grid of 8 by 16 pixels per character cell.
    QPoint caretPixelPosition() const override;

    void undo() override;
    void redo() override;
    bool canUndo() const override { return !m_undo.empty(); }
    bool canRedo() const override { return !m_redo.empty(); }
    void beginUndoStep() override;
    void endUndoStep() override;

protected:
    QString textRange(int start, int end) const override;

private:
    struct Edit
    {
        int position;
        QString removed;
        QString inserted;
    };
    using Step = std::vector<Edit>;

    void apply(const Edit &edit, bool forward);
    void ensureLineStarts() const;
    int clamp(int position) const { return qBound(0, position, length()); }

    QString m_text;
    int m_caret = 0;
    int m_anchor = 0;
    std::vector<Step> m_undo;
    std::vector<Step> m_redo;
    int m_groupDepth = 0;
    mutable std::vector<int> m_lineStarts; // empty when stale
};
