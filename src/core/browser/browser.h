#pragma once

#include "browsercontext.h"
#include "cardbindings.h"
#include "cardtimer.h"
#include "devices/deviceprofile.h"
#include "screen.h"
#include "selectlist.h"
#include "softkeys.h"
#include "task.h"
#include "wml/wmldocument.h"

#include <QHash>
#include <QImage>
#include <QSize>
#include <QUrl>
#include <memory>

class Fetcher;

// The phone engine: runs WML decks as a WML 1.3 user agent does. It holds
// the browser context (variables, history), the current deck and card,
// the card's timer and form fields, and answers with the Screen a phone
// shows. Driven only through load, press, type, pick and advance; decks
// and pictures come from the Fetcher it is given, time only from advance.
// A call returns an Outcome: accepted is false when the key made no sense
// on that screen (nothing happens then), with the reason. Failures of a
// task (a deck that cannot be fetched, access denied, WMLScript) show an
// error screen and leave the card as it was (WML 1.3, 12.5.5).
class Browser
{
public:
    enum class Key { Up, Down, Select, Soft1, Soft2, Back };

    struct Outcome
    {
        bool accepted = true;
        QString reason;
        static Outcome refused(const QString &reason) { return Outcome{false, reason}; }
    };

    // The longest chain of tasks that events start by themselves
    // (onenterforward going on, timers of one tenth) before the engine
    // stops it with an error screen.
    static constexpr int maximumChain = 16;
    // The most timer expiries one advance call delivers.
    static constexpr int maximumExpiries = 1000;

    Browser(Fetcher &fetcher, const DeviceProfile &profile);

    // Opens address (a URL, or a file path) in a fresh browser context, as
    // when the user types an address. False when nothing could be shown
    // (the error screen says why).
    bool load(const QString &address);
    Outcome press(Key key);
    // Types text into the open (or focused) input field and accepts it.
    Outcome type(const QString &text);
    // Chooses option n (from 1) of the open select list or Options list,
    // or of the focused select.
    Outcome pick(int n);
    // Lets tenths of a second pass.
    void advance(int tenths);

    // For an editor that changed the deck: fetches the current deck again
    // and shows the card of the same id when it still exists (else the
    // first card), keeping the variables and the history; the card is
    // entered afresh (forms, timer) without its onenter events. False, with
    // the error screen, when the deck cannot be fetched; then the card
    // shown before stays underneath. Before any deck it does nothing.
    bool reload();
    // For an inspector: sets (or, empty, unsets) a variable and lays the
    // card out again, its fields taking the new values.
    void setVariable(const QString &name, const QString &value);

    const Screen &screen() const;
    bool hasCard() const { return m_card != nullptr; }
    // The current card's address: the deck's URL with "#id" when the card has one.
    QUrl url() const;
    QString cardId() const;
    const BrowserContext &context() const { return m_context; }
    // Tenths left on the card's timer, or -1 when none runs.
    int timerRemaining() const { return m_timer.isRunning() ? m_timer.remaining() : -1; }
    const DeviceProfile &profile() const { return m_profile; }
    // The picture a run of the screen shows (its source), read once and
    // kept; a null image when it cannot be read.
    QImage picture(const QString &source) const;
    // The deck's document, for an inspector; null before the first deck.
    std::shared_ptr<const WmlDocument> document() const { return m_document; }
    // The do elements active on the card, after template shadowing.
    const QList<DoBinding> &activeDos() const { return m_dos; }

private:
    // --- tasks (browsertasks.cpp)
    bool runTask(const Task &task);
    bool runGo(const Task &task);
    bool runPrev(const Task &task);
    bool runRefresh(const Task &task);
    bool runEvent(const QString &type);
    // A go task with its variables filled in.
    struct Navigation
    {
        QUrl target;
        bool post = false;
        QList<QPair<QString, QString>> postfields;
        QList<QPair<QString, QString>> assignments; // of its setvars
        bool noCache = false;
        QUrl referer;
        QByteArray charset; // the postfields are sent in it
    };
    // Steps 2 to 10 of the go task: fetch (unless the card is in this
    // deck), access control, the card, setvars, newcontext, history,
    // onenterforward, timer, display.
    bool navigate(Navigation go);
    QList<QPair<QString, QString>> setvarsOf(const Task &task) const;
    void apply(const QList<QPair<QString, QString>> &assignments);
    struct Fetched
    {
        std::shared_ptr<const WmlDocument> document;
        QString error;
    };
    Fetched fetchDeck(const QUrl &deckUrl, bool post, const QByteArray &body, bool noCache, const QUrl &referer);
    void fail(const QString &message);
    // Whether the current deck may reach url: a deck from the network never
    // reads files of this computer, as a phone could not either.
    bool mayOpen(const QUrl &url) const;
    void exitCard();
    void enterCard();
    void setCard(std::shared_ptr<const WmlDocument> document, const QUrl &deckUrl, const WmlNode *card);

    // --- keys (browserkeys.cpp)
    Outcome activateSoftKey(const SoftKeyAction &action);
    Outcome activateItem(int index);
    Outcome runDo(int binding);
    Outcome chooseMenuEntry(int index);
    Outcome goBack();

    // --- screen (browser.cpp)
    void initialiseForms();
    void markDirty() { m_dirty = true; }
    void relayout() const;
    QSize pictureSize(const QString &src) const { return picture(src).size(); }
    const WmlNode *deckTemplate() const;

    Fetcher &m_fetcher;
    DeviceProfile m_profile;
    BrowserContext m_context;
    CardTimer m_timer;

    std::shared_ptr<const WmlDocument> m_document;
    QUrl m_deckUrl; // without fragment
    const WmlNode *m_card = nullptr;
    QHash<const WmlNode *, SelectList> m_selects;
    QList<DoBinding> m_dos;

    int m_focus = -1;
    enum class Overlay { None, Options, Select, Editing, Error };
    Overlay m_overlay = Overlay::None;
    const WmlNode *m_overlayField = nullptr; // the select or input open
    int m_highlight = 0;
    QString m_error;
    int m_chain = 0; // tasks run since the user's last action

    mutable Screen m_screen;
    mutable SoftKeys::Assignment m_softKeys;
    mutable bool m_dirty = true;
    mutable QHash<QString, QImage> m_pictures;
};
