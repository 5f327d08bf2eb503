#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QSize>

// A WBMP picture being touched up, with undo. A stroke begins where the
// pointer is pressed, which toggles that pixel; dragging paints the colour
// the first pixel got; releasing ends the stroke. One stroke, one invert
// or one resize of the canvas is one undo step. The picture stays in
// WbmpCodec's format.
class PictureEdits
{
public:
    explicit PictureEdits(const QImage &picture = QImage());

    const QImage &picture() const { return m_picture; }
    QSize size() const { return m_picture.size(); }
    bool isBlack(const QPoint &pixel) const;

    // --- strokes; points outside the picture are ignored
    void press(const QPoint &pixel);
    void drag(const QPoint &pixel);
    void release();
    bool inStroke() const { return m_inStroke; }

    // Black becomes white and white black.
    void invert();
    // The canvas becomes size (1 … WbmpHeader::maximumSide each way); the
    // picture keeps its top left corner, new pixels are white.
    void resizeCanvas(const QSize &size);

    bool canUndo() const { return !m_undo.isEmpty(); }
    bool canRedo() const { return !m_redo.isEmpty(); }
    void undo();
    void redo();

    // Whether the picture differs from the one last loaded or saved, by
    // the steps between (undoing back to it counts as unchanged).
    bool isModified() const { return m_revision != m_savedRevision; }
    void markSaved() { m_savedRevision = m_revision; }

private:
    struct Step
    {
        QImage picture;
        int revision;
    };
    // Records the picture as it is before a change.
    void beginStep();
    void setPixel(const QPoint &pixel, bool black);

    QImage m_picture;
    QList<Step> m_undo;
    QList<Step> m_redo;
    int m_revision = 0;
    int m_nextRevision = 1;
    int m_savedRevision = 0;
    bool m_inStroke = false;
    bool m_strokeBlack = false;
    bool m_strokeChanged = false;
    QImage m_beforeStroke;
};
