#include "taginsertion.h"

#include "sourceeditor.h"

namespace TagInsertion {

void insertTagPair(SourceEditor &editor, const QString &opening, const QString &closing, bool newLine)
{
    const int start = editor.selectionStart();
    const QString selected = editor.selectedText();
    const int marker = opening.indexOf(QChar(caretMarker));
    QString openingText = opening;
    if (marker >= 0)
        openingText.remove(marker, 1);

    QString inserted = openingText + selected;
    if (newLine)
        inserted += QStringLiteral("\r\n");
    inserted += closing;

    editor.beginUndoStep();
    editor.replaceSelection(inserted);
    editor.endUndoStep();
    editor.setCaret(start + (marker >= 0 ? marker : openingText.length()));
}

QString formatTagOfCommand(const QString &commandName)
{
    return commandName.mid(3).toLower();
}

QString quickTable(int rows, int columns, const QString &fill)
{
    const QString lineBreak = QStringLiteral("\r\n");
    QString table = QStringLiteral("<table columns=\"%1\">").arg(columns) + lineBreak;
    for (int row = 0; row < rows; ++row) {
        table += QStringLiteral("<tr>") + lineBreak;
        for (int column = 0; column < columns; ++column)
            table += QStringLiteral("<td>") + fill + QStringLiteral("</td>") + lineBreak;
        table += QStringLiteral("</tr>") + lineBreak;
    }
    table += QStringLiteral("</table>") + lineBreak;
    return table;
}

} // namespace TagInsertion
