#pragma once

// The kinds of region the WML highlighter opens. Tag name, bracket,
// attribute name and attribute value regions have a fixed length and never
// outlive their line; the others end where their terminator is found and
// may span any number of lines.
enum class RegionKind : unsigned char {
    PlainText, // no region
    TagRestWithAttributes,
    ScriptContent,
    Comment,
    TagOpened, // just after the "<" of a tag, before its name is read
    TagName,
    TagRestWithoutAttributes,
    Bracket,
    AttributeName,
    AttributeValue,
};

// The innermost open region at a position: its kind and identity. The
// identity is the tag table row for a tag's name and rest (0 to 41),
// CommentIdentity, UnknownTagIdentity or ServerScriptIdentity. This is also
// a line's outgoing state: two lines ending in equal states are followed by
// identically coloured text.
struct RegionState
{
    static constexpr unsigned char CommentIdentity = 42;
    static constexpr unsigned char UnknownTagIdentity = 43;
    static constexpr unsigned char ServerScriptIdentity = 44; // "<%" to "%>"

    RegionKind kind = RegionKind::PlainText;
    unsigned char identity = 0;

    bool operator==(const RegionState &other) const
    {
        return kind == other.kind && identity == other.identity;
    }
    bool operator!=(const RegionState &other) const { return !(*this == other); }
};
