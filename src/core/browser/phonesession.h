#pragma once

#include "browser.h"
#include "documentfetcher.h"

#include <QObject>
#include <QPair>
#include <QStringList>
#include <memory>

// The phone of the Preview tab's Phone mode, without widgets: one Browser
// over the editor's text, the line being typed into an open field, the
// scroll position that follows the focus, and what the inspector lists.
// The view paints screen() and calls the key functions; changed() tells
// it (and the inspector) to show the phone again. Time comes only through
// advance(), from the view's timer.
class PhoneSession : public QObject
{
    Q_OBJECT

public:
    explicit PhoneSession(Fetcher &network, QObject *parent = nullptr);
    ~PhoneSession() override;

    // Shows text as the deck at documentUrl on the phone. The first time,
    // or for another address or phone, the phone starts afresh at the
    // first card; else the deck is reloaded keeping the context and the
    // card when it still exists.
    void open(const QString &text, const QUrl &documentUrl, const DeviceProfile &profile);
    // A new context at the first card of the document.
    void restart();
    bool isOpen() const { return m_browser != nullptr; }
    const Browser *browser() const { return m_browser.get(); }
    const Screen &screen() const;

    // The phone's keys. While a field is open, Select and the left soft key
    // accept the typed line (a line that does not fit the field's format is
    // refused and stays open), the right soft key and Back cancel it.
    bool press(Browser::Key key);
    // Characters typed on the keyboard: they open the focused input field
    // when none is open and go to the end of the typed line. In an open
    // list, a digit from 1 to 9 chooses that entry.
    bool typeText(const QString &text);
    // Backspace: removes the last typed character in an open field, else
    // goes back (keyboardBack).
    bool erase();
    // The keyboard's back (Escape): the phone's back key; on a phone
    // without one, the key that goes back there: the right soft key when it
    // carries prev or the engine's Back, the left one (OK) on an error.
    bool keyboardBack();
    bool pick(int n);
    void advance(int tenths);
    void setVariable(const QString &name, const QString &value);

    bool isEditing() const;
    const QString &draft() const { return m_draft; }
    // Why the last key did nothing; empty when it worked.
    const QString &message() const { return m_message; }

    // The first pixel row of the body shown (the card scrolled by this).
    int scrollTop() const { return m_scrollTop; }
    // The body's height in pixels: the screen without the title and the
    // soft key rows. The view uses the same figures.
    static int bodyHeight(const Screen &screen, const DeviceProfile &profile);
    static int rowHeight(const DeviceProfile &profile);

    // --- for the inspector
    QList<QPair<QString, QString>> variables() const; // by name
    QStringList history() const;                      // oldest first
    int timerRemaining() const;                       // tenths, -1 when none runs
    QStringList activeDos() const;                    // "type name: label"
    QString lastRequest() const;                      // method, URL, postfields

    // Whether the engine is running one of the calls above (a deck being
    // fetched); the calls made meanwhile are refused.
    bool isBusy() const { return m_inEngine; }

signals:
    void changed();

private:
    void start();
    bool pressKey(Browser::Key key);
    bool backKey();
    bool done(const Browser::Outcome &outcome);
    void followFocus();
    bool scrollBy(int lines);

    Fetcher &m_network;
    std::unique_ptr<DocumentFetcher> m_fetcher;
    std::unique_ptr<Browser> m_browser;
    QString m_profileId;
    QString m_draft;
    bool m_wasEditing = false;
    QString m_message;
    int m_scrollTop = 0;
    QString m_lastUrl;
    bool m_inEngine = false; // of the card shown when the scroll was last set
};
