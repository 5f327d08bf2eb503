#pragma once

#include "wml/wmlnode.h"

#include <QString>
#include <QStringView>
#include <vector>

// The characters of a stretch of source (an attribute's value or a run of
// text) as the XML parser hands them on, each with the place in the source
// it was written at: "&#36;" is one "$" spanning five source characters.
// The variable and URL rules read the characters, and report and mend the
// source.
class DeckText
{
public:
    // Decodes source[start, end): character and entity references and CDATA
    // sections. Comments in a run of text are skipped.
    DeckText(const QString &source, int start, int end);

    const QString &characters() const { return m_characters; }
    int size() const { return int(m_characters.size()); }
    // Where character i starts and ends in the source.
    int sourceStart(int i) const { return m_plain ? m_base + i : m_starts[size_t(i)]; }
    int sourceEnd(int i) const { return m_plain ? m_base + i + 1 : m_ends[size_t(i)]; }

private:
    void append(QChar c, int start, int end);
    void appendCode(char32_t code, int start, int end);

    QString m_characters;
    // Without references, CDATA or comments each character is itself.
    bool m_plain = false;
    int m_base = 0;
    std::vector<int> m_starts;
    std::vector<int> m_ends;
};

// Visits every element under node (node included), parents before children.
template<typename Visit>
void forEachElement(const WmlNode &node, const Visit &visit)
{
    if (!node.isElement())
        return;
    visit(node);
    for (const WmlNode &child : node.children)
        forEachElement(child, visit);
}
