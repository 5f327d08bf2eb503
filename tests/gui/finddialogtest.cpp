#include "guifixture.h"
#include "testregistry.h"

#include "common/inifile.h"
#include "common/programfolder.h"
#include "editor/tfrmfind.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

namespace {

QStringList itemsOf(const QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

// A document window holding text, and the find dialog opened on it.
struct FindFixture : GuiFixture
{
    TfrmFIND *dialog() const { return main->findDialog(); }
    WmlEditor *editor() const { return active()->editor(); }

    void openText(const QString &text, int caret = 0)
    {
        trigger("FileNew");
        editor()->setText(text);
        editor()->setCaret(caret);
    }
    // Opens Find or Replace and plays the user's part in it.
    void run(const char *command, const std::function<void(TfrmFIND &)> &play)
    {
        dialogs->onModal = [play](QDialog &shown) { play(static_cast<TfrmFIND &>(shown)); };
        trigger(command);
        dialogs->onModal = nullptr;
    }
};

} // namespace

// The find dialog through the real main window and document window.
class FindDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void findAddsToBothHistoriesUnlessAnEntryHoldsTheText()
    {
        FindFixture f;
        f.openText(QStringLiteral("abc b abcd"));
        f.run("EditFind", [](TfrmFIND &d) {
            QVERIFY(!d.replaceButton()->isVisible());
            QVERIFY(!d.findButton()->isEnabled());
            d.findText()->setEditText(QStringLiteral("abc"));
            QVERIFY(d.findButton()->isEnabled());
            d.findButton()->click();
            d.findText()->setEditText(QStringLiteral("b"));
            d.findButton()->click();
            d.findText()->setEditText(QStringLiteral("abcd"));
            d.findButton()->click();
        });
        QCOMPARE(itemsOf(f.dialog()->findText()), (QStringList{"abc", "abcd"}));
        QCOMPARE(itemsOf(f.dialog()->findTextOnReplacePage()), (QStringList{"abc", "abcd"}));
        QCOMPARE(static_cast<SourceEditor *>(f.editor())->selectedText(), QStringLiteral("abcd"));
    }

    void textTypedOnTheReplacePageReachesBothHistories()
    {
        FindFixture f;
        f.openText(QStringLiteral("one two"));
        f.run("EditReplace", [](TfrmFIND &d) {
            QCOMPARE(d.pages()->currentIndex(), 1);
            QVERIFY(d.replaceButton()->isVisible());
            d.findTextOnReplacePage()->setEditText(QStringLiteral("two"));
            QCOMPARE(d.findText()->currentText(), QStringLiteral("two"));
            d.replaceText()->setEditText(QStringLiteral("2"));
            d.replaceButton()->click(); // nothing selected: only finds
            d.replaceButton()->click(); // replaces the match, then finds no more
        });
        QCOMPARE(f.editor()->text(), QStringLiteral("one 2"));
        QCOMPARE(itemsOf(f.dialog()->findText()), QStringList{"two"});
        QCOMPARE(itemsOf(f.dialog()->findTextOnReplacePage()), QStringList{"two"});
        QCOMPARE(itemsOf(f.dialog()->replaceText()), QStringList{"2"});
        QCOMPARE(f.dialogs->messages, QStringList{"String \"two\" not found"});
    }

    void topWithBackwardFindsNothing()
    {
        FindFixture f;
        f.openText(QStringLiteral("x x x"), 5);
        f.run("EditFind", [](TfrmFIND &d) {
            d.findText()->setEditText(QStringLiteral("x"));
            d.backward()->setChecked(true);
            d.fromTop()->setChecked(true);
            d.findButton()->click();
            QVERIFY(!d.fromTop()->isChecked()); // "top" serves one search
        });
        QCOMPARE(f.dialogs->messages, QStringList{"String \"x\" not found"});
        QCOMPARE(f.editor()->caret(), 0);
    }

    void replaceAllReportsTheCount()
    {
        FindFixture f;
        f.openText(QStringLiteral("aaa"));
        f.run("EditReplace", [](TfrmFIND &d) {
            d.findTextOnReplacePage()->setEditText(QStringLiteral("a"));
            d.replaceText()->setEditText(QStringLiteral("b"));
            d.replaceAllButton()->click();
        });
        QCOMPARE(f.editor()->text(), QStringLiteral("bbb"));
        QCOMPARE(f.dialogs->messages, QStringList{"3 occurrence of string \"a\" replaced by \"b\""});
        f.editor()->undo();
        QCOMPARE(f.editor()->text(), QStringLiteral("aaa"));
    }

    void cancelWithCursorFixedReturnsTheCaret()
    {
        FindFixture f;
        f.openText(QStringLiteral("ab ab ab ab"), 1);
        f.run("EditFind", [](TfrmFIND &d) {
            d.cursorFixed()->setChecked(true);
            d.findText()->setEditText(QStringLiteral("ab"));
            d.findButton()->click();
            d.findButton()->click();
            d.findButton()->click();
            d.cancelButton()->click();
        });
        QCOMPARE(f.editor()->caret(), 1);
        QCOMPARE(f.editor()->anchor(), 1);
    }

    void findNextAndRemoveTagThroughTheEditor()
    {
        FindFixture f;
        f.openText(QStringLiteral("<p>one <b>two</b> one</p>"));
        f.run("EditFind", [](TfrmFIND &d) {
            d.findText()->setEditText(QStringLiteral("one"));
            d.findButton()->click();
            d.cancelButton()->click();
        });
        f.editor()->setFocus();
        QTest::keyClick(f.editor(), Qt::Key_F3);
        QCOMPARE(f.editor()->selectionStart(), 18);
        QTest::keyClick(f.editor(), Qt::Key_F3);
        QCOMPARE(f.dialogs->messages, QStringList{"String \"one\" not found"});
        QCOMPARE(f.editor()->selectionStart(), 18);

        f.editor()->setCaret(13); // after "<b>two"
        QTest::keyClick(f.editor(), Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(f.editor()->text(), QStringLiteral("<p>one two</b> one</p>"));
        QCOMPARE(f.editor()->caret(), 7);
    }

    void historiesAndSwitchSurviveARestart()
    {
        FindFixture f;
        f.openText(QStringLiteral("find me"));
        f.run("EditReplace", [](TfrmFIND &d) {
            d.cursorFixed()->setChecked(true);
            d.findTextOnReplacePage()->setEditText(QStringLiteral("me"));
            d.replaceText()->setEditText(QStringLiteral("you"));
            d.findButton()->click();
            d.findButton()->click();
        });
        // Closing the dialog wrote its settings.
        const IniFile ini = IniFile::load(ProgramFolder::settingsFile());
        QCOMPARE(ini.value(QStringLiteral("FindReplace"), QStringLiteral("chkKURZOR_Checked")), QStringLiteral("True"));
        QCOMPARE(ini.value(QStringLiteral("FindReplace.cmbFINDTEXT1_Items"), QStringLiteral("Count")), QStringLiteral("1"));
        QCOMPARE(ini.value(QStringLiteral("FindReplace.cmbREPL_Items"), QStringLiteral("Item0")), QStringLiteral("you"));

        f.main.reset();
        f.start();
        QCOMPARE(itemsOf(f.dialog()->findText()), QStringList{"me"});
        QCOMPARE(itemsOf(f.dialog()->replaceText()), QStringList{"you"});
        QVERIFY(f.dialog()->cursorFixed()->isChecked());

        // An emptied history stays empty.
        f.openText(QStringLiteral("x"));
        f.run("EditFind", [](TfrmFIND &d) {
            d.findText()->setEditText(QStringLiteral("kept"));
            d.findChild<QToolButton *>(QStringLiteral("RxSpeedButton1"))->click();
            QCOMPARE(d.findText()->currentText(), QStringLiteral("kept"));
            QCOMPARE(d.findText()->count(), 0);
            d.cancelButton()->click();
        });
        f.main.reset();
        f.start();
        QCOMPARE(f.dialog()->findText()->count(), 0);
        QCOMPARE(itemsOf(f.dialog()->findTextOnReplacePage()), QStringList{"me"});
    }
};

TARNEL_TEST(FindDialogTest)

#include "finddialogtest.moc"
