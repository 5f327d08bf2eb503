#pragma once

#include "net/transferlimits.h"

#include <QObject>
#include <functional>

class StatusPanels;
class TransferControl;
class TransferProgress;

// Runs one network transfer on a worker thread while the command waits in
// a local event loop: the windows go on painting and timers go on firing,
// the status bar shows the progress, and Escape or the status bar's Cancel
// button stops the transfer. Other input (keys, clicks, closing windows,
// hints that would overwrite the status panel) is held off until the
// transfer has ended, so no command runs inside another.
class TransferRunner : public QObject
{
    Q_OBJECT

public:
    explicit TransferRunner(StatusPanels &statusBar) : m_statusBar(statusBar) {}

    // Returns when job has ended; throws the TarnelError it threw
    // ("Transfer cancelled" after a cancel).
    void run(const TransferLimits &limits, const std::function<void(TransferControl &)> &job);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    StatusPanels &m_statusBar;
    TransferControl *m_control = nullptr;
    TransferProgress *m_progress = nullptr;
};
