#pragma once

#include "checker.h"

#include "devices/decksizereport.h"
#include "wml/wmldocument.h"

#include <QList>
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

// Keeps the problems of one page up to date while the user types. Each
// change only restarts a short timer; once the typing pauses, the text is
// taken and checked on a worker thread, and the result comes back through
// the event loop. A result for a text that has changed since is dropped,
// and the page is checked again. One check runs at a time per page.
class CheckSession : public QObject
{
    Q_OBJECT

public:
    // What one check reads: the text and the options of the parse and of
    // the checker, taken on the UI thread when the check starts.
    struct Input
    {
        QString text;
        WmlDocument::Options document;
        Checker::Options checker;
    };
    using InputSource = std::function<Input()>;
    // What one check found: the problems, and the deck's compiled size
    // against the phone of the checker's options.
    struct Result
    {
        Result() = default;
        Result(QList<Diagnostic> found) : diagnostics(std::move(found)) {}
        QList<Diagnostic> diagnostics;
        DeckSizeReport size;
    };
    // Runs on a worker thread: it must touch nothing but its input.
    using CheckFunction = std::function<Result(const Input &input)>;

    static constexpr int defaultDelay = 300;

    explicit CheckSession(InputSource source, QObject *parent = nullptr);
    ~CheckSession() override;

    // The parse and the checker's rules.
    static QList<Diagnostic> standardCheck(const Input &input);
    // The default check function: standardCheck() and the compiled size,
    // from one parse.
    static Result checkAndMeasure(const Input &input);
    void setCheckFunction(CheckFunction check);

    // The pause after the last change before the check starts, in ms.
    int delay() const { return m_timer.interval(); }
    void setDelay(int milliseconds) { m_timer.setInterval(milliseconds); }

    // The text changed: costs no more than restarting the timer.
    void textChanged();
    // Checks without waiting for a pause (a page just loaded, a fix just
    // made); the result still arrives through the event loop.
    void checkNow();

    // Checks the text as it is now on the calling thread, unless the last
    // result is current already: for a command that needs exact positions
    // (a quick fix) right after a keystroke.
    void bringUpToDate();

    // The problems of the last check whose text was still current.
    const QList<Diagnostic> &diagnostics() const { return m_result.diagnostics; }
    // The compiled size found by the same check.
    const DeckSizeReport &deckSize() const { return m_result.size; }
    // Whether diagnostics() belong to the text as it is now.
    bool isCurrent() const { return m_checkedRevision == m_revision; }
    bool isRunning() const { return m_running; }
    bool isWaiting() const { return m_timer.isActive(); }
    // How many checks were started, and how many results were dropped
    // because the text had changed meanwhile.
    int startedCount() const { return m_started; }
    int droppedCount() const { return m_dropped; }

signals:
    // New diagnostics for the current text.
    void checked();

private:
    struct Mailbox;

    void start();
    void finish(quint64 revision, const Result &result);

    InputSource m_source;
    CheckFunction m_check;
    QTimer m_timer;
    std::shared_ptr<Mailbox> m_mailbox;
    Result m_result;
    quint64 m_revision = 1;
    quint64 m_checkedRevision = 0;
    bool m_running = false;
    // A check was due while another ran: it starts when that one ends.
    bool m_due = false;
    int m_started = 0;
    int m_dropped = 0;
};
