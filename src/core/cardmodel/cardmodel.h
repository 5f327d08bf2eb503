#pragma once

#include "attributelist.h"
#include "elementcontrol.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
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
    void CreateElement(ElementKind kind, const QString &cardNumber, const QString &record, CardPage *area);
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
    // Its line 0, the tag word; empty when there is no such list.
    QString attributeListTagWord(const QString &name) const;
    int attributeListCount() const { return int(m_lists.size()); }

    // What an element-list entry ("OBJ_" + card + "_" + element) stands for,
    // found without building any name.
    struct Entry
    {
        QStringView cardNumber;
        const CardPage *page = nullptr;
        const ElementControl *control = nullptr; // null for the card's own entry
        int list = -1;                           // attribute list slot, -1 for none
    };
    Entry entry(const QString &name) const;
    QString listTagWord(int slot) const;
    const QStringList *listLines(int slot) const;

    int pageCount() const { return int(m_pages.size()); }
    const CardPage &page(int index) const { return *m_pages[size_t(index)]; }

    QStringList elementList;
    int elementCounter = 0;
    int placementCursor = 0;

private:
    ElementControl makeControl(ElementKind kind, const QString &record) const;
    // Sets the list of index slot (a new one when slot is -1); gives the index.
    int setList(int slot, const QString &tagWord, const QString &first, const QString &second,
                const QString &third);
    void buildElementList(ElementControl &control, ElementKind kind);
    // The slot of the attribute list named "STRLIST_" + card + "_" + element.
    int listSlot(const QString &name) const;
    const CardPage *pageOfNumber(QStringView cardNumber) const;
    // Tag templates are read from the tag list file once per build.
    std::shared_ptr<const AttributeList::PreparedTemplate> tagTemplate(const QString &tagWord);

    // An attribute list is kept as what it is made from and made when it is
    // first read: most lists of a big deck (those of paragraphs) are never
    // read, and the lines come out the same whenever they are made.
    struct PendingList
    {
        std::shared_ptr<const AttributeList::PreparedTemplate> prepared;
        QString values[3];
        mutable std::optional<QStringList> lines;
    };

    std::vector<std::unique_ptr<CardPage>> m_pages;
    QHash<QString, CardPage *> m_areas;
    std::vector<PendingList> m_lists;
    QHash<QString, std::shared_ptr<const AttributeList::PreparedTemplate>> m_tagTemplates;
    QString m_imageFolder;
};
