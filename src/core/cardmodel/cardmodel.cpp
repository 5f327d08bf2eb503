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

const CardPage *CardModel::pageOfNumber(QStringView cardNumber) const
{
    // Pages are numbered 1, 2, ... in order; an area found by name wins
    // should that ever not hold.
    bool ok = false;
    const int number = cardNumber.toInt(&ok);
    if (ok && number >= 1 && size_t(number) <= m_pages.size() && m_pages[size_t(number) - 1]->number == number
        && QStringView(m_pages[size_t(number) - 1]->areaName).mid(5) == cardNumber)
        return m_pages[size_t(number) - 1].get();
    return FindCardControl(QStringLiteral("oCard") + cardNumber.toString());
}

CardModel::Entry CardModel::entry(const QString &name) const
{
    Entry found;
    // "OBJ_" + card number + "_" + element number
    const qsizetype first = name.indexOf(QLatin1Char('_'));
    const qsizetype second = first < 0 ? -1 : name.indexOf(QLatin1Char('_'), first + 1);
    if (second < 0)
        return found;
    found.cardNumber = QStringView(name).mid(first + 1, second - first - 1);
    found.page = pageOfNumber(found.cardNumber);
    if (!found.page)
        return found;
    if (QStringView(name).mid(second + 1) == u"1") {
        found.list = found.page->attributeList;
        return found;
    }
    found.control = found.page->control(name);
    found.list = found.control ? found.control->attributeList : -1;
    return found;
}

QString CardModel::listTagWord(int slot) const
{
    return slot < 0 || size_t(slot) >= m_lists.size() ? QString() : m_lists[size_t(slot)].prepared->tagWord;
}

const QStringList *CardModel::listLines(int slot) const
{
    if (slot < 0 || size_t(slot) >= m_lists.size())
        return nullptr;
    const PendingList &pending = m_lists[size_t(slot)];
    if (!pending.lines)
        pending.lines = AttributeList::build(*pending.prepared, pending.values[0], pending.values[1],
                                             pending.values[2]);
    return &*pending.lines;
}

int CardModel::listSlot(const QString &name) const
{
    // "STRLIST_" + card number + "_" + element number: the list of entry
    // "OBJ_" + card number + "_" + element number.
    if (!name.startsWith(QLatin1String("STRLIST_")) || name.count(QLatin1Char('_')) != 2)
        return -1;
    return entry(QStringLiteral("OBJ") + name.mid(7)).list;
}

const QStringList *CardModel::attributeList(const QString &name) const
{
    return listLines(listSlot(name));
}

QString CardModel::attributeListTagWord(const QString &name) const
{
    return listTagWord(listSlot(name));
}

std::shared_ptr<const AttributeList::PreparedTemplate> CardModel::tagTemplate(const QString &tagWord)
{
    auto found = m_tagTemplates.find(tagWord);
    if (found == m_tagTemplates.end())
        found = m_tagTemplates.insert(tagWord, std::make_shared<const AttributeList::PreparedTemplate>(
                                                   AttributeList::prepare(tagWord, AttributeList::ReadTagTemplate(tagWord))));
    return found.value();
}
