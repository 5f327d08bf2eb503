#pragma once

#include <QString>

class BrowserContext;
struct WmlNode;

// The timer of the current card (WML 1.3, 11.7), counted in tenths of a
// second that the engine's caller lets pass. Started on card entry from
// its name variable (or its value when that is not set), stopped on card
// exit with the time left written to the name variable.
class CardTimer
{
public:
    // Starts the card's timer element, if it has one with a positive
    // timeout; otherwise the timer stays stopped.
    void start(const WmlNode &card, BrowserContext &context);
    // Stops the timer and writes the tenths left to its name variable.
    void stop(BrowserContext &context);
    bool isRunning() const { return m_running; }
    int remaining() const { return m_remaining; }
    // Lets up to tenths pass; returns how many passed before the timer
    // expired (then the timer has stopped, its variable holds "0", and the
    // caller delivers ontimer), or tenths when it did not expire.
    int advance(int tenths, BrowserContext &context, bool *expired);

private:
    bool m_running = false;
    int m_remaining = 0;
    QString m_name;
};
