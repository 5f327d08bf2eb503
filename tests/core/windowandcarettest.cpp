#include "testregistry.h"

#include "common/droppedfiles.h"
#include "common/windowfit.h"
#include "editor/caretstatus.h"
#include "editor/plaintextbuffer.h"
#include "preview/entitytext.h"

#include <QMimeData>
#include <QTest>
#include <QUrl>

// Where document windows go, where the caret stands, card titles as text,
// and the files a drag carries.
class WindowAndCaretTest : public QObject
{
    Q_OBJECT

private slots:
    void newWindowsLieInsideTheArea_data()
    {
        QTest::addColumn<QRect>("window");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QRect>("placed");
        const QRect area(0, 0, 589, 300);
        QTest::newRow("fits as placed") << QRect(10, 10, 300, 200) << area << QRect(10, 10, 300, 200);
        QTest::newRow("below the frame") << QRect(0, 0, 558, 395) << area << QRect(0, 0, 558, 300);
        QTest::newRow("cascaded past the corner") << QRect(100, 150, 558, 200) << area << QRect(31, 100, 558, 200);
        QTest::newRow("wider and taller") << QRect(40, 40, 900, 900) << area << QRect(0, 0, 589, 300);
        QTest::newRow("area not at origin") << QRect(0, 0, 100, 100) << QRect(50, 60, 200, 200)
                                            << QRect(50, 60, 100, 100);
    }
    void newWindowsLieInsideTheArea()
    {
        QFETCH(QRect, window);
        QFETCH(QRect, area);
        QFETCH(QRect, placed);
        QCOMPARE(WindowFit::inside(window, area), placed);
    }

    void grownWindowsStayInReach_data()
    {
        QTest::addColumn<QRect>("window");
        QTest::addColumn<QSize>("extra");
        QTest::addColumn<QRect>("grown");
        const QRect area(0, 0, 800, 600);
        QTest::newRow("room to grow") << QRect(10, 10, 558, 395) << QSize(0, 150) << QRect(10, 10, 558, 545);
        QTest::newRow("moved up to fit") << QRect(30, 100, 558, 395) << QSize(0, 150) << QRect(30, 55, 558, 545);
        QTest::newRow("taller than the area") << QRect(30, 100, 558, 395) << QSize(0, 400)
                                              << QRect(30, 0, 558, 795);
        QTest::newRow("shrinks nothing") << QRect(10, 10, 558, 395) << QSize(-50, 20) << QRect(10, 10, 558, 415);
        QTest::newRow("grows both ways") << QRect(500, 10, 200, 200) << QSize(200, 20) << QRect(400, 10, 400, 220);
    }
    void grownWindowsStayInReach()
    {
        QFETCH(QRect, window);
        QFETCH(QSize, extra);
        QFETCH(QRect, grown);
        QCOMPARE(WindowFit::grown(window, extra, QRect(0, 0, 800, 600)), grown);
    }

    void caretStatusCountsFromOne_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("position");
        QTest::newRow("start") << "<wml>" << 0 << 1 << 1 << 1;
        QTest::newRow("end of first line") << "<wml>\r\n<card>" << 5 << 1 << 6 << 6;
        QTest::newRow("after the break") << "<wml>\r\n<card>" << 7 << 2 << 1 << 8;
        QTest::newRow("inside third line") << "a\r\nbb\r\nccc" << 9 << 3 << 3 << 10;
        QTest::newRow("end of text") << "a\r\nbb\r\nccc" << 10 << 3 << 4 << 11;
        QTest::newRow("empty text") << "" << 0 << 1 << 1 << 1;
    }
    void caretStatusCountsFromOne()
    {
        QFETCH(QString, text);
        QFETCH(int, caret);
        PlainTextBuffer buffer;
        buffer.setText(text);
        buffer.setCaret(caret);
        const CaretStatus status = CaretStatus::of(buffer, false);
        QTEST(status.line, "line");
        QTEST(status.column, "column");
        QTEST(status.position, "position");
        QCOMPARE(status.modeText(), QStringLiteral("INS"));
        QCOMPARE(CaretStatus::of(buffer, true).modeText(), QStringLiteral("OVR"));
    }

    void titlesDecodeReferences_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << "Welcome" << "Welcome";
        QTest::newRow("amp and lt") << "A &amp; B &lt;1&gt;" << "A & B <1>";
        QTest::newRow("quotes") << "&quot;x&quot; &apos;y&apos;" << "\"x\" 'y'";
        QTest::newRow("nbsp and shy") << "a&nbsp;b&shy;c" << QString::fromUtf8("a\u00a0b\u00adc");
        QTest::newRow("numeric") << "&#65;&#x42;&#X43;" << "ABC";
        QTest::newRow("beyond the BMP") << "&#x1F600;" << QString::fromUtf8("\U0001F600");
        QTest::newRow("decoded once") << "&amp;lt;" << "&lt;";
        QTest::newRow("unknown kept") << "&copy; &foo" << "&copy; &foo";
        QTest::newRow("bad numbers kept") << "&#; &#xZZ; &#0; &#xD800; &#1114112;"
                                          << "&#; &#xZZ; &#0; &#xD800; &#1114112;";
        QTest::newRow("lone ampersands") << "Tom & Jerry; & &" << "Tom & Jerry; & &";
    }
    void titlesDecodeReferences()
    {
        QFETCH(QString, written);
        QTEST(EntityText::decode(written), "shown");
    }

    void dragsCarryLocalFilesOnly()
    {
        QMimeData files;
        files.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a b.wml")), QUrl(QStringLiteral("http://x/y.wml")),
                       QUrl::fromLocalFile(QStringLiteral("/tmp/c.wml"))});
        QCOMPARE(DroppedFiles::localPaths(&files), (QStringList{"/tmp/a b.wml", "/tmp/c.wml"}));
        QMimeData text;
        text.setText(QStringLiteral("/tmp/a.wml"));
        QVERIFY(DroppedFiles::localPaths(&text).isEmpty());
        QVERIFY(DroppedFiles::localPaths(nullptr).isEmpty());
    }
};

TARNEL_TEST(WindowAndCaretTest)

#include "windowandcarettest.moc"
