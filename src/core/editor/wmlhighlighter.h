#pragma once

#include "editor/highlightline.h"
#include "editor/htmlelementrecord.h"
#include "editor/regionstate.h"
#include "editor/textattributes.h"
#include "editor/textclass.h"

#include <QObject>
#include <array>
#include <functional>
#include <optional>
#include <vector>

// `TwmlHighlighter` colours WML source one line at a time. It knows WML by
// a fixed table of 42 tag names and marks the brackets of tags, known tag
// names, the rest of known and unknown tags, attribute names and values,
// comments and the content of script blocks, each with one of ten text
// classes.
//
// It keeps no state between calls apart from the classes. A scan is given
// the line, a position, a limit and the innermost open region there; a
// caller keeps the region open at the end of each line (a RegionState) and
// hands it to the next line. A comment, a tag or a script block may span any
// number of lines.
//
// Only the line being scanned is read. Tag names and "</SCRIPT>" are
// compared on the line's upper-cased copy, so case does not matter. Before
// the position only the attribute name (back from its "=", never before the
// position) and the searches for "</SCRIPT>", "%>" and "-->" look: at most
// ten, two and three characters back, and never before the start of the
// region being closed.
class TwmlHighlighter : public QObject
{
    Q_OBJECT

public:
    static constexpr int TagCount = 42;

    // Characters [start, start + length) of a line in one class.
    struct Run
    {
        int start = 0;
        int length = 0;
        TextClass textClass = TextClass::DefaultText;
        bool operator==(const Run &other) const
        {
            return start == other.start && length == other.length && textClass == other.textClass;
        }
    };

    // A region of fixed length: a bracket, a tag name, an attribute name or
    // an attribute value. Its class follows from its kind.
    struct Region
    {
        int start = 0;
        int length = 0;
        RegionState state;
    };

    // What a scan found. The characters before `position` still belong to
    // the region the scan was given; from `position` on come up to two
    // fixed-length regions, one after the other, and then `next` is the
    // innermost open region (from `nextStart`, the end of the fixed regions
    // or the opener such as "<!--"). Scanning goes on at `resume`, which may
    // lie past an opener that belongs to `next`.
    struct Change
    {
        int position = 0;
        std::array<Region, 2> fixed{};
        int fixedCount = 0;
        RegionState next;
        int nextStart = 0;
        int resume = 0;
    };

    // The classes take their defaults; "window" and "window text" are the
    // application palette's text-area colours (white and black without a
    // graphical application).
    explicit TwmlHighlighter(QObject *parent = nullptr);

    const TextAttributes &attributes(TextClass textClass) const;
    // Copies attributes into the class; emits attributesChanged when they
    // differ from what the class held. Nothing is repainted by this alone.
    void setAttributes(TextClass textClass, const TextAttributes &attributes);
    static TextAttributes defaultAttributes(TextClass textClass);

    static const std::array<HtmlElementRecord, TagCount> &tagTable();
    // The first row whose name has upperName's length and characters and,
    // for a closing name (given without its "/"), whose closing flag is
    // set; -1 when no row matches.
    static int findTag(QStringView upperName, bool closing);
    // The class of the characters inside a region of this kind.
    static constexpr TextClass classOf(RegionKind kind)
    {
        constexpr TextClass classes[] = {
            TextClass::DefaultText,        // PlainText
            TextClass::HtmlTag,            // TagRestWithAttributes
            TextClass::ScriptContent,      // ScriptContent
            TextClass::HtmlComment,        // Comment
            TextClass::DefaultText,        // TagOpened: holds no characters
            TextClass::HtmlKeyword,        // TagName
            TextClass::UnknownTag,         // TagRestWithoutAttributes
            TextClass::Bracket,            // Bracket
            TextClass::HtmlAttribute,      // AttributeName
            TextClass::HtmlAttributeValue, // AttributeValue
        };
        return classes[int(kind)];
    }

    // Start scan: whether a region nested in `region` starts at or after
    // position and before limit (a "<" in plain text, the name of an opened
    // tag, an attribute in a tag rest with attributes).
    std::optional<Change> findRegionStart(const HighlightLine &line, int position, int limit,
                                          RegionState region) const;
    // End scan: whether `region`, open since regionStart on this line (0
    // when it came from an earlier line), ends with a terminator that lies
    // wholly before limit and begins no earlier than the look-back allows.
    std::optional<Change> findRegionEnd(const HighlightLine &line, int position, int limit,
                                        RegionState region, int regionStart = 0) const;

    // Scans a whole line from the state the previous line ended in. Reports
    // runs in order; they cover the line without gaps, are never empty, and
    // neighbours differ in class. Returns the line's outgoing state.
    RegionState scanLine(const HighlightLine &line, RegionState incoming,
                         const std::function<void(const Run &)> &onRun) const;
    RegionState scanLine(QStringView line, RegionState incoming, std::vector<Run> *runs) const;

signals:
    void attributesChanged(TextClass textClass);

private:
    std::array<TextAttributes, TextClassCount> m_attributes;
};
