#pragma once

#include "pictures/pictureedits.h"

#include <QWidget>

class DialogService;
class PictureCanvas;
class QAction;
class QLabel;
class QScrollArea;
class QToolBar;

// A WBMP picture in its own document window: the picture magnified on a
// canvas the user clicks to toggle pixels, a toolbar to zoom, show the
// grid, invert, resize the canvas, undo and redo. The main window's Save,
// Save As, Close, Undo and Redo act on it while it is active. Questions
// and file dialogs go through the dialog service.
class WbmpPictureWindow : public QWidget
{
    Q_OBJECT

public:
    explicit WbmpPictureWindow(DialogService &dialogs, QWidget *parent = nullptr);

    // Reads the picture at path (WbmpCodec::load); throws TarnelError and
    // keeps the picture it had.
    void load(const QString &path);
    // Shows picture, unchanged, as the file path (empty: not yet saved).
    void setPicture(const QImage &picture, const QString &path);

    const QImage &picture() const { return m_edits.picture(); }
    const QString &documentPath() const { return m_path; }
    bool isModified() const { return m_edits.isModified(); }
    bool canUndo() const { return m_edits.canUndo(); }
    bool canRedo() const { return m_edits.canRedo(); }
    PictureCanvas *canvas() const { return m_canvas; }
    QToolBar *toolBar() const { return m_toolBar; }
    QAction *command(const QString &name) const;
    // Room for the whole picture at its zoom, with the toolbar and status.
    QSize sizeHint() const override;

    void undo();
    void redo();
    void invert();
    // Asks for the new size and resizes the canvas.
    void resizeCanvasExecute();
    void zoomBy(int step);

    // Writes the picture to its file, or asks for one. False when the user
    // cancelled. Throws TarnelError when writing fails.
    bool save();
    bool saveAs();
    // The close prompt for a changed picture; false when the user cancelled
    // or the save did not happen.
    bool closeQuery();

signals:
    // The picture, its modified state or its file changed.
    void stateChanged();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createCommands();
    void refresh();
    bool writeTo(const QString &path);

    DialogService &m_dialogs;
    PictureEdits m_edits;
    QString m_path;
    PictureCanvas *m_canvas = nullptr;
    QScrollArea *m_scroll = nullptr;
    QToolBar *m_toolBar = nullptr;
    QLabel *m_status = nullptr;
};
