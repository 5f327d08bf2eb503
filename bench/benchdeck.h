#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// What the card model and Preview benchmarks share: a card of mixed
// elements (about 1.1 KB) and a program folder holding the tag list.
namespace BenchDeck {

inline QString card(int number, const QString &picture)
{
    return QStringLiteral(
               "<card id=\"c%1\" title=\"Card %1\">\r\n"
               "<do type=\"accept\" label=\"Next\">\r\n<go href=\"#c%2\"/>\r\n</do>\r\n"
               "<p align=\"center\"><img src=\"%3\" alt=\"pic\"/><br/>\r\n"
               "<big><b>Heading %1</b></big></p>\r\n"
               "<p>Some text for card %1, with a <a href=\"#c%2\">link to the next card</a> and more\r\n"
               "words on a second line of the paragraph.</p>\r\n"
               "<!-- a comment in card %1 -->\r\n"
               "<p><select name=\"s%1\"><option value=\"1\">One</option><option value=\"2\">Two</option>"
               "</select></p>\r\n"
               "<p>Name: <input name=\"n%1\"/></p>\r\n"
               "<do type=\"prev\" label=\"Back\"><prev/></do>\r\n"
               "<onevent type=\"onenterforward\"><go href=\"#c1\"><postfield name=\"a\" value=\"b\"/></go>"
               "</onevent>\r\n"
               "<p>Filler text to bring the card near two kilobytes: lorem ipsum dolor sit amet, consectetur\r\n"
               "adipiscing elit, sed do eiusmod tempor incididunt ut labore et dolore magna aliqua. Ut enim\r\n"
               "ad minim veniam, quis nostrud exercitation ullamco laboris nisi ut aliquip ex ea commodo.\r\n"
               "Duis aute irure dolor in reprehenderit in voluptate velit esse cillum dolore eu fugiat.</p>\r\n"
               "</card>\r\n")
        .arg(number)
        .arg(number + 1)
        .arg(picture);
}

// A temporary program folder with the shipped tag list, named by
// TARNEL_PROGRAM_DIR while it lives.
struct ProgramFolder
{
    QTemporaryDir dir;
    ProgramFolder()
    {
        QDir().mkpath(dir.filePath(QStringLiteral("program/data")));
        QFile::copy(QStringLiteral(TARNEL_SOURCE_DIR "/data/check.ini"),
                    dir.filePath(QStringLiteral("program/data/check.ini")));
        qputenv("TARNEL_PROGRAM_DIR", dir.filePath(QStringLiteral("program")).toLocal8Bit());
    }
    QString path(const QString &relative) const { return dir.filePath(relative); }
};

} // namespace BenchDeck
