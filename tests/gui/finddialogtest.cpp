#include "guifixture.h"
#include "testregistry.h"

#include "common/inifile.h"
#include "common/programfolder.h"
#include "editor/tfrmfind.h"

#include <QCheckBox>
#include <QComboBox>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QTranslator>

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
    // Restarts the program with history as the find texts of the last run.
    void restartWithFindHistory(const QStringList &history)
    {
        main.reset();
        IniFile ini = IniFile::load(ProgramFolder::settingsFile());
        for (const char *section : {"FindReplace.cmbFINDTEXT1_Items", "FindReplace.cmbFINDTEXT2_Items"}) {
            const QString name = QString::fromLatin1(section);
            ini.setValue(name, QStringLiteral("Count"), QString::number(history.size()));
            for (int i = 0; i < history.size(); ++i)
                ini.setValue(name, QStringLiteral("Item%1").arg(i), history[i]);
        }
        QVERIFY(ini.save(ProgramFolder::settingsFile()));
        start();
    }
    // Opens Find or Replace and plays the user's part in it.
    void run(const char *command, const std::function<void(TfrmFIND &)> &play)
    {
        dialogs->onModal = [play](QDialog &shown) {
            // Keys and Alt letters reach only the active window.
            QApplication::setActiveWindow(&shown);
            QVERIFY(QTest::qWaitForWindowActive(&shown));
            play(static_cast<TfrmFIND &>(shown));
        };
        trigger(command);
        dialogs->onModal = nullptr;
    }
};

// The Alt letters of the buttons and labels a page of the dialog shows,
// each with the text it belongs to.
QMultiMap<QChar, QString> lettersOf(const TfrmFIND &dialog)
{
    QMultiMap<QChar, QString> letters;
    const auto add = [&letters](const QString &text) {
        const int at = int(text.indexOf(QLatin1Char('&')));
        if (at >= 0 && at + 1 < text.size())
            letters.insert(text[at + 1].toLower(), text);
    };
    for (const QAbstractButton *button : dialog.findChildren<QAbstractButton *>()) {
        if (button->isVisible())
            add(button->text());
    }
    for (const QLabel *label : dialog.findChildren<QLabel *>()) {
        if (label->isVisible())
            add(label->text());
    }
    return letters;
}

QStringList clashesOf(const QMultiMap<QChar, QString> &letters)
{
    QStringList clashes;
    for (const QChar letter : letters.uniqueKeys()) {
        if (letters.count(letter) > 1)
            clashes << QStringList(letters.values(letter)).join(QStringLiteral(" / "));
    }
    return clashes;
}

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

    // The history only offers entries: what the user types, and Enter,
    // search for exactly that.
    void typedTextIsSearchedAsTyped_data()
    {
        QTest::addColumn<QString>("history");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("match");
        QTest::newRow("an entry differing in case") << "nokia" << "nokia Nokia" << "Nokia" << 6;
        QTest::newRow("an entry the typed text begins") << "Cardset" << "Cardset card" << "card" << 8;
        QTest::newRow("an entry in upper case") << "CARD" << "CARD Card" << "Card" << 5;
    }
    void typedTextIsSearchedAsTyped()
    {
        QFETCH(QString, history);
        QFETCH(QString, text);
        QFETCH(QString, typed);
        QFETCH(int, match);
        FindFixture f;
        f.restartWithFindHistory({history});
        f.openText(text);
        QString searched;
        f.run("EditFind", [&](TfrmFIND &d) {
            d.matchCase()->setChecked(true);
            QLineEdit *field = d.findText()->lineEdit();
            QVERIFY(d.findText()->hasFocus());
            QTest::keyClicks(field, typed);
            QTest::keyClick(field, Qt::Key_Return); // Find is the default button
            searched = d.findText()->currentText();
            d.cancelButton()->click();
        });
        QCOMPARE(searched, typed);
        QVERIFY(f.dialogs->messages.isEmpty());
        QCOMPARE(f.editor()->selectionStart(), match);
        QCOMPARE(static_cast<SourceEditor *>(f.editor())->selectedText(), typed);
        QCOMPARE(itemsOf(f.dialog()->findText()), (QStringList{history, typed}));
    }

    // A button answers its Alt letter with a short animated click.
    void altLettersRunFindAndCancel()
    {
        FindFixture f;
        f.openText(QStringLiteral("one two one"), 1);
        bool stillOpen = true;
        f.run("EditFind", [&](TfrmFIND &d) {
            QTest::keyClicks(d.findText()->lineEdit(), QStringLiteral("one"));
            QTest::keyClick(&d, Qt::Key_F, Qt::AltModifier);
            QTRY_COMPARE(f.editor()->selectionStart(), 8);
            QTest::keyClick(&d, Qt::Key_L, Qt::AltModifier);
            QTRY_VERIFY(!d.isVisible());
            stillOpen = false;
        });
        QVERIFY(!stillOpen);
        QVERIFY(f.dialogs->messages.isEmpty());
    }

    // No two controls of a page share an Alt letter, in English and Czech.
    void everyAltLetterIsOnlyOnePagesOwn_data()
    {
        QTest::addColumn<QString>("translation");
        QTest::newRow("English") << QString();
        QTest::newRow("Czech") << QStringLiteral(TARNEL_TRANSLATION_CS);
    }
    void everyAltLetterIsOnlyOnePagesOwn()
    {
        QFETCH(QString, translation);
        QTranslator translator;
        if (!translation.isEmpty()) {
            QVERIFY(translator.load(translation));
            QCoreApplication::installTranslator(&translator);
        }
        FindFixture f;
        f.openText(QStringLiteral("x"));
        for (const char *command : {"EditFind", "EditReplace"}) {
            f.run(command, [&](TfrmFIND &d) {
                const QMultiMap<QChar, QString> letters = lettersOf(d);
                QVERIFY(letters.size() >= 9);
                QCOMPARE(clashesOf(letters), QStringList());
                d.cancelButton()->click();
            });
        }
        QCoreApplication::removeTranslator(&translator);
    }

    // Replace All ends as pressing Replace until nothing is found does.
    void replaceAllBackwardTakesMatchesReachingIntoItsReplacements()
    {
        FindFixture f;
        f.openText(QStringLiteral("x aab"), 5);
        f.run("EditReplace", [](TfrmFIND &d) {
            d.backward()->setChecked(true);
            d.findTextOnReplacePage()->setEditText(QStringLiteral("ab"));
            d.replaceText()->setEditText(QStringLiteral("b"));
            d.replaceAllButton()->click();
        });
        QCOMPARE(f.editor()->text(), QStringLiteral("x b"));
        QCOMPARE(f.editor()->caret(), 3);
        QCOMPARE(f.dialogs->messages, QStringList{"2 occurrence of string \"ab\" replaced by \"b\""});

        // The same by hand.
        f.openText(QStringLiteral("x aab"), 5);
        f.dialogs->messages.clear();
        f.run("EditReplace", [](TfrmFIND &d) {
            d.replaceButton()->click();
            d.replaceButton()->click();
            d.replaceButton()->click();
        });
        QCOMPARE(f.editor()->text(), QStringLiteral("x b"));
        QCOMPARE(f.editor()->caret(), 3);
        QCOMPARE(f.dialogs->messages, QStringList{"String \"ab\" not found"});
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
