#pragma once

#include <QHash>
#include <QImage>
#include <QList>
#include <QString>

// The kinds of element the card model knows, by their names in records.
enum class ElementKind { Paragraph, Link, Button, Image, Postfield, Select, Unknown };

// The kind named "PARAGRAPH", "LINK", ...; false for any other name.
bool elementKindFromName(const QString &name, ElementKind &kind);

// What a designer control of an element would show: the model the preview
// is made from. Paragraphs and links are labels, buttons push buttons,
// images pictures, postfields one-line text fields, options radio buttons
// and everything else panels.
struct ElementControl
{
    QString name; // "OBJ_" + card number + "_" + element number
    ElementKind kind = ElementKind::Unknown;
    QString record; // the element record the control was made from
    QString text; // caption, label or field text
    QString hint;
    bool underlined = false; // links
    bool visible = true;     // comment panels are hidden
    int left = 1;
    int top = 0;
    int height = 0;
    QImage picture; // images: the decoded WBMP, null when it did not open
    int attributeList = -1; // the model's index of its attribute list
};

// One card's page: its tab caption and its element area "oCard" + number
// holding the element controls in creation order.
struct CardPage
{
    int number = 0;
    QString caption; // the card's id, "<!-- none -->" without one
    QString areaName;
    QList<ElementControl> controls;
    int attributeList = -1; // the model's index of the card's own list

    void add(ElementControl control);
    const ElementControl *control(const QString &name) const;
    ElementControl *control(const QString &name);

private:
    QHash<QString, qsizetype> m_index;
};
