#include "wmltokens.h"

#include <cstring>

namespace WmlTokens {

namespace {

struct Tag
{
    const char *name;
    unsigned char token;
};

constexpr Tag tags[] = {
    {"pre", 0x1B},      {"a", 0x1C},         {"td", 0x1D},       {"tr", 0x1E},      {"table", 0x1F},
    {"p", 0x20},        {"postfield", 0x21}, {"anchor", 0x22},   {"access", 0x23},  {"b", 0x24},
    {"big", 0x25},      {"br", 0x26},        {"card", 0x27},     {"do", 0x28},      {"em", 0x29},
    {"fieldset", 0x2A}, {"go", 0x2B},        {"head", 0x2C},     {"i", 0x2D},       {"img", 0x2E},
    {"input", 0x2F},    {"meta", 0x30},      {"noop", 0x31},     {"prev", 0x32},    {"onevent", 0x33},
    {"optgroup", 0x34}, {"option", 0x35},    {"refresh", 0x36},  {"select", 0x37},  {"small", 0x38},
    {"strong", 0x39},   {"template", 0x3B},  {"timer", 0x3C},    {"u", 0x3D},       {"setvar", 0x3E},
    {"wml", 0x3F},
};

constexpr AttributeStart starts[] = {
    {"accept-charset", "", 0x05},
    {"align", "bottom", 0x06},
    {"align", "center", 0x07},
    {"align", "left", 0x08},
    {"align", "middle", 0x09},
    {"align", "right", 0x0A},
    {"align", "top", 0x0B},
    {"alt", "", 0x0C},
    {"content", "", 0x0D},
    {"domain", "", 0x0F},
    {"emptyok", "false", 0x10},
    {"emptyok", "true", 0x11},
    {"format", "", 0x12},
    {"height", "", 0x13},
    {"hspace", "", 0x14},
    {"ivalue", "", 0x15},
    {"iname", "", 0x16},
    {"label", "", 0x18},
    {"localsrc", "", 0x19},
    {"maxlength", "", 0x1A},
    {"method", "get", 0x1B},
    {"method", "post", 0x1C},
    {"mode", "nowrap", 0x1D},
    {"mode", "wrap", 0x1E},
    {"multiple", "false", 0x1F},
    {"multiple", "true", 0x20},
    {"name", "", 0x21},
    {"newcontext", "false", 0x22},
    {"newcontext", "true", 0x23},
    {"onpick", "", 0x24},
    {"onenterbackward", "", 0x25},
    {"onenterforward", "", 0x26},
    {"ontimer", "", 0x27},
    {"optional", "false", 0x28},
    {"optional", "true", 0x29},
    {"path", "", 0x2A},
    {"scheme", "", 0x2E},
    {"sendreferer", "false", 0x2F},
    {"sendreferer", "true", 0x30},
    {"size", "", 0x31},
    {"src", "", 0x32},
    {"ordered", "true", 0x33},
    {"ordered", "false", 0x34},
    {"tabindex", "", 0x35},
    {"title", "", 0x36},
    {"type", "", 0x37},
    {"type", "accept", 0x38},
    {"type", "delete", 0x39},
    {"type", "help", 0x3A},
    {"type", "password", 0x3B},
    {"type", "onpick", 0x3C},
    {"type", "onenterbackward", 0x3D},
    {"type", "onenterforward", 0x3E},
    {"type", "ontimer", 0x3F},
    {"type", "options", 0x45},
    {"type", "prev", 0x46},
    {"type", "reset", 0x47},
    {"type", "text", 0x48},
    {"type", "vnd.", 0x49},
    {"href", "", 0x4A},
    {"href", "http://", 0x4B},
    {"href", "https://", 0x4C},
    {"value", "", 0x4D},
    {"vspace", "", 0x4E},
    {"width", "", 0x4F},
    {"xml:lang", "", 0x50},
    {"align", "", 0x52},
    {"columns", "", 0x53},
    {"class", "", 0x54},
    {"id", "", 0x55},
    {"forua", "false", 0x56},
    {"forua", "true", 0x57},
    {"src", "http://", 0x58},
    {"src", "https://", 0x59},
    {"http-equiv", "", 0x5A},
    {"http-equiv", "Content-Type", 0x5B},
    {"content", "application/vnd.wap.wmlc;charset=", 0x5C},
    {"http-equiv", "Expires", 0x5D},
    {"accesskey", "", 0x5E},
    {"enctype", "", 0x5F},
    {"enctype", "application/x-www-form-urlencoded", 0x60},
    {"enctype", "multipart/form-data", 0x61},
    {"xml:space", "preserve", 0x62},
    {"xml:space", "default", 0x63},
    {"cache-control", "no-cache", 0x64},
};

constexpr AttributeValue values[] = {
    {".com/", 0x85},   {".edu/", 0x86},           {".net/", 0x87},          {".org/", 0x88},
    {"accept", 0x89},  {"bottom", 0x8A},          {"clear", 0x8B},          {"delete", 0x8C},
    {"help", 0x8D},    {"http://", 0x8E},         {"http://www.", 0x8F},    {"https://", 0x90},
    {"https://www.", 0x91}, {"middle", 0x93},     {"nowrap", 0x94},         {"onpick", 0x95},
    {"onenterbackward", 0x96}, {"onenterforward", 0x97}, {"ontimer", 0x98}, {"options", 0x99},
    {"password", 0x9A}, {"reset", 0x9B},          {"text", 0x9D},           {"top", 0x9E},
    {"unknown", 0x9F}, {"wrap", 0xA0},            {"www.", 0xA1},
};

bool startsWithLatin1(QStringView text, const char *prefix)
{
    return text.startsWith(QLatin1String(prefix));
}

} // namespace

unsigned char tagToken(QStringView name)
{
    for (const Tag &tag : tags) {
        if (name == QLatin1String(tag.name))
            return tag.token;
    }
    return 0;
}

QString tagName(unsigned char token)
{
    token &= 0x3F;
    for (const Tag &tag : tags) {
        if (tag.token == token)
            return QString::fromLatin1(tag.name);
    }
    return QString();
}

const AttributeStart *attributeStart(QStringView name, QStringView value)
{
    const AttributeStart *best = nullptr;
    for (const AttributeStart &start : starts) {
        if (name == QLatin1String(start.name) && startsWithLatin1(value, start.prefix)
            && (!best || std::strlen(start.prefix) > std::strlen(best->prefix)))
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
    const AttributeValue *best = nullptr;
    for (const AttributeValue &candidate : values) {
        if (startsWithLatin1(value, candidate.text)
            && (!best || std::strlen(candidate.text) > std::strlen(best->text)))
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
