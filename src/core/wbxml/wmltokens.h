#pragma once

#include <QString>
#include <QStringView>

// WML's code page 0 (WML 1.3, 14.3): tag tokens, attribute start tokens
// (a name, or a name with the start of its value) and attribute value
// tokens, the same numbers in WML 1.1, 1.2 and 1.3.
namespace WmlTokens {

// The global tokens of WBXML (WAP-192, 7.1).
enum Global : unsigned char {
    SwitchPage = 0x00,
    End = 0x01,
    Entity = 0x02,
    StrI = 0x03,
    Literal = 0x04,
    ExtI0 = 0x40,
    ExtI1 = 0x41,
    ExtI2 = 0x42,
    Pi = 0x43,
    LiteralC = 0x44,
    ExtT0 = 0x80,
    ExtT1 = 0x81,
    ExtT2 = 0x82,
    StrT = 0x83,
    LiteralA = 0x84,
    Opaque = 0xC3,
    LiteralAc = 0xC4,
};

// Tag tokens carry these flags in their two top bits.
constexpr unsigned char hasAttributes = 0x80;
constexpr unsigned char hasContent = 0x40;

struct AttributeStart
{
    QLatin1String name;
    QLatin1String prefix; // empty for the name alone
    unsigned char token;
};

struct AttributeValue
{
    QLatin1String text;
    unsigned char token;
};

// The tag token of an element, or 0 when WML has none.
unsigned char tagToken(QStringView name);
// The name of a tag token (its flags removed), or an empty string.
QString tagName(unsigned char token);

// The attribute start with the longest prefix of value for name, or null
// when name has none.
const AttributeStart *attributeStart(QStringView name, QStringView value);
const AttributeStart *attributeStart(unsigned char token);

// The attribute value token that value starts with, the longest, or null.
const AttributeValue *attributeValueAt(QStringView value);
const AttributeValue *attributeValue(unsigned char token);

} // namespace WmlTokens
