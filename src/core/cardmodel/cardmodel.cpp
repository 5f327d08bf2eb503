#include "cardmodel.h"

#include "attributelist.h"
#include "elementrecord.h"

#include "preview/wbmpfile.h"

#include <QDir>

void CardModel::clear()
{
    elementCounter = 0;
    placementCursor = 0;
    elementList.clear();
    m_pages.clear();
    m_areas.clear();
    m_attributeLists.clear();
    m_cardElements.clear();
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
    if (!area || !elementKindFromName(kind, elementKind))
        return;
    ElementControl control = makeControl(elementKind, record);
    control.top = placementCursor;
    placementCursor += control.height + 10;

    ++elementCounter;
    control.name = QStringLiteral("OBJ_%1_%2").arg(cardNumber).arg(elementCounter);
    elementList << control.name;
    m_cardElements[cardNumber] << control.name;
    area->add(control);

    switch (elementKind) {
    case ElementKind::Paragraph:
        BuildAttributeList(QStringLiteral("p"), cardNumber, record);
        break;
    case ElementKind::Link:
        BuildAttributeList(QStringLiteral("a"), cardNumber, ElementRecord::field(record, 1));
        break;
    case ElementKind::Button:
        BuildAttributeList(QStringLiteral("do"), cardNumber, record);
        break;
    case ElementKind::Image:
        BuildAttributeList(QStringLiteral("img"), cardNumber, ElementRecord::field(record, 1),
                           ElementRecord::field(record, 2));
        break;
    case ElementKind::Postfield:
        BuildAttributeList(QStringLiteral("postfield"), cardNumber, record);
        break;
    case ElementKind::Select:
        BuildAttributeList(QStringLiteral("option"), cardNumber, record);
        break;
    case ElementKind::Unknown:
        break;
    }
}

void CardModel::LayoutCard(const QString &cardNumber)
{
    CardPage *area = FindCardControl(QStringLiteral("oCard") + cardNumber);
    int y = 8;
    for (const QString &name : m_cardElements.value(cardNumber)) {
        ElementControl *control = area ? area->control(name) : nullptr;
        if (!control)
            continue;
        control->top = y;
        y += control->height + 5;
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
    const bool card = tagWord.compare(QLatin1String("card"), Qt::CaseInsensitive) == 0;
    const QString name = QStringLiteral("STRLIST_%1_%2").arg(cardNumber).arg(card ? 1 : elementCounter);
    m_attributeLists.insert(name, AttributeList::build(tagWord, tagTemplate(tagWord), first, second, third));
}

const QString &CardModel::tagTemplate(const QString &tagWord)
{
    auto found = m_tagTemplates.find(tagWord);
    if (found == m_tagTemplates.end())
        found = m_tagTemplates.insert(tagWord, AttributeList::ReadTagTemplate(tagWord));
    return found.value();
}

const QStringList *CardModel::attributeList(const QString &name) const
{
    const auto found = m_attributeLists.constFind(name);
    return found == m_attributeLists.constEnd() ? nullptr : &found.value();
}
