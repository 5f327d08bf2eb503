// Touching up a picture: strokes, invert and canvas size, each one undo
// step, and the modified flag through undo and save.
#include "testregistry.h"

#include "pictures/pictureedits.h"
#include "pictures/pictureinsertion.h"
#include "pictures/wbmpcodec.h"

#include <QTest>

namespace {

QStringList rows(const PictureEdits &edits)
{
    QStringList picture;
    for (int y = 0; y < edits.size().height(); ++y) {
        QString row;
        for (int x = 0; x < edits.size().width(); ++x)
            row += edits.isBlack(QPoint(x, y)) ? QLatin1Char('#') : QLatin1Char('.');
        picture << row;
    }
    return picture;
}

} // namespace

class PictureEditsTest : public QObject
{
    Q_OBJECT

private slots:
    void strokesAreUndoSteps()
    {
        PictureEdits edits(WbmpCodec::blank(QSize(4, 2)));
        QVERIFY(!edits.isModified());
        edits.press(QPoint(0, 0));
        edits.drag(QPoint(1, 0));
        edits.drag(QPoint(9, 9)); // outside: nothing
        edits.drag(QPoint(2, 1));
        edits.release();
        QCOMPARE(rows(edits), (QStringList{"##..", "..#."}));
        QVERIFY(edits.isModified());
        // A stroke starting on black paints white.
        edits.press(QPoint(1, 0));
        edits.drag(QPoint(2, 1));
        edits.drag(QPoint(3, 1));
        edits.release();
        QCOMPARE(rows(edits), (QStringList{"#...", "...."}));
        edits.undo();
        QCOMPARE(rows(edits), (QStringList{"##..", "..#."}));
        edits.undo();
        QCOMPARE(rows(edits), (QStringList{"....", "...."}));
        QVERIFY(!edits.isModified());
        QVERIFY(!edits.canUndo());
        edits.redo();
        QCOMPARE(rows(edits), (QStringList{"##..", "..#."}));
        // A new step drops what could be redone.
        edits.invert();
        QCOMPARE(rows(edits), (QStringList{"..##", "##.#"}));
        QVERIFY(!edits.canRedo());
    }

    void clickOutsideChangesNothing()
    {
        PictureEdits edits(WbmpCodec::blank(QSize(2, 2)));
        edits.press(QPoint(-1, 0));
        edits.release();
        QVERIFY(!edits.canUndo());
        QVERIFY(!edits.isModified());
    }

    void resizeCanvasKeepsTheCorner()
    {
        PictureEdits edits(WbmpCodec::blank(QSize(3, 2)));
        edits.press(QPoint(2, 1));
        edits.release();
        edits.resizeCanvas(QSize(4, 3));
        QCOMPARE(rows(edits), (QStringList{"....", "..#.", "...."}));
        edits.resizeCanvas(QSize(2, 2));
        QCOMPARE(rows(edits), (QStringList{"..", ".."}));
        edits.resizeCanvas(QSize(0, -5)); // at least one pixel
        QCOMPARE(edits.size(), QSize(1, 1));
        edits.undo();
        edits.undo();
        QCOMPARE(edits.size(), QSize(4, 3));
        QCOMPARE(rows(edits), (QStringList{"....", "..#.", "...."}));
    }

    void savedStateCounts()
    {
        PictureEdits edits(WbmpCodec::blank(QSize(2, 1)));
        edits.press(QPoint(0, 0));
        edits.release();
        edits.markSaved();
        QVERIFY(!edits.isModified());
        edits.undo();
        QVERIFY(edits.isModified());
        edits.redo();
        QVERIFY(!edits.isModified());
    }

    void pictureNames_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << "/a/logo.png" << "logo.wbmp";
        QTest::newRow("spaces and case") << "/a/Holiday photo.JPG" << "Holiday_photo.wbmp";
        QTest::newRow("two dots") << "/a/my.logo.gif" << "my_logo.wbmp";
        QTest::newRow("accents") << "/a/kůň.png" << "k__.wbmp";
        QTest::newRow("nothing left") << "/a/...png" << "picture.wbmp";
    }
    void pictureNames()
    {
        QFETCH(QString, source);
        QFETCH(QString, name);
        QCOMPARE(PictureInsertion::pictureFileName(source), name);
    }

    void imgTags()
    {
        QCOMPARE(PictureInsertion::imgTag(QStringLiteral("pics/logo.wbmp"), QStringLiteral("logo"), QSize(96, 40)),
                 QStringLiteral("<img src=\"pics/logo.wbmp\" alt=\"logo\" width=\"96\" height=\"40\"/>"));
        QCOMPARE(PictureInsertion::imgTag(QStringLiteral("a&b.wbmp"), QStringLiteral("\"A\" <b>"), QSize(8, 8)),
                 QStringLiteral("<img src=\"a&amp;b.wbmp\" alt=\"&quot;A&quot; &lt;b>\" width=\"8\" height=\"8\"/>"));
        QCOMPARE(PictureInsertion::relativeSource(QStringLiteral("/site/pics/a.wbmp"), QStringLiteral("/site")),
                 QStringLiteral("pics/a.wbmp"));
        QCOMPARE(PictureInsertion::relativeSource(QStringLiteral("/site/a.wbmp"), QStringLiteral("/site/")),
                 QStringLiteral("a.wbmp"));
    }
};
TARNEL_TEST(PictureEditsTest)

#include "pictureeditstest.moc"
