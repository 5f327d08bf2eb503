#include "checksession.h"

#include <QMetaObject>
#include <QMutex>
#include <QThreadPool>

// The worker's way back to the session. The session may go (its window
// closed) while a check still runs: it closes the mailbox first, and a
// result posted before that is discarded with the session's own events.
struct CheckSession::Mailbox
{
    QMutex mutex;
    CheckSession *session = nullptr;

    void post(quint64 revision, CheckSession::Result result)
    {
        QMutexLocker lock(&mutex);
        if (!session)
            return;
        CheckSession *target = session;
        QMetaObject::invokeMethod(
            target, [target, revision, result = std::move(result)] { target->finish(revision, result); },
            Qt::QueuedConnection);
    }

    void close()
    {
        QMutexLocker lock(&mutex);
        session = nullptr;
    }
};

CheckSession::CheckSession(InputSource source, QObject *parent)
    : QObject(parent), m_source(std::move(source)), m_check(&CheckSession::checkAndMeasure),
      m_mailbox(std::make_shared<Mailbox>())
{
    m_mailbox->session = this;
    m_timer.setSingleShot(true);
    m_timer.setInterval(defaultDelay);
    connect(&m_timer, &QTimer::timeout, this, &CheckSession::start);
}

CheckSession::~CheckSession()
{
    m_mailbox->close();
}

QList<Diagnostic> CheckSession::standardCheck(const Input &input)
{
    const std::shared_ptr<const WmlDocument> document = WmlDocument::parse(input.text, input.document);
    return Checker::check(*document, input.checker);
}

CheckSession::Result CheckSession::checkAndMeasure(const Input &input)
{
    const std::shared_ptr<const WmlDocument> document = WmlDocument::parse(input.text, input.document);
    Result result(Checker::check(*document, input.checker));
    result.size = DeckSizeReport::measure(*document, input.checker.device);
    return result;
}

void CheckSession::setCheckFunction(CheckFunction check)
{
    m_check = check ? std::move(check) : CheckFunction(&CheckSession::checkAndMeasure);
}

void CheckSession::textChanged()
{
    ++m_revision;
    m_timer.start();
}

void CheckSession::checkNow()
{
    m_timer.stop();
    start();
}

void CheckSession::bringUpToDate()
{
    if (isCurrent())
        return;
    m_timer.stop();
    Result result;
    try {
        result = m_check(m_source ? m_source() : Input());
    } catch (...) {
    }
    m_result = std::move(result);
    m_checkedRevision = m_revision;
    emit checked();
}

void CheckSession::start()
{
    if (m_running) {
        m_due = true;
        return;
    }
    m_due = false;
    m_running = true;
    ++m_started;
    const quint64 revision = m_revision;
    Input input = m_source ? m_source() : Input();
    QThreadPool::globalInstance()->start(
        [mailbox = m_mailbox, check = m_check, input = std::move(input), revision] {
            Result result;
            try {
                result = check(input);
            } catch (...) {
                // A failing rule must not take the editor down; the page
                // simply shows no problems until the next check.
            }
            mailbox->post(revision, std::move(result));
        });
}

void CheckSession::finish(quint64 revision, const Result &result)
{
    m_running = false;
    if (revision != m_revision) {
        ++m_dropped;
        // The text moved on. If its pause is over already, check it now;
        // otherwise the running timer will.
        if (m_timer.isActive())
            m_due = false;
        else
            start();
        return;
    }
    m_result = result;
    m_checkedRevision = revision;
    emit checked();
    if (m_due)
        start();
}
