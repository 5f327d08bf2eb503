#pragma once

#include "serve/servelogentry.h"

#include <QDockWidget>

class QLabel;
class QTreeWidget;

// The request log of Serve to Phone: one row per request with time,
// client, method, path, status, bytes, User-Agent and Accept (and why a
// request was refused), the newest at the bottom. Keeps the last
// maxRows rows.
class RequestLogPanel : public QDockWidget
{
    Q_OBJECT

public:
    static constexpr int maxRows = 5000;

    explicit RequestLogPanel(QWidget *parent = nullptr);

    void addEntry(const ServeLogEntry &entry);
    void clear();
    // The line over the rows: what is served where, or that nothing is.
    void setStatus(const QString &text);

    QTreeWidget *rows() const { return m_rows; }

private:
    QLabel *m_status = nullptr;
    QTreeWidget *m_rows = nullptr;
};
