#pragma once

#include <QTreeWidget>

// The Ctrl+J list `lv_1`: one column of captions, no header, whole-row
// selection, read-only. A double click or a released Enter chooses the
// selected entry; a released Escape cancels. Losing the focus, to a click
// elsewhere or to another window, is reported too.
class CompletionList : public QTreeWidget
{
    Q_OBJECT

public:
    explicit CompletionList(QWidget *parent = nullptr);

    void setEntries(const QStringList &entries);
    QStringList entries() const;
    // The selected entry's caption; null when none is selected.
    QString selectedEntry() const;

signals:
    void chosen();
    void cancelled();
    void focusLost();

protected:
    void keyReleaseEvent(QKeyEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};
