#pragma once

#include "browser/standardfetcher.h"
#include "preview/skinkeys.h"

#include <QWidget>
#include <memory>

class CardModel;
struct DeviceProfile;
class PhoneInspector;
class PhoneSession;
class PhoneView;
class DialogService;
class HtmlViewer;
class QComboBox;
class QLabel;
class QToolButton;

// The Preview tab `tabPREVIEW`: the card list and the device list on top,
// and below them either the screen filling the tab (the plain view
// "normal") or the picture of a phone with the screen, the card title and
// the two scroll buttons placed over it by the device's skin. In the Phone
// mode the running phone (PhoneView) takes the screen's place, its keys
// answer to clicks on the picture's keys, and the inspector may show
// beside it.
class PreviewTab : public QWidget
{
    Q_OBJECT

public:
    PreviewTab(const CardModel &model, DialogService &dialogs, QWidget *parent = nullptr);
    ~PreviewTab() override;

    HtmlViewer *viewer() const { return m_viewer; }
    QComboBox *cardList() const { return m_cards; }
    QComboBox *deviceList() const { return m_devices; }
    QLabel *skinPicture() const { return m_skin; }
    QLabel *titleLabel() const { return m_title; }
    QToolButton *upButton() const { return m_up; }
    QToolButton *downButton() const { return m_down; }
    int scrollOffset() const { return m_scrollOffset; }
    QComboBox *modeList() const { return m_mode; }
    // Why the phone's last key did nothing (a text that does not fit a field...).
    QLabel *phoneMessage() const { return m_phoneMessage; }
    PhoneView *phoneView() const { return m_phone; }
    PhoneInspector *inspector() const { return m_inspector; }
    PhoneSession &phoneSession() const { return *m_session; }
    // The phone's way to files and HTTP (the window gives it its transfer runner).
    StandardFetcher &network() { return m_network; }

    // Whether the Phone mode shows (else the Cards), as the mode list says.
    bool isPhoneMode() const;
    // Chooses the mode (as the user does in the mode list) and remembers it.
    void setPhoneMode(bool on);
    // Runs text, the document at url, on the phone profile (PhoneSession::open).
    void openPhone(const QString &text, const QUrl &url, const DeviceProfile &profile);
    void setInspectorShown(bool shown);
    bool isInspectorShown() const { return m_inspectorShown; }
    // Presses the key of the picture at point (tab coordinates); false
    // when no key of the skin is there.
    bool clickSkinKey(const QPoint &point);

    // Fills the device list: "normal", then the devices of the skin file.
    void FillDeviceList();
    // Applies the device named by the device list's text. Throws
    // TarnelError when its picture or a colour cannot be read.
    void cmbSKINSChange();
    void btnUPClick();
    void btnDOWNClick();
    // Shows the card chosen in the card list, from the top, with its title.
    // Throws TarnelError when its page cannot be loaded.
    void lstCARDSSChange();
    // The card names of the last preview and the folder holding their
    // pages; selects the first and shows its title (its page is for the
    // caller to load).
    void setCardNames(const QStringList &names, const QString &pageFolder);
    // Follows a "#name" link: shows that card's page, selects it in the card
    // list and shows its title; the scroll offset stays. Throws TarnelError
    // "Can't locate file: " + path when the page does not exist or belongs
    // to no card of the last preview (a card since removed).
    void showLinkedCard(const QString &cardName);

    // The size the tab needs to show the whole phone of the chosen skin
    // with the lists above it; empty in the plain view, which fits any size.
    QSize phoneSize() const;

    // The phone profile the chosen skin names; empty in the plain view or
    // when the skin names none.
    const QString &skinProfile() const { return m_skinProfile; }

signals:
    // A skin was applied: the window may need to grow to phoneSize().
    void phoneChanged();
    // Another skin (or the plain view) was chosen: the page's phone may
    // be another one now.
    void skinProfileChanged();
    // The user switched between the Cards and the Phone mode.
    void modeChanged();

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showPlainView();
    void applyDevice(const QString &device);
    void placeViewer();
    // Shows either the cards' widgets or the phone's, placed for the skin.
    void placeMode();
    QString chosenCardTitle() const;
    // The user chose a card in the list, perhaps the one already chosen.
    void cardActivated(int index);

    const CardModel &m_model;
    DialogService &m_dialogs;
    QWidget *m_panel;
    QComboBox *m_cards;
    QComboBox *m_devices;
    QLabel *m_skin;
    HtmlViewer *m_viewer;
    QLabel *m_title;
    QToolButton *m_up;
    QToolButton *m_down;
    bool m_viewerFillsTab = true;
    int m_scrollOffset = 0;
    QString m_pageFolder;
    QString m_skinProfile;

    QComboBox *m_mode;
    QLabel *m_phoneMessage;
    StandardFetcher m_network;
    std::unique_ptr<PhoneSession> m_session;
    PhoneView *m_phone;
    PhoneInspector *m_inspector;
    bool m_inspectorShown = false;
    bool m_phoneMode = false;
    SkinKeys m_keys;
    QRect m_screenRect; // of the skin; empty in the plain view
};
