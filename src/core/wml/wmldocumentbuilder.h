#pragma once

#include "wmldocument.h"

#include <QXmlStreamReader>

// Builds a WmlDocument from text with Qt's XML stream reader. The reader's
// tokens lie end to end in the text, so each token's range runs from where
// the one before it ended to where it ends itself; offsets are the
// editor's UTF-16 positions.
class WmlDocumentBuilder
{
public:
    WmlDocumentBuilder(const QString &text, const WmlDocument::Options &options);
    std::shared_ptr<const WmlDocument> build();

private:
    void readToken(QXmlStreamReader &reader, int start, int end);
    void startElement(QXmlStreamReader &reader, int start, int end);
    void addText(const QString &characters, int start, int end);
    void readPrologue(QXmlStreamReader &reader, int start, int end);
    // The attributes of the start tag from start to end, with their ranges,
    // in the order written.
    void locateAttributes(WmlNode *element, const QXmlStreamAttributes &attributes, int start, int end);
    void addError(const QString &message, int start, int end,
                  WmlParseError::Kind kind = WmlParseError::Kind::Other, int closeAt = -1);
    SourceRange range(int start, int end) const;
    SourcePosition position(int offset) const;
    QString interned(QStringView name);

    std::shared_ptr<WmlDocument> m_document;
    std::vector<WmlNode *> m_open; // the elements not yet closed, innermost last
    mutable size_t m_line = 0;     // the line position() found last
    std::vector<QString> m_names;  // every element and attribute name met, shared
};
