#include "wmltokens.h"

#include <cstring>

namespace WmlTokens {

namespace {

struct Tag
{
    QLatin1String name;
    unsigned char token;
};

constexpr Tag tags[] = {
    {QLatin1String("pre"), 0x1B},      {QLatin1String("a"), 0x1C},         {QLatin1String("td"), 0x1D},       {QLatin1String("tr"), 0x1E},      {QLatin1String("table"), 0x1F},
    {QLatin1String("p"), 0x20},        {QLatin1String("postfield"), 0x21}, {QLatin1String("anchor"), 0x22},   {QLatin1String("access"), 0x23},  {QLatin1String("b"), 0x24},
    {QLatin1String("big"), 0x25},      {QLatin1String("br"), 0x26},        {QLatin1String("card"), 0x27},     {QLatin1String("do"), 0x28},      {QLatin1String("em"), 0x29},
    {QLatin1String("fieldset"), 0x2A}, {QLatin1String("go"), 0x2B},        {QLatin1String("head"), 0x2C},     {QLatin1String("i"), 0x2D},       {QLatin1String("img"), 0x2E},
    {QLatin1String("input"), 0x2F},    {QLatin1String("meta"), 0x30},      {QLatin1String("noop"), 0x31},     {QLatin1String("prev"), 0x32},    {QLatin1String("onevent"), 0x33},
    {QLatin1String("optgroup"), 0x34}, {QLatin1String("option"), 0x35},    {QLatin1String("refresh"), 0x36},  {QLatin1String("select"), 0x37},  {QLatin1String("small"), 0x38},
    {QLatin1String("strong"), 0x39},   {QLatin1String("template"), 0x3B},  {QLatin1String("timer"), 0x3C},    {QLatin1String("u"), 0x3D},       {QLatin1String("setvar"), 0x3E},
    {QLatin1String("wml"), 0x3F},
};

constexpr AttributeStart starts[] = {
    {QLatin1String("accept-charset"), QLatin1String(""), 0x05},
    {QLatin1String("align"), QLatin1String("bottom"), 0x06},
    {QLatin1String("align"), QLatin1String("center"), 0x07},
    {QLatin1String("align"), QLatin1String("left"), 0x08},
    {QLatin1String("align"), QLatin1String("middle"), 0x09},
    {QLatin1String("align"), QLatin1String("right"), 0x0A},
    {QLatin1String("align"), QLatin1String("top"), 0x0B},
    {QLatin1String("alt"), QLatin1String(""), 0x0C},
    {QLatin1String("content"), QLatin1String(""), 0x0D},
    {QLatin1String("domain"), QLatin1String(""), 0x0F},
    {QLatin1String("emptyok"), QLatin1String("false"), 0x10},
    {QLatin1String("emptyok"), QLatin1String("true"), 0x11},
    {QLatin1String("format"), QLatin1String(""), 0x12},
    {QLatin1String("height"), QLatin1String(""), 0x13},
    {QLatin1String("hspace"), QLatin1String(""), 0x14},
    {QLatin1String("ivalue"), QLatin1String(""), 0x15},
    {QLatin1String("iname"), QLatin1String(""), 0x16},
    {QLatin1String("label"), QLatin1String(""), 0x18},
    {QLatin1String("localsrc"), QLatin1String(""), 0x19},
    {QLatin1String("maxlength"), QLatin1String(""), 0x1A},
    {QLatin1String("method"), QLatin1String("get"), 0x1B},
    {QLatin1String("method"), QLatin1String("post"), 0x1C},
    {QLatin1String("mode"), QLatin1String("nowrap"), 0x1D},
    {QLatin1String("mode"), QLatin1String("wrap"), 0x1E},
    {QLatin1String("multiple"), QLatin1String("false"), 0x1F},
    {QLatin1String("multiple"), QLatin1String("true"), 0x20},
    {QLatin1String("name"), QLatin1String(""), 0x21},
    {QLatin1String("newcontext"), QLatin1String("false"), 0x22},
    {QLatin1String("newcontext"), QLatin1String("true"), 0x23},
    {QLatin1String("onpick"), QLatin1String(""), 0x24},
    {QLatin1String("onenterbackward"), QLatin1String(""), 0x25},
    {QLatin1String("onenterforward"), QLatin1String(""), 0x26},
    {QLatin1String("ontimer"), QLatin1String(""), 0x27},
    {QLatin1String("optional"), QLatin1String("false"), 0x28},
    {QLatin1String("optional"), QLatin1String("true"), 0x29},
    {QLatin1String("path"), QLatin1String(""), 0x2A},
    {QLatin1String("scheme"), QLatin1String(""), 0x2E},
    {QLatin1String("sendreferer"), QLatin1String("false"), 0x2F},
    {QLatin1String("sendreferer"), QLatin1String("true"), 0x30},
    {QLatin1String("size"), QLatin1String(""), 0x31},
    {QLatin1String("src"), QLatin1String(""), 0x32},
    {QLatin1String("ordered"), QLatin1String("true"), 0x33},
    {QLatin1String("ordered"), QLatin1String("false"), 0x34},
    {QLatin1String("tabindex"), QLatin1String(""), 0x35},
    {QLatin1String("title"), QLatin1String(""), 0x36},
    {QLatin1String("type"), QLatin1String(""), 0x37},
    {QLatin1String("type"), QLatin1String("accept"), 0x38},
    {QLatin1String("type"), QLatin1String("delete"), 0x39},
    {QLatin1String("type"), QLatin1String("help"), 0x3A},
    {QLatin1String("type"), QLatin1String("password"), 0x3B},
    {QLatin1String("type"), QLatin1String("onpick"), 0x3C},
    {QLatin1String("type"), QLatin1String("onenterbackward"), 0x3D},
    {QLatin1String("type"), QLatin1String("onenterforward"), 0x3E},
    {QLatin1String("type"), QLatin1String("ontimer"), 0x3F},
    {QLatin1String("type"), QLatin1String("options"), 0x45},
    {QLatin1String("type"), QLatin1String("prev"), 0x46},
    {QLatin1String("type"), QLatin1String("reset"), 0x47},
    {QLatin1String("type"), QLatin1String("text"), 0x48},
    {QLatin1String("type"), QLatin1String("vnd."), 0x49},
    {QLatin1String("href"), QLatin1String(""), 0x4A},
    {QLatin1String("href"), QLatin1String("http://"), 0x4B},
    {QLatin1String("href"), QLatin1String("https://"), 0x4C},
    {QLatin1String("value"), QLatin1String(""), 0x4D},
    {QLatin1String("vspace"), QLatin1String(""), 0x4E},
    {QLatin1String("width"), QLatin1String(""), 0x4F},
    {QLatin1String("xml:lang"), QLatin1String(""), 0x50},
    {QLatin1String("align"), QLatin1String(""), 0x52},
    {QLatin1String("columns"), QLatin1String(""), 0x53},
    {QLatin1String("class"), QLatin1String(""), 0x54},
    {QLatin1String("id"), QLatin1String(""), 0x55},
    {QLatin1String("forua"), QLatin1String("false"), 0x56},
    {QLatin1String("forua"), QLatin1String("true"), 0x57},
    {QLatin1String("src"), QLatin1String("http://"), 0x58},
    {QLatin1String("src"), QLatin1String("https://"), 0x59},
    {QLatin1String("http-equiv"), QLatin1String(""), 0x5A},
    {QLatin1String("http-equiv"), QLatin1String("Content-Type"), 0x5B},
    {QLatin1String("content"), QLatin1String("application/vnd.wap.wmlc;charset="), 0x5C},
    {QLatin1String("http-equiv"), QLatin1String("Expires"), 0x5D},
    {QLatin1String("accesskey"), QLatin1String(""), 0x5E},
    {QLatin1String("enctype"), QLatin1String(""), 0x5F},
    {QLatin1String("enctype"), QLatin1String("application/x-www-form-urlencoded"), 0x60},
    {QLatin1String("enctype"), QLatin1String("multipart/form-data"), 0x61},
    {QLatin1String("xml:space"), QLatin1String("preserve"), 0x62},
    {QLatin1String("xml:space"), QLatin1String("default"), 0x63},
    {QLatin1String("cache-control"), QLatin1String("no-cache"), 0x64},
};

constexpr AttributeValue values[] = {
    {QLatin1String(".com/"), 0x85},   {QLatin1String(".edu/"), 0x86},           {QLatin1String(".net/"), 0x87},          {QLatin1String(".org/"), 0x88},
    {QLatin1String("accept"), 0x89},  {QLatin1String("bottom"), 0x8A},          {QLatin1String("clear"), 0x8B},          {QLatin1String("delete"), 0x8C},
    {QLatin1String("help"), 0x8D},    {QLatin1String("http://"), 0x8E},         {QLatin1String("http://www."), 0x8F},    {QLatin1String("https://"), 0x90},
    {QLatin1String("https://www."), 0x91}, {QLatin1String("middle"), 0x93},     {QLatin1String("nowrap"), 0x94},         {QLatin1String("onpick"), 0x95},
    {QLatin1String("onenterbackward"), 0x96}, {QLatin1String("onenterforward"), 0x97}, {QLatin1String("ontimer"), 0x98}, {QLatin1String("options"), 0x99},
    {QLatin1String("password"), 0x9A}, {QLatin1String("reset"), 0x9B},          {QLatin1String("text"), 0x9D},           {QLatin1String("top"), 0x9E},
    {QLatin1String("unknown"), 0x9F}, {QLatin1String("wrap"), 0xA0},            {QLatin1String("www."), 0xA1},
};

bool startsWithLatin1(QStringView text, QLatin1String prefix)
{
    return text.startsWith(prefix);
}

} // namespace

unsigned char tagToken(QStringView name)
{
    for (const Tag &tag : tags) {
        if (name == tag.name)
            return tag.token;
    }
    return 0;
}

QString tagName(unsigned char token)
{
    token &= 0x3F;
    for (const Tag &tag : tags) {
        if (tag.token == token)
            return QString(tag.name);
    }
    return QString();
}

const AttributeStart *attributeStart(QStringView name, QStringView value)
{
    const AttributeStart *best = nullptr;
    for (const AttributeStart &start : starts) {
        if (name == start.name && startsWithLatin1(value, start.prefix)
            && (!best || start.prefix.size() > best->prefix.size()))
            best = &start;
    }
    return best;
}

const AttributeStart *attributeStart(unsigned char token)
{
    for (const AttributeStart &start : starts) {
        if (start.token == token)
            return &start;
    }
    return nullptr;
}

const AttributeValue *attributeValueAt(QStringView value)
{
    // Most characters start no token: look no further for them.
    static constexpr char firstCharacters[] = ".abcdhmnoprtuw";
    if (value.isEmpty() || value.front().unicode() >= 0x80
        || !std::strchr(firstCharacters, char(value.front().unicode())) || value.front().unicode() == 0)
        return nullptr;
    const AttributeValue *best = nullptr;
    for (const AttributeValue &candidate : values) {
        if (startsWithLatin1(value, candidate.text)
            && (!best || candidate.text.size() > best->text.size()))
            best = &candidate;
    }
    return best;
}

const AttributeValue *attributeValue(unsigned char token)
{
    for (const AttributeValue &candidate : values) {
        if (candidate.token == token)
            return &candidate;
    }
    return nullptr;
}

} // namespace WmlTokens
