// The compiled deck in the program: the size gauge of the status bar and
// the phone it measures against, File > Export Compiled, and compiled
// decks opened as read-only text.
#include "previewfixture.h"
#include "testregistry.h"

#include "devices/devicechoice.h"
#include "wbxml/wbxmlwriter.h"
#include "wml/wmldocument.h"

#include <QFile>
#include <QLabel>
#include <QMenu>

namespace {

QByteArray deckWith(const QString &body)
{
    return (QStringLiteral("<?xml version=\"1.0\"?>\n<!DOCTYPE wml PUBLIC \"-//WAPFORUM//DTD WML 1.1//EN\" "
                           "\"http://www.wapforum.org/DTD/wml_1.1.xml\">\n<wml>\n<card id=\"main\" title=\"Main\">\n")
            + body + QStringLiteral("\n</card>\n</wml>\n"))
        .toUtf8();
}

int compiledSize(const QString &text)
{
    return int(WbxmlWriter::encode(*WmlDocument::parse(text)).size());
}

QString grouped(int number)
{
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(number);
}

} // namespace

class CompiledSizeTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { DeviceChoice::setChosen(QStringLiteral("nokia7110")); }
    void cleanup() { init(); }

    void gaugeFollowsTheTextThePhoneAndTheSkin()
    {
        PreviewFixture f;
        QLabel *gauge = f.main->statusPanels()->panel(StatusPanels::SizePanel);
        QVERIFY(!gauge->isVisible());
        TMDIChild *child = f.openPage(deckWith(QStringLiteral("<p>Hello</p>")));
        const QString text = child->editor()->text();
        QTRY_COMPARE(f.panel(StatusPanels::SizePanel),
                     QStringLiteral("%1 / 1,397 B").arg(compiledSize(text)));
        QVERIFY(gauge->isVisible());
        QVERIFY(gauge->toolTip().contains(QStringLiteral("card main:")));
        QVERIFY(gauge->styleSheet().contains(QStringLiteral("#bfe8b0")));

        // Another phone in View > Device.
        f.main->deviceMenu()->popup(QPoint(0, 0));
        QAction *generic = f.main->deviceMenu()->findChild<QAction *>(QStringLiteral("mmDevice_generic128"));
        f.main->deviceMenu()->close();
        QVERIFY(generic);
        generic->trigger();
        QTRY_COMPARE(f.panel(StatusPanels::SizePanel),
                     QStringLiteral("%1 / 10,000 B").arg(compiledSize(text)));
        QCOMPARE(DeviceChoice::chosen(), QStringLiteral("generic128"));

        // A skin naming its phone wins over the choice; the plain view
        // gives it back.
        f.toPreview();
        f.chooseDevice(QStringLiteral("Mono 96"));
        QTRY_COMPARE(f.panel(StatusPanels::SizePanel), QStringLiteral("%1 / 1,397 B").arg(compiledSize(text)));
        f.chooseDevice(QStringLiteral("normal"));
        QTRY_COMPARE(f.panel(StatusPanels::SizePanel), QStringLiteral("%1 / 10,000 B").arg(compiledSize(text)));
        f.toWml();

        // Typing past the limit turns it red; the checker says so at <wml>.
        DeviceChoice::setChosen(QStringLiteral("nokia7110"));
        child->recheck();
        WmlEditor *editor = child->editor();
        editor->setSelection(editor->lineStart(4), editor->lineStart(4));
        editor->replaceSelection(QStringLiteral("<p>%1</p>\n").arg(QString(1500, QLatin1Char('x'))));
        const int over = compiledSize(editor->text());
        QTRY_COMPARE(f.panel(StatusPanels::SizePanel), QStringLiteral("%1 / 1,397 B").arg(grouped(over)));
        QVERIFY(gauge->styleSheet().contains(QStringLiteral("#f4a09a")));
        bool warned = false;
        for (const Diagnostic &diagnostic : child->problems().all()) {
            if (diagnostic.ruleId == QLatin1String("device-deck-size")) {
                QCOMPARE(diagnostic.message,
                         QStringLiteral("deck compiles to %1 bytes, above the Nokia 7110 limit of 1397 bytes").arg(over));
                QCOMPARE(diagnostic.range.start.line, 3);
                warned = true;
            }
        }
        QVERIFY(warned);

        // A page that is not well-formed has no compiled size.
        editor->setSelection(editor->lineStart(4), editor->lineStart(4));
        editor->replaceSelection(QStringLiteral("<p>"));
        QTRY_COMPARE(f.panel(StatusPanels::SizePanel), QStringLiteral("? / 1,397 B"));

        // No page, no gauge.
        f.trigger("FileCloseAll");
        f.dialogs->answers << DialogService::Answer::No;
        f.trigger("FileCloseAll");
        QTRY_VERIFY(f.main->documentCount() == 0);
        QVERIFY(!gauge->isVisible());
    }

    void exportWritesTheCompiledDeck()
    {
        GuiFixture f;
        f.open(f.folder.write(QStringLiteral("deck.wml"), deckWith(QStringLiteral("<p>$(name) and $$</p>"))));
        const QString target = f.folder.file(QStringLiteral("deck.wmlc"));
        f.dialogs->saveNames << target;
        f.trigger("FileExportCompiled");
        QVERIFY(f.dialogs->errors.isEmpty());
        QFile written(target);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), WbxmlWriter::encode(*WmlDocument::parse(f.active()->editor()->text())));
        QCOMPARE(f.dialogs->fileRequests.last().filter, QStringLiteral("Compiled WML files (*.wmlc)|*.wmlc"));

        // Replacing asks first; No leaves the file as it was.
        QFile::resize(target, 3);
        f.dialogs->saveNames << target;
        f.dialogs->answers << DialogService::Answer::No;
        f.trigger("FileExportCompiled");
        QCOMPARE(QFileInfo(target).size(), 3);

        // A page that does not parse is not exported, and says why.
        f.active()->editor()->setText(QStringLiteral("<wml><card>"));
        f.trigger("FileExportCompiled");
        QCOMPARE(f.dialogs->errors.size(), 1);
        QVERIFY2(f.dialogs->errors[0].startsWith(QStringLiteral("The page cannot be compiled: line 1")),
                 qPrintable(f.dialogs->errors[0]));
        QCOMPARE(QFileInfo(target).size(), 3);
    }

    void aCompiledDeckOpensReadOnlyUntilSavedAsWml()
    {
        GuiFixture f;
        const QByteArray deck = deckWith(QStringLiteral("<p>Compiled <b>text</b></p>"));
        const QString compiled = f.folder.file(QStringLiteral("site.wmlc"));
        QFile file(compiled);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(WbxmlWriter::encode(*WmlDocument::parse(QString::fromUtf8(deck))));
        file.close();

        f.open(compiled);
        TMDIChild *child = f.active();
        QVERIFY(f.dialogs->errors.isEmpty());
        QVERIFY(child->isCompiledView());
        QVERIFY(child->editor()->isReadOnly());
        QVERIFY(child->editor()->text().contains(QStringLiteral("<b>")));
        QVERIFY(child->editor()->text().contains(QStringLiteral("Compiled")));
        f.type(QStringLiteral("xyz"));
        QVERIFY(!child->editor()->text().contains(QStringLiteral("xyz")));
        QVERIFY(!child->isModified());

        // Save asks for a new file; the page may be edited from then on.
        const QString saved = f.folder.file(QStringLiteral("site.wml"));
        f.dialogs->saveNames << saved;
        f.trigger("FileSave");
        QVERIFY(QFileInfo::exists(saved));
        QCOMPARE(child->documentPath(), saved);
        QVERIFY(!child->editor()->isReadOnly());
        QCOMPARE(QFileInfo(compiled).size(), file.size());

        // Bytes that are no compiled deck are an error, not a crash.
        const QString broken = f.folder.write(QStringLiteral("broken.wmlc"), QByteArray("\x03\x0a\x6a\x7f\xff\xff", 6));
        f.open(broken);
        QCOMPARE(f.dialogs->errors.size(), 1);
        QVERIFY2(f.dialogs->errors[0].contains(QStringLiteral("is not a compiled WML deck")),
                 qPrintable(f.dialogs->errors[0]));
    }
};
TARNEL_TEST(CompiledSizeTest)

#include "compiledsizetest.moc"
