#include "programfolderfixture.h"
#include "testregistry.h"

#include "common/textprinter.h"

#include <QFontMetricsF>
#include <QPdfWriter>
#include <QTest>

class TextPrinterTest : public QObject
{
    Q_OBJECT

    static QFont editorFont()
    {
        QFont font(QStringLiteral("Courier New"));
        font.setPixelSize(11);
        return font;
    }

private slots:
    void placesLinesInsideTheMargins()
    {
        const TextPrinter printer(editorFont(), 8);
        const qreal dpi = 300;
        const QSizeF a4(8.27 * dpi, 11.69 * dpi);
        const QList<TextPrinter::PlacedLine> lines = printer.layout(QStringLiteral("one\r\ntwo\r\n\tthree"), a4, dpi);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0].baselineStart.x(), 0.75 * dpi);
        QVERIFY(lines[0].baselineStart.y() > 0.75 * dpi);
        QVERIFY(lines[0].baselineStart.y() < 0.75 * dpi + printer.lineSpacing(dpi));
        QCOMPARE(lines[1].baselineStart.y() - lines[0].baselineStart.y(), printer.lineSpacing(dpi));
        QCOMPARE(lines[2].text, QStringLiteral("        three"));

        QFont atDpi = printer.printFont();
        atDpi.setPixelSize(qRound(printer.printFont().pointSizeF() * dpi / 72.0));
        QCOMPARE(printer.lineSpacing(dpi), 1.5 * QFontMetricsF(atDpi).height());
        // 11 screen pixels are 8.25 points on paper.
        QCOMPARE(printer.printFont().pointSizeF(), 8.25);
    }

    void wrapsLongLinesAndBreaksPages()
    {
        const TextPrinter printer(editorFont(), 8);
        const qreal dpi = 100;
        const QSizeF paper(8.5 * dpi, 4 * dpi);
        const QRectF area = printer.textArea(paper, dpi);
        QCOMPARE(area.right(), paper.width() - 0.5 * dpi);
        QCOMPARE(area.bottom(), paper.height() - 0.75 * dpi);

        QStringList source;
        for (int i = 0; i < 40; ++i)
            source << QStringLiteral("line %1").arg(i);
        source << QString(500, QLatin1Char('x'));
        const QList<TextPrinter::PlacedLine> lines = printer.layout(source.join(QStringLiteral("\r\n")), paper, dpi);
        QVERIFY(lines.size() > 41); // the long line wraps
        QString rejoined;
        for (int i = 40; i < lines.size(); ++i)
            rejoined += lines[i].text;
        QCOMPARE(rejoined, QString(500, QLatin1Char('x')));
        const int perPage = int(area.height() / printer.lineSpacing(dpi));
        QCOMPARE(lines[perPage].page, 1);
        QCOMPARE(lines[perPage].baselineStart.y(), lines[0].baselineStart.y());
        for (const TextPrinter::PlacedLine &line : lines)
            QVERIFY(line.baselineStart.y() < area.bottom());
    }

    void printsAllPagesInOneDocument()
    {
        ProgramFolderFixture folder;
        const QString path = folder.file(QStringLiteral("out.pdf"));
        QStringList source;
        for (int i = 0; i < 150; ++i)
            source << QStringLiteral("<p>line %1</p>").arg(i);
        {
            QPdfWriter writer(path);
            writer.setResolution(300);
            writer.setPageSize(QPageSize(QPageSize::A4));
            TextPrinter(editorFont(), 8).print(source.join(QStringLiteral("\r\n")), &writer);
        }
        const QByteArray pdf = ProgramFolderFixture::read(path);
        const int pages = int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page>")
                              + pdf.count("/Type /Page "));
        QVERIFY2(pages >= 2, pdf.left(200).constData());
    }
};

TARNEL_TEST(TextPrinterTest)
#include "textprintertest.moc"
