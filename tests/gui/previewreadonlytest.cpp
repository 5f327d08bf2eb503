#include "guifixture.h"
#include "testregistry.h"

#include "preview/htmlviewer.h"
#include "preview/previewtab.h"

#include <QTabWidget>

namespace {

const QByteArray deck = "<?xml version=\"1.0\"?>\r\n<wml>\r\n<card id=\"a\"><p>text</p></card>\r\n</wml>\r\n";

// A saved page, changed once on the WML tab (so Undo has a step) and then
// shown on the Preview tab with the keyboard focus in the preview.
struct ShownPreview : GuiFixture
{
    QString path;
    QString source;

    ShownPreview()
    {
        path = folder.write(QStringLiteral("site/page.wml"), deck);
        open(path);
        type(QStringLiteral("x"));
        trigger("FileSave");
        source = active()->editor()->text();
        QTest::keyClick(active()->editor(), Qt::Key_PageDown, Qt::ControlModifier);
        active()->preview()->viewer()->setFocus();
    }
    QWidget *focus() const { return active()->preview()->viewer(); }
};

} // namespace

// While the Preview tab shows, no command may change the hidden source.
class PreviewReadOnlyTest : public QObject
{
    Q_OBJECT

private slots:
    void keysOnThePreviewLeaveTheSourceAlone_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        const int ctrl = Qt::ControlModifier;
        const int ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
        QTest::newRow("Ctrl+B bold") << int(Qt::Key_B) << ctrl;
        QTest::newRow("Ctrl+Shift+C card") << int(Qt::Key_C) << ctrlShift;
        QTest::newRow("Ctrl+Space nbsp") << int(Qt::Key_Space) << ctrl;
        QTest::newRow("Ctrl+Return break") << int(Qt::Key_Return) << ctrl;
        QTest::newRow("Ctrl+Enter break") << int(Qt::Key_Enter) << int(Qt::ControlModifier | Qt::KeypadModifier);
        QTest::newRow("Ctrl+Shift+A link") << int(Qt::Key_A) << ctrlShift;
        QTest::newRow("Ctrl+3 strong") << int(Qt::Key_3) << ctrl;
        QTest::newRow("Ctrl+Del remove tag") << int(Qt::Key_Delete) << ctrl;
        QTest::newRow("Ctrl+Z undo") << int(Qt::Key_Z) << ctrl;
        QTest::newRow("Ctrl+J completion") << int(Qt::Key_J) << ctrl;
        QTest::newRow("Ctrl+R replace") << int(Qt::Key_R) << ctrl;
    }

    void keysOnThePreviewLeaveTheSourceAlone()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        ShownPreview f;
        bool dialogShown = false;
        f.dialogs->onModal = [&dialogShown](QDialog &) { dialogShown = true; };
        QTest::keyClick(f.focus(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(f.active()->editor()->text(), f.source);
        QVERIFY(!f.active()->isModified());
        QVERIFY(!f.action("FileSave")->isEnabled());
        QVERIFY(!dialogShown);
        QCOMPARE(f.active()->pages()->currentWidget()->objectName(), QStringLiteral("tabPREVIEW"));
        // Back on the WML tab the source is as it was, its undo step too.
        QTest::keyClick(f.focus(), Qt::Key_PageUp, Qt::ControlModifier);
        QTest::keyClick(f.active()->editor(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.active()->editor()->text(), QString::fromLatin1(deck));
    }

    void commandsRunFromTheirActionsDoNothingThere()
    {
        ShownPreview f;
        f.active()->editor()->setCaret(f.active()->editor()->length());
        f.trigger("EditUndo");
        f.trigger("EditRedo");
        f.trigger("EditReplace");
        QVERIFY(f.action("EditDelTag")->isEnabled());
        f.trigger("EditDelTag");
        for (const QString &name : {QStringLiteral("InsB"), QStringLiteral("InsCard"), QStringLiteral("InsBR")})
            f.active()->insertAction(name)->trigger();
        QCOMPARE(f.active()->editor()->text(), f.source);
        QVERIFY(!f.active()->isModified());
        QCOMPARE(ProgramFolderFixture::read(f.path), f.source.toUtf8());
        // The same commands act again once the WML tab shows.
        f.active()->pages()->setCurrentIndex(0);
        f.trigger("EditDelTag");
        QVERIFY(f.active()->editor()->text() != f.source);
    }
};

TARNEL_TEST(PreviewReadOnlyTest)
#include "previewreadonlytest.moc"
