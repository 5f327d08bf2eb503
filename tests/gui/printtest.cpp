#include "guifixture.h"
#include "testregistry.h"

#include "common/textprinter.h"

#include <QImage>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {
constexpr int rasterDpi = 100;

// Rows of the page that hold ink, as [first, last] runs, and the leftmost inked column.
struct Ink
{
    QList<QPair<int, int>> rowRuns;
    int left = -1;
};

Ink inkOf(const QImage &page)
{
    Ink ink;
    int runStart = -1;
    for (int y = 0; y < page.height(); ++y) {
        bool dark = false;
        for (int x = 0; x < page.width(); ++x) {
            if (qGray(page.pixel(x, y)) < 128) {
                dark = true;
                if (ink.left < 0 || x < ink.left)
                    ink.left = x;
            }
        }
        if (dark && runStart < 0)
            runStart = y;
        if (!dark && runStart >= 0) {
            ink.rowRuns.append({runStart, y - 1});
            runStart = -1;
        }
    }
    return ink;
}
} // namespace

// Printing the source to a PDF file through Printer Setup, checked on the page.
class PrintTest : public QObject
{
    Q_OBJECT

private slots:
    void printsToPdfWithTheMarginsAndSpacing()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            QSKIP("pdftoppm is not installed");
        GuiFixture f;
        // Capital letters only, so every printed line has the same ink height.
        QStringList lines;
        for (int i = 0; i < 6; ++i)
            lines << QStringLiteral("HEADLINE NUMBER %1").arg(i);
        const QString path = f.folder.write(QStringLiteral("p.wml"), lines.join(QStringLiteral("\r\n")).toLatin1());
        f.open(path);
        const QString pdf = f.folder.file(QStringLiteral("out.pdf"));
        f.dialogs->onPrinterSetup = [&](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setPageSize(QPageSize(QPageSize::A4));
            return true;
        };
        f.trigger("FilePrintSetup");
        QVERIFY2(f.dialogs->errors.isEmpty(), qPrintable(f.dialogs->errors.join(QLatin1Char('\n'))));
        QVERIFY(QFileInfo(pdf).size() > 0);

        const QString prefix = f.folder.file(QStringLiteral("page"));
        QCOMPARE(QProcess::execute(QStringLiteral("pdftoppm"),
                                   {QStringLiteral("-r"), QString::number(rasterDpi), QStringLiteral("-png"),
                                    QStringLiteral("-singlefile"), pdf, prefix}),
                 0);
        const QImage page(prefix + QStringLiteral(".png"));
        QVERIFY(!page.isNull());
        const Ink ink = inkOf(page);
        QCOMPARE(ink.rowRuns.size(), 6);
        // Left margin 0.75 inch (a glyph's side bearing may add a pixel or two).
        QVERIFY2(qAbs(ink.left - 0.75 * rasterDpi) <= 3, qPrintable(QString::number(ink.left)));
        // Top margin 0.75 inch: the first line's ink starts below it, within one line.
        const TextPrinter printer(f.active()->editor()->font(), 8);
        const qreal spacing = printer.lineSpacing(rasterDpi);
        QVERIFY(ink.rowRuns[0].first >= 0.75 * rasterDpi);
        QVERIFY(ink.rowRuns[0].first < 0.75 * rasterDpi + spacing);
        // Lines 1.5 times the height of "A" apart.
        const qreal measured = (ink.rowRuns[5].first - ink.rowRuns[0].first) / 5.0;
        QVERIFY2(qAbs(measured - spacing) <= 1.0, qPrintable(QStringLiteral("%1 vs %2").arg(measured).arg(spacing)));
    }

    void printWithoutAPrinterSaysSo()
    {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("this machine has a printer");
        GuiFixture f;
        f.trigger("FileNew");
        f.trigger("FilePrint");
        QCOMPARE(f.dialogs->errors.size(), 1);
        QVERIFY(f.dialogs->errors[0].startsWith(QStringLiteral("No printer is installed")));
    }

    void cancelledPrinterSetupPrintsNothing()
    {
        GuiFixture f;
        f.trigger("FileNew");
        f.dialogs->onPrinterSetup = [](QPrinter &) { return false; };
        f.trigger("FilePrintSetup");
        QVERIFY(f.dialogs->errors.isEmpty());
    }
};

TARNEL_TEST(PrintTest)
#include "printtest.moc"
