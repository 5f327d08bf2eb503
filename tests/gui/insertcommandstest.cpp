#include "guifixture.h"
#include "testregistry.h"

#include "app/collapsibletoolbar.h"
#include "editor/quicktablegrid.h"
#include "editor/tfrmqtable.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

namespace {

// The editor's text with a "^" at the caret.
QString withCaret(const WmlEditor *editor)
{
    return editor->text().insert(editor->caret(), QLatin1Char('^'));
}

QStringList actionNames(const QList<QAction *> &actions)
{
    QStringList names;
    for (const QAction *action : actions)
        names << (action->isSeparator() ? QStringLiteral("-") : action->menu() ? action->menu()->objectName()
                                                                              : action->objectName());
    return names;
}

} // namespace

// The Insert commands through the real document window: shortcuts typed in
// the editor, the menu and toolbar, the quick table and the image dialog.
class InsertCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void menuAndToolbarListTheCommandsInOrder()
    {
        GuiFixture f;
        f.trigger("FileNew");
        TMDIChild *child = f.active();
        QCOMPARE(actionNames(child->insertMenu()->actions()),
                 (QStringList{"InsCard", "Font1", "InsParagraph", "InsBR", "InsNB", "InsTable", "InsLink",
                              "InsButton", "InsImg", "InsPrev", "InsTemplate"}));
        QMenu *font = child->insertMenu()->findChild<QMenu *>(QStringLiteral("Font1"));
        QCOMPARE(font->title(), QStringLiteral("&Font"));
        QCOMPARE(actionNames(font->actions()),
                 (QStringList{"InsB", "InsI", "InsU", "InsBIG", "InsSMALL", "InsSTRONG"}));

        QStringList bar;
        const QList<QWidget *> items = child->wmlToolBar()->findChildren<QWidget *>();
        for (const QWidget *item : items) {
            if (const auto *button = qobject_cast<const QToolButton *>(item)) {
                if (button->defaultAction())
                    bar << button->defaultAction()->objectName();
            } else if (qobject_cast<const QFrame *>(item) && !qobject_cast<const QLabel *>(item)) {
                bar << QStringLiteral("-");
            }
        }
        QCOMPARE(bar, (QStringList{"InsCard", "-", "InsB", "InsI", "InsU", "InsBIG", "InsSMALL", "InsSTRONG", "-",
                                   "InsParagraph", "InsBR", "InsNB", "InsTable", "InsLink", "InsButton", "InsImg",
                                   "InsPrev", "-", "InsTemplate"}));
        QCOMPARE(child->insertAction(QStringLiteral("InsLink"))->shortcut(), QKeySequence("Ctrl+Shift+A"));
        QCOMPARE(child->insertAction(QStringLiteral("InsCard"))->text(), QStringLiteral("&Card"));
    }

    void shortcutsInsertThroughTheEditor_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("result");
        const int ctrl = Qt::ControlModifier;
        const int ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
        QTest::newRow("Ctrl+Shift+C card") << int(Qt::Key_C) << ctrlShift
                                           << "ab<card id=\"^\" title=\"\">word\r\n</card>cd";
        QTest::newRow("Ctrl+B bold") << int(Qt::Key_B) << ctrl << "ab<b>^word</b>cd";
        QTest::newRow("Ctrl+I italic") << int(Qt::Key_I) << ctrl << "ab<i>^word</i>cd";
        QTest::newRow("Ctrl+U underline") << int(Qt::Key_U) << ctrl << "ab<u>^word</u>cd";
        QTest::newRow("Ctrl+1 big") << int(Qt::Key_1) << ctrl << "ab<big>^word</big>cd";
        QTest::newRow("Ctrl+2 small") << int(Qt::Key_2) << ctrl << "ab<small>^word</small>cd";
        QTest::newRow("Ctrl+3 strong") << int(Qt::Key_3) << ctrl << "ab<strong>^word</strong>cd";
        QTest::newRow("Ctrl+Shift+P paragraph") << int(Qt::Key_P) << ctrlShift << "ab<p>^word</p>cd";
        QTest::newRow("Ctrl+Enter line break") << int(Qt::Key_Return) << ctrl << "ab<br/>^wordcd";
        QTest::newRow("Ctrl+keypad Enter line break") << int(Qt::Key_Enter) << int(ctrl | Qt::KeypadModifier)
                                                      << "ab<br/>^wordcd";
        QTest::newRow("Ctrl+Space nbsp") << int(Qt::Key_Space) << ctrl << "ab&nbsp;^wordcd";
        QTest::newRow("Ctrl+Shift+A link") << int(Qt::Key_A) << ctrlShift << "ab<a href=\"#^\">word</a>cd";
    }
    void shortcutsInsertThroughTheEditor()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, result);
        GuiFixture f;
        f.trigger("FileNew");
        WmlEditor *editor = f.active()->editor();
        editor->setText(QStringLiteral("abwordcd"));
        editor->setSelection(2, 6);
        editor->setFocus();
        QTest::keyClick(editor, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(withCaret(editor), result);
        QVERIFY(f.active()->isModified());
    }

    void commandsWithoutShortcutsInsert_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("result");
        QTest::newRow("button") << "InsButton" << "<do type=\"accept\" label=\"Go\">\r\n<go href=\"#^\"/>\r\n</do>";
        QTest::newRow("prev") << "InsPrev" << "<do type=\"prev\" label=\"Back\"><prev/>^</do>";
        QTest::newRow("template") << "InsTemplate"
                                  << "<template>\r\n<do type=\"^\"><go href=\"\"/></do>\r\n</template>";
    }
    void commandsWithoutShortcutsInsert()
    {
        QFETCH(QString, command);
        QFETCH(QString, result);
        GuiFixture f;
        f.trigger("FileNew");
        WmlEditor *editor = f.active()->editor();
        editor->setText(QString());
        f.active()->insertAction(command)->trigger();
        QCOMPARE(withCaret(editor), result);
    }

    void eachWindowsShortcutsActOnItsOwnEditor()
    {
        GuiFixture f;
        f.trigger("FileNew");
        TMDIChild *first = f.active();
        f.trigger("FileNew");
        TMDIChild *second = f.active();
        QVERIFY(first != second);
        second->editor()->setText(QString());
        second->editor()->setFocus();
        QTest::keyClick(second->editor(), Qt::Key_B, Qt::ControlModifier);
        QCOMPARE(second->editor()->text(), QStringLiteral("<b></b>"));
        QVERIFY(!first->editor()->text().contains(QStringLiteral("<b>")));
    }

    void quickTableTakesTheSizeUnderThePointer()
    {
        GuiFixture f;
        f.trigger("FileNew");
        WmlEditor *editor = f.active()->editor();
        editor->setText(QStringLiteral("x"));
        editor->setSelection(0, 1);
        QString caption;
        QString sizeText;
        f.dialogs->onModal = [&](QDialog &dialog) {
            auto &table = static_cast<TfrmQTABLE &>(dialog);
            QVERIFY(QTest::qWaitForWindowExposed(&table));
            caption = table.windowTitle();
            QCOMPARE(table.fillEdit()->text(), QStringLiteral("&nbsp;"));
            table.fillEdit()->clear();
            const QPoint point(40, 20); // third column, second row
            QMouseEvent move(QEvent::MouseMove, point, table.grid()->mapToGlobal(point), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(table.grid(), &move);
            sizeText = table.sizeLabel()->text();
            QTest::mouseRelease(table.grid(), Qt::LeftButton, {}, QPoint(40, 20));
        };
        f.active()->insertAction(QStringLiteral("InsTable"))->trigger();
        QCOMPARE(caption, QStringLiteral("Quick table"));
        QCOMPARE(sizeText, QStringLiteral("Table 2 x 3"));
        const QString table = QStringLiteral("<table columns=\"3\">\r\n"
                                             "<tr>\r\n<td></td>\r\n<td></td>\r\n<td></td>\r\n</tr>\r\n"
                                             "<tr>\r\n<td></td>\r\n<td></td>\r\n<td></td>\r\n</tr>\r\n"
                                             "</table>\r\n");
        QCOMPARE(withCaret(editor), table + QLatin1Char('^'));
    }

    void quickTableClosedWithoutPointingInsertsNothing()
    {
        GuiFixture f;
        f.trigger("FileNew");
        WmlEditor *editor = f.active()->editor();
        const QString before = editor->text();
        f.dialogs->onModal = [](QDialog &dialog) { dialog.reject(); };
        f.active()->insertAction(QStringLiteral("InsTable"))->trigger();
        QCOMPARE(editor->text(), before);
        QVERIFY(!f.active()->isModified());
    }

    void imageTakesTheChosenFileNameAndRestoresTheFilter()
    {
        GuiFixture f;
        f.trigger("FileNew");
        WmlEditor *editor = f.active()->editor();
        editor->setText(QString());
        f.dialogs->openNames = {QStringLiteral("/some/folder/logo.wbmp")};
        QTest::keyClick(editor, Qt::Key_I, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(withCaret(editor), QStringLiteral("<img src=\"logo.wbmp^\" alt=\" \"/>"));
        QCOMPARE(f.dialogs->fileRequests.value(0).filter, QStringLiteral("WBMP files (*.wbmp)|*.wbmp"));

        // Cancelled: the tag stays with an empty source, caret inside it.
        editor->setText(QString());
        f.active()->insertAction(QStringLiteral("InsImg"))->trigger();
        QCOMPARE(withCaret(editor), QStringLiteral("<img src=\"^\" alt=\" \"/>"));

        f.trigger("FileOpen");
        QCOMPARE(f.dialogs->fileRequests.value(2).filter,
                 QStringLiteral("WML files (*.wml)|*.wml|Compiled WML files (*.wmlc)|*.wmlc|All files (*.*)|*.*"));
        QCOMPARE(f.dialogs->fileRequests.value(2).defaultExtension, QStringLiteral("wml"));
    }

    void insertMenuFollowsTheTab()
    {
        GuiFixture f;
        f.trigger("FileNew");
        TMDIChild *child = f.active();
        QVERIFY(child->insertMenu()->isEnabled());
        child->pages()->setCurrentIndex(2);
        QVERIFY(!child->insertMenu()->isEnabled());
        child->pages()->setCurrentIndex(0);
        QVERIFY(child->insertMenu()->isEnabled());
    }
};

TARNEL_TEST(InsertCommandsTest)

#include "insertcommandstest.moc"
