#pragma once

#include "elementcontrol.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

// The designer's model of a document: one card page per card, the element
// controls on each, the element list in document order and the element
// attribute lists by name ("STRLIST_" + card + "_" + element). It is built
// by the card parser from the source text and read by the preview.
class CardModel
{
public:
    // Element control heights, as the toolkit's default controls have them.
    static constexpr int panelHeight = 16;
    static constexpr int labelHeight = 17;
    static constexpr int buttonHeight = 25;
    static constexpr int textFieldHeight = 21;
    static constexpr int radioButtonHeight = 17;
    static constexpr int placeholderPictureHeight = 38;

    CardModel() = default;
    CardModel(const CardModel &) = delete;
    CardModel &operator=(const CardModel &) = delete;

    // Forgets every page, control and attribute list; the element counter
    // starts again at 0 and the tag list file is read again.
    void clear();

    // The folder image sources are found in (the document's folder; empty
    // for a page that was never saved).
    void setImageFolder(const QString &folder) { m_imageFolder = folder; }
    const QString &imageFolder() const { return m_imageFolder; }

    void CreateCardPage(int cardNumber, const QString &id, const QString &cssClass, const QString &title);
    // Creates the control of kind ("PARAGRAPH", "LINK", ...; any other kind
    // creates nothing) on area from an element record. Throws TarnelError
    // when an image file ends inside its header.
    void CreateElement(const QString &kind, const QString &cardNumber, const QString &record, CardPage *area);
    // Restacks the card's controls in element-list order from top 8, each
    // 5 pixels below the previous one, hidden ones included.
    void LayoutCard(const QString &cardNumber);
    // The element area of that name ("oCard" + number), or null.
    CardPage *FindCardControl(const QString &name);
    const CardPage *FindCardControl(const QString &name) const;
    // Creates or refills the attribute list of the card (tag word "card") or
    // of the element numbered last.
    void BuildAttributeList(const QString &tagWord, const QString &cardNumber, const QString &first,
                            const QString &second = QString(), const QString &third = QString());

    // The attribute list of that name, or null.
    const QStringList *attributeList(const QString &name) const;
    int attributeListCount() const { return int(m_attributeLists.size()); }

    int pageCount() const { return int(m_pages.size()); }
    const CardPage &page(int index) const { return *m_pages[size_t(index)]; }

    QStringList elementList;
    int elementCounter = 0;
    int placementCursor = 0;

private:
    ElementControl makeControl(ElementKind kind, const QString &record) const;
    // Tag templates are read from the tag list file once per build.
    const QString &tagTemplate(const QString &tagWord);

    std::vector<std::unique_ptr<CardPage>> m_pages;
    QHash<QString, CardPage *> m_areas;
    QHash<QString, QStringList> m_attributeLists;
    // Per card number, its element names in element-list order without the
    // card's own entry, so a card is laid out without walking every card.
    QHash<QString, QStringList> m_cardElements;
    QHash<QString, QString> m_tagTemplates;
    QString m_imageFolder;
};
