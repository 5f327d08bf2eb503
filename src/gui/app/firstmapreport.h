#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>
#include <QWindow>

#include <cstdio>

// A measuring hook for the start-up benchmark: when the environment
// variable TARNEL_REPORT_FIRST_MAP is set, the first time the watched
// window is exposed on screen "mapped" is written to standard output and
// the program quits. Header-only, so that the benchmark's bare Qt program
// is built with exactly the same hook.
class FirstMapReport : public QObject
{
public:
    static constexpr const char *variable = "TARNEL_REPORT_FIRST_MAP";

    // Watches window, which has been shown, when the variable is set;
    // otherwise does nothing.
    static void watch(QWidget &window)
    {
        if (qEnvironmentVariableIsSet(variable) && window.windowHandle())
            window.windowHandle()->installEventFilter(new FirstMapReport(window.windowHandle()));
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && !m_reported) {
            m_reported = true;
            std::fputs("mapped\n", stdout);
            std::fflush(stdout);
            QCoreApplication::exit(0);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    explicit FirstMapReport(QObject *parent) : QObject(parent) {}
    bool m_reported = false;
};
