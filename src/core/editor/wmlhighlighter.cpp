#include "wmlhighlighter.h"

#include <QGuiApplication>
#include <QPalette>
#include <algorithm>

namespace {

constexpr std::array<HtmlElementRecord, TwmlHighlighter::TagCount> tagRows = {{
    {u"SCRIPT", true, false},   {u"A", true, true},         {u"ACCESS", true, true},
    {u"ANCHOR", true, true},    {u"B", false, true},        {u"BR/", true, false},
    {u"TAB/", true, false},     {u"BIG", true, true},       {u"BR", true, true},
    {u"CARD", true, true},      {u"DO", true, true},        {u"EM", true, true},
    {u"FIELDSET", true, true},  {u"GO", true, true},        {u"HEAD", true, true},
    {u"I", false, true},        {u"IMG", true, true},       {u"INPUT", true, true},
    {u"META", true, true},      {u"NOOP", true, true},      {u"ONEVENT", true, true},
    {u"OPTGROUP", true, true},  {u"OPTION", true, true},    {u"P", true, true},
    {u"SMALL", false, true},    {u"STRONG", false, true},   {u"U", false, true},
    {u"WML", false, true},      {u"POSTFIELD", true, false}, {u"PREV/", true, false},
    {u"REFRESH", true, false},  {u"SELECT", true, true},    {u"SETVAR", true, false},
    {u"SMALL", false, true},    {u"STRONG", false, true},   {u"TABLE", true, true},
    {u"TD", true, true},        {u"TEMPLATE", true, true},  {u"TIMER", true, true},
    {u"TR", true, true},        {u"?XML", true, false},     {u"!DOCTYPE", true, false},
}};

bool haveGuiApplication()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr;
}

// The system colours of a text area's background and text.
QColor windowColour()
{
    return haveGuiApplication() ? QGuiApplication::palette().color(QPalette::Base) : QColor(Qt::white);
}

QColor windowTextColour()
{
    return haveGuiApplication() ? QGuiApplication::palette().color(QPalette::Text) : QColor(Qt::black);
}

} // namespace

TwmlHighlighter::TwmlHighlighter(QObject *parent) : QObject(parent)
{
    for (int i = 0; i < TextClassCount; ++i)
        m_attributes[size_t(i)] = defaultAttributes(TextClass(i));
}

const TextAttributes &TwmlHighlighter::attributes(TextClass textClass) const
{
    return m_attributes[size_t(textClass)];
}

void TwmlHighlighter::setAttributes(TextClass textClass, const TextAttributes &attributes)
{
    TextAttributes &held = m_attributes[size_t(textClass)];
    if (held == attributes)
        return;
    held = attributes;
    emit attributesChanged(textClass);
}

TextAttributes TwmlHighlighter::defaultAttributes(TextClass textClass)
{
    const QColor navy(0x00, 0x00, 0x80);
    const QColor green(0x00, 0x80, 0x00);
    TextAttributes attributes;
    attributes.background = windowColour();
    switch (textClass) {
    case TextClass::Bracket:
    case TextClass::HtmlKeyword:
        attributes.foreground = navy;
        break;
    case TextClass::DefaultText:
    case TextClass::ScriptContent:
        attributes.foreground = windowTextColour();
        break;
    case TextClass::HtmlTag:
    case TextClass::HtmlAttribute:
        attributes.foreground = green;
        break;
    case TextClass::HtmlComment:
        attributes.italic = true;
        attributes.foreground = QColor(0xC0, 0xC0, 0xC0);
        break;
    case TextClass::HtmlAttributeValue:
        attributes.foreground = QColor(0x00, 0x00, 0xFF);
        break;
    case TextClass::ScriptTag:
        attributes.background = QColor(0xFF, 0xFF, 0x00);
        attributes.foreground = navy;
        break;
    case TextClass::UnknownTag:
        attributes.foreground = QColor(0xFF, 0x00, 0x00);
        break;
    }
    return attributes;
}

const std::array<HtmlElementRecord, TwmlHighlighter::TagCount> &TwmlHighlighter::tagTable()
{
    return tagRows;
}

int TwmlHighlighter::findTag(QStringView upperName, bool closing)
{
    // The lengths side by side, so that the usual mismatch costs one byte.
    static const std::array<unsigned char, TagCount> lengths = [] {
        std::array<unsigned char, TagCount> made{};
        for (size_t row = 0; row < made.size(); ++row)
            made[row] = static_cast<unsigned char>(tagRows[row].name.size());
        return made;
    }();
    const qsizetype length = upperName.size();
    for (int row = 0; row < TagCount; ++row) {
        if (lengths[size_t(row)] != length)
            continue;
        const HtmlElementRecord &record = tagRows[size_t(row)];
        if ((!closing || record.closing) && std::equal(record.name.begin(), record.name.end(), upperName.begin()))
            return row;
    }
    return -1;
}
