#include "transferrunner.h"

#include "statuspanels.h"
#include "transferprogress.h"

#include "common/tarnelerror.h"
#include "net/transfercontrol.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QThread>
#include <QTimer>
#include <memory>
#include <optional>

void TransferRunner::run(const TransferLimits &limits, const std::function<void(TransferControl &)> &job)
{
    TransferControl control(limits);
    std::optional<TarnelError> failure;
    std::unique_ptr<QThread> worker(QThread::create([&] {
        try {
            job(control);
        } catch (const TarnelError &error) {
            failure = error;
        } catch (const std::exception &error) {
            failure = TarnelError(QString::fromLocal8Bit(error.what()));
        }
    }));

    auto *progress = new TransferProgress(m_statusBar.panel(StatusPanels::HintPanel));
    progress->show();
    connect(progress, &TransferProgress::cancelRequested, this, [&control] { control.cancel(); });
    m_control = &control;
    m_progress = progress;
    const auto cleanUp = qScopeGuard([this, progress] {
        qApp->removeEventFilter(this);
        m_control = nullptr;
        m_progress = nullptr;
        delete progress;
    });

    QTimer poll;
    poll.setInterval(100);
    connect(&poll, &QTimer::timeout, progress,
            [&control, progress] { progress->showProgress(control.bytesDone(), control.bytesTotal()); });
    QEventLoop loop;
    // Emitted on the worker thread, so the quit is queued to this loop and
    // cannot get lost before exec() runs.
    connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    qApp->installEventFilter(this);
    poll.start();
    worker->start();
    loop.exec();
    worker->wait();
    if (failure)
        throw *failure;
}

bool TransferRunner::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (watched->isWidgetType() && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape && m_control)
            m_control->cancel();
        return watched->isWidgetType();
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::InputMethod:
        // Windows (not widgets) pass events on to their widgets: filter there.
        return watched->isWidgetType();
    case QEvent::Shortcut:
    case QEvent::StatusTip:
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        return watched->isWidgetType() && !(m_progress && watched == m_progress->cancelButton());
    case QEvent::Close:
        // An unanswered close event counts as accepted.
        event->ignore();
        return true;
    default:
        return false;
    }
}
