#pragma once

#include <QLatin1String>
#include <array>

// The ten text classes the WML highlighter paints with. Each character of a
// line belongs to exactly one; text outside every region is DefaultText.
enum class TextClass : unsigned char {
    Bracket,
    DefaultText,
    HtmlKeyword,
    HtmlTag,
    HtmlComment,
    HtmlAttribute,
    HtmlAttributeValue,
    ScriptTag, // kept and configurable, but no rule gives it to any text
    ScriptContent,
    UnknownTag,
};

constexpr int TextClassCount = 10;

// The class's name as the user and the exported pages know it ("HtmlTag").
inline QLatin1String textClassName(TextClass textClass)
{
    static constexpr std::array<const char *, TextClassCount> names = {
        "Bracket", "DefaultText", "HtmlKeyword", "HtmlTag", "HtmlComment",
        "HtmlAttribute", "HtmlAttributeValue", "ScriptTag", "ScriptContent", "UnknownTag",
    };
    return QLatin1String(names[size_t(textClass)]);
}
