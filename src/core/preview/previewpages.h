#pragma once

#include <QString>
#include <QStringList>

class CardModel;
class SourceEditor;

// The Preview's HTML pages: one small page per card, a rough likeness of
// what a phone shows, built from the card model. Each element gives at
// most one line; images point at the BMP copies of their WBMP pictures.
namespace PreviewPages {

struct Result
{
    QString firstPage;     // full path of the first card's page
    QStringList cardNames; // in document order
};

// The file a card's page is written to: the card name + ".htm", with path
// separators, colons and control characters made harmless, so a card id can
// never name a file outside the page folder. Plain ids keep their names.
QString pageFileName(const QString &cardName);

// The line an element gives; empty for none. tagWord is line 0 of its
// attribute list (empty for elements without one, which are panels showing
// caption).
QString elementLine(const QString &tagWord, const QStringList *attributes, const QString &caption);

// Writes every card's page into folder (created when missing), assembling
// each in buffer. A document without cards gives one empty page named
// ".htm". Throws TarnelError "Cannot create file %s" when a page cannot be
// written; pages are replaced whole or not at all.
Result BuildPreviewPages(const CardModel &model, const QString &folder, SourceEditor &buffer);

} // namespace PreviewPages
