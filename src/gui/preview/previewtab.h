#pragma once

#include <QWidget>

class CardModel;
class DialogService;
class HtmlViewer;
class QComboBox;
class QLabel;
class QToolButton;

// The Preview tab `tabPREVIEW`: the card list and the device list on top,
// and below them either the screen filling the tab (the plain view
// "normal") or the picture of a phone with the screen, the card title and
// the two scroll buttons placed over it by the device's skin.
class PreviewTab : public QWidget
{
    Q_OBJECT

public:
    PreviewTab(const CardModel &model, DialogService &dialogs, QWidget *parent = nullptr);

    HtmlViewer *viewer() const { return m_viewer; }
    QComboBox *cardList() const { return m_cards; }
    QComboBox *deviceList() const { return m_devices; }
    QLabel *skinPicture() const { return m_skin; }
    QLabel *titleLabel() const { return m_title; }
    QToolButton *upButton() const { return m_up; }
    QToolButton *downButton() const { return m_down; }
    int scrollOffset() const { return m_scrollOffset; }

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

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void showPlainView();
    void applyDevice(const QString &device);
    void placeViewer();
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
};
