#include "cardmodel.h"

#include "attributelist.h"
#include "elementrecord.h"

#include "preview/wbmpfile.h"

#include <QDir>

void CardModel::clear()
{
    // A rebuild usually makes about as many elements as the build before.
    const qsizetype previousElements = elementList.size();
    elementCounter = 0;
    placementCursor = 0;
    elementList = QStringList();
    elementList.reserve(previousElements);
    m_pages.clear();
    m_areas.clear();
    const size_t previousLists = m_lists.size();
    m_lists = std::vector<PendingList>();
    m_lists.reserve(previousLists);
    m_tagTemplates.clear();
}

void CardModel::CreateCardPage(int cardNumber, const QString &id, const QString &cssClass, const QString &title)
{
    auto page = std::make_unique<CardPage>();
    page->number = cardNumber;
    page->caption = id;
    page->areaName = QStringLiteral("oCard%1").arg(cardNumber);
    m_areas.insert(page->areaName, page.get());
    m_pages.push_back(std::move(page));

    const QString number = QString::number(cardNumber);
    elementList << QStringLiteral("OBJ_%1_1").arg(number);
    ++elementCounter;
    BuildAttributeList(QStringLiteral("card"), number, id, cssClass, title);
}

ElementControl CardModel::makeControl(ElementKind kind, const QString &record) const
{
    ElementControl control;
    control.kind = kind;
    control.record = record;
    switch (kind) {
    case ElementKind::Paragraph:
        control.text = ElementRecord::shownText(record, 5);
        control.hint = QStringLiteral("Paragraph");
        control.height = labelHeight;
        break;
    case ElementKind::Link:
        control.text = ElementRecord::shownText(record, 2);
        control.underlined = true;
        control.height = labelHeight;
        break;
    case ElementKind::Button: {
        const QString label = ElementRecord::field(record, 5);
        control.text = label.isEmpty() ? QStringLiteral("Button") : label;
        control.hint = ElementRecord::field(record, 1);
        control.height = buttonHeight;
        break;
    }
    case ElementKind::Image: {
        const QString source = ElementRecord::field(record, 1);
        control.hint = source;
        const QString path = m_imageFolder.isEmpty() || QDir::isAbsolutePath(source)
                                 ? source
                                 : QDir(m_imageFolder).filePath(source);
        control.picture = source.isEmpty() ? QImage() : WbmpFile::load(path, Qt::white);
        control.height = control.picture.isNull() ? placeholderPictureHeight : control.picture.height();
        break;
    }
    case ElementKind::Postfield:
        control.text = ElementRecord::shownText(record, 4);
        control.height = textFieldHeight;
        break;
    case ElementKind::Select:
        control.text = ElementRecord::shownText(record, 1);
        control.height = radioButtonHeight;
        break;
    case ElementKind::Unknown:
        control.text = ElementRecord::shownText(record, 2);
        control.hint = record;
        control.visible = ElementRecord::field(record, 1) != QLatin1String("0");
        control.height = panelHeight;
        break;
    }
    return control;
}

void CardModel::CreateElement(const QString &kind, const QString &cardNumber, const QString &record, CardPage *area)
{
    ElementKind elementKind;
    if (elementKindFromName(kind, elementKind))
        CreateElement(elementKind, cardNumber, record, area);
}

void CardModel::CreateElement(ElementKind kind, const QString &cardNumber, const QString &record, CardPage *area)
{
    if (!area)
        return;
    ElementControl control = makeControl(kind, record);
    control.top = placementCursor;
    placementCursor += control.height + 10;

    ++elementCounter;
    control.name = QStringLiteral("OBJ_") + cardNumber + QLatin1Char('_') + QString::number(elementCounter);
    elementList << control.name;
    buildElementList(control, kind);
    area->add(std::move(control));
}

void CardModel::buildElementList(ElementControl &control, ElementKind kind)
{
    const QString &record = control.record;
    switch (kind) {
    case ElementKind::Paragraph:
        control.attributeList = setList(-1, QStringLiteral("p"), record, {}, {});
        break;
    case ElementKind::Link:
        control.attributeList = setList(-1, QStringLiteral("a"), ElementRecord::field(record, 1), {}, {});
        break;
    case ElementKind::Button:
        control.attributeList = setList(-1, QStringLiteral("do"), record, {}, {});
        break;
    case ElementKind::Image:
        control.attributeList = setList(-1, QStringLiteral("img"), ElementRecord::field(record, 1),
                                        ElementRecord::field(record, 2), {});
        break;
    case ElementKind::Postfield:
        control.attributeList = setList(-1, QStringLiteral("postfield"), record, {}, {});
        break;
    case ElementKind::Select:
        control.attributeList = setList(-1, QStringLiteral("option"), record, {}, {});
        break;
    case ElementKind::Unknown:
        break;
    }
}

void CardModel::LayoutCard(const QString &cardNumber)
{
    // The controls of a card's area are its elements in element-list order.
    CardPage *area = FindCardControl(QStringLiteral("oCard") + cardNumber);
    const QString prefix = QStringLiteral("OBJ_") + cardNumber + QLatin1Char('_');
    int y = 8;
    if (area) {
        for (ElementControl &control : area->controls) {
            if (!control.name.startsWith(prefix))
                continue;
            control.top = y;
            y += control.height + 5;
        }
    }
    placementCursor = y;
}

CardPage *CardModel::FindCardControl(const QString &name)
{
    return m_areas.value(name);
}

const CardPage *CardModel::FindCardControl(const QString &name) const
{
    return m_areas.value(name);
}

void CardModel::BuildAttributeList(const QString &tagWord, const QString &cardNumber, const QString &first,
                                   const QString &second, const QString &third)
{
    CardPage *page = FindCardControl(QStringLiteral("oCard") + cardNumber);
    if (!page)
        return;
    if (tagWord.compare(QLatin1String("card"), Qt::CaseInsensitive) == 0) {
        page->attributeList = setList(page->attributeList, tagWord, first, second, third);
        return;
    }
    ElementControl *control = page->control(QStringLiteral("OBJ_") + cardNumber + QLatin1Char('_')
                                            + QString::number(elementCounter));
    if (control)
        control->attributeList = setList(control->attributeList, tagWord, first, second, third);
}

int CardModel::setList(int slot, const QString &tagWord, const QString &first, const QString &second,
                       const QString &third)
{
    PendingList list{tagTemplate(tagWord), {first, second, third}, std::nullopt};
    if (slot >= 0) {
        m_lists[size_t(slot)] = std::move(list);
        return slot;
    }
    m_lists.push_back(std::move(list));
    return int(m_lists.size() - 1);
}

int CardModel::listSlot(const QString &name) const
{
    // "STRLIST_" + card number + "_" + element number
    const QStringList parts = name.split(QLatin1Char('_'));
    if (parts.size() != 3 || parts[0] != QLatin1String("STRLIST"))
        return -1;
    const CardPage *page = FindCardControl(QStringLiteral("oCard") + parts[1]);
    if (!page)
        return -1;
    if (parts[2] == QLatin1String("1"))
        return page->attributeList;
    const ElementControl *control = page->control(QStringLiteral("OBJ_") + parts[1] + QLatin1Char('_') + parts[2]);
    return control ? control->attributeList : -1;
}

std::shared_ptr<const AttributeList::PreparedTemplate> CardModel::tagTemplate(const QString &tagWord)
{
    auto found = m_tagTemplates.find(tagWord);
    if (found == m_tagTemplates.end())
        found = m_tagTemplates.insert(tagWord, std::make_shared<const AttributeList::PreparedTemplate>(
                                                   AttributeList::prepare(tagWord, AttributeList::ReadTagTemplate(tagWord))));
    return found.value();
}

const QStringList *CardModel::attributeList(const QString &name) const
{
    const int slot = listSlot(name);
    if (slot < 0)
        return nullptr;
    const PendingList &pending = m_lists[size_t(slot)];
    if (!pending.lines)
        pending.lines = AttributeList::build(*pending.prepared, pending.values[0], pending.values[1],
                                             pending.values[2]);
    return &*pending.lines;
}

QString CardModel::attributeListTagWord(const QString &name) const
{
    const int slot = listSlot(name);
    return slot < 0 ? QString() : m_lists[size_t(slot)].prepared->tagWord;
}
