#include "previewpages.h"

#include "picturereference.h"

#include "cardmodel/cardmodel.h"
#include "cardmodel/elementrecord.h"
#include "common/scratchfile.h"
#include "editor/sourceeditor.h"

#include <QDir>

namespace PreviewPages {

namespace {

QString attribute(const QStringList *attributes, const char *key)
{
    return attributes ? ElementRecord::ReadElementAttribute(*attributes, QLatin1String(key)) : QString();
}

void savePage(SourceEditor &buffer, QStringList lines, const QString &folder, const QString &cardName,
              Result &result)
{
    lines << QStringLiteral("</body>") << QStringLiteral("</html>");
    buffer.setLines(lines);
    const QString path = QDir(folder).filePath(pageFileName(cardName));
    // Lines end with CR LF, the last one too.
    ScratchFile::write(path, (buffer.text() + QStringLiteral("\r\n")).toUtf8());
    if (result.firstPage.isEmpty())
        result.firstPage = path;
}

} // namespace

QString pageFileName(const QString &cardName)
{
    QString name = cardName;
    for (QChar &c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') || c.unicode() < 32)
            c = QLatin1Char('_');
    }
    return name + QStringLiteral(".htm");
}

QString elementLine(const QString &tagWord, const QStringList *attributes, const QString &caption)
{
    QString line;
    if (tagWord == QLatin1String("p"))
        line = QStringLiteral("<p>") + caption + QStringLiteral("</p>");
    else if (tagWord == QLatin1String("a"))
        line = QStringLiteral("<a href=\"") + attribute(attributes, "HREF=\"") + QStringLiteral("\">") + caption
             + QStringLiteral("</a>");
    else if (tagWord == QLatin1String("img")) {
        // The copy of a picture outside the document's folder has a name of its own.
        QString source = attribute(attributes, "SRC=\"");
        source.replace(QLatin1String(".wbmp"), QLatin1String(".bmp"), Qt::CaseInsensitive);
        line = QStringLiteral("<img src=\"") + PictureReference::pageName(source) + QStringLiteral("\">");
    }
    else if (tagWord == QLatin1String("option"))
        line = QStringLiteral("<input type=\"radio\" name=\"tarnel\">&nbsp;") + caption + QStringLiteral("<br>");
    else if (tagWord == QLatin1String("postfield"))
        line = QStringLiteral("<input type=\"text\" value=\"") + attribute(attributes, "VALUE=\"")
             + QStringLiteral("\">");
    else if (tagWord == QLatin1String("do"))
        line = QStringLiteral("<input type=\"submit\" value=\"") + attribute(attributes, "LABEL=\"")
             + QStringLiteral("\">");
    else if (tagWord.isEmpty()) {
        if (caption.startsWith(QLatin1String("<select")) || caption.startsWith(QLatin1String("</select>")))
            line.clear();
        else if (caption == QLatin1String("<br/>"))
            line = QStringLiteral("<br>");
        else
            line = caption;
    }
    // Pages show the BMP copies of the pictures.
    return line.replace(QLatin1String(".wbmp"), QLatin1String(".bmp"), Qt::CaseInsensitive);
}

Result BuildPreviewPages(const CardModel &model, const QString &folder, SourceEditor &buffer)
{
    QDir().mkpath(folder);
    Result result;
    const QStringList pageStart{QStringLiteral("<html>"), QStringLiteral("<body>")};
    QStringList lines = pageStart;
    QString currentCard = QStringLiteral("1");
    QString cardName;
    for (const QString &name : model.elementList) {
        const CardModel::Entry entry = model.entry(name);
        if (entry.cardNumber != currentCard) {
            savePage(buffer, lines, folder, cardName, result);
            currentCard = entry.cardNumber.toString();
            lines = pageStart;
        }
        const QString tagWord = model.listTagWord(entry.list);
        if (tagWord == QLatin1String("card")) {
            cardName = ElementRecord::ReadElementAttribute(*model.listLines(entry.list), QStringLiteral("ID=\""));
            if (cardName.isEmpty())
                cardName = QStringLiteral("Card") + currentCard;
            result.cardNames << cardName;
            continue;
        }
        const ElementControl *control = entry.control;
        QString line;
        if (!tagWord.isEmpty()) {
            const bool needsList = tagWord == QLatin1String("a") || tagWord == QLatin1String("img")
                                || tagWord == QLatin1String("postfield") || tagWord == QLatin1String("do");
            line = elementLine(tagWord, needsList ? model.listLines(entry.list) : nullptr,
                               control ? control->text : QString());
        } else if (control && control->kind == ElementKind::Unknown) {
            line = elementLine(QString(), nullptr, control->text);
        }
        if (!line.isEmpty())
            lines << line;
    }
    savePage(buffer, lines, folder, cardName, result);
    return result;
}

} // namespace PreviewPages
