#include "guifixture.h"
#include "testregistry.h"

#include "common/usersettings.h"

#include <QMenu>

Q_DECLARE_METATYPE(DialogService::Answer)

namespace {

using Answer = DialogService::Answer;

const QByteArray czech1250 = "<p>\x9Elu\x9Dou\xE8k\xFD k\xF9\xF2</p>";
const QString czech = QStringLiteral("<p>\u017Elu\u0165ou\u010Dk\u00FD k\u016F\u0148</p>");
const QString cyrillic = QStringLiteral("\u0436");
const QString unicodePage = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<p>\u017E</p>");

QByteArray utf16(const QString &text, bool littleEndian)
{
    QByteArray bytes;
    for (const QChar c : text) {
        const char low = char(c.unicode() & 0xFF);
        const char high = char(c.unicode() >> 8);
        bytes += littleEndian ? QByteArray(1, low) + QByteArray(1, high) : QByteArray(1, high) + QByteArray(1, low);
    }
    return bytes;
}

QAction *item(QMenu *menu, const QString &text)
{
    for (QAction *action : menu->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

// Puts text at the caret as typing would (non-ASCII keys cannot be typed
// offscreen).
void insert(TMDIChild *child, int at, const QString &text)
{
    child->editor()->setCaret(at);
    child->editor()->replaceSelection(text);
}

// The user's choice of 8-bit set lives outside the program folder; each
// case starts from and leaves the first value.
struct FallbackReset
{
    FallbackReset() { UserSettings::setFallbackCharset(QByteArray()); }
    ~FallbackReset() { UserSettings::setFallbackCharset(QByteArray()); }
};

} // namespace

// View > Encoding, File > Reopen with Encoding, the character set and line
// breaks a page is saved with, and Save As over an existing file.
class EncodingCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void undeclaredPagesOpenInTheChosenSet()
    {
        FallbackReset reset;
        GuiFixture f;
        const QString path = f.folder.write(QStringLiteral("czech.wml"), czech1250 + "\r\n");
        item(f.main->encodingMenu(), QStringLiteral("windows-1250"))->trigger();
        f.open(path);
        QCOMPARE(f.active()->editor()->text(), czech + "\r\n");
        QCOMPARE(f.panel(StatusPanels::FormatPanel), QStringLiteral("windows-1250, CR LF"));
        insert(f.active(), 3, QStringLiteral("\u0160"));
        f.trigger("FileSave");
        QVERIFY(f.dialogs->questions.isEmpty());
        QCOMPARE(ProgramFolderFixture::read(path), "<p>\x8A" + czech1250.mid(3) + "\r\n");

        // The choice is the user's and outlives the window.
        f.main.reset();
        f.start();
        QVERIFY(item(f.main->encodingMenu(), QStringLiteral("windows-1250"))->isChecked());
        QVERIFY(!item(f.main->encodingMenu(), QStringLiteral("windows-1252"))->isChecked());
        item(f.main->encodingMenu(), QStringLiteral("windows-1252"))->trigger();
        f.open(path);
        QCOMPARE(f.panel(StatusPanels::FormatPanel), QStringLiteral("windows-1252, CR LF"));
        QCOMPARE(f.active()->editor()->text().mid(3, 1), QStringLiteral("\u0160"));
        QVERIFY(f.active()->editor()->text() != czech + "\r\n");
    }

    void reopenReadsTheFileInAnotherSet()
    {
        FallbackReset reset;
        GuiFixture f;
        const QString path = f.folder.write(QStringLiteral("czech.wml"), czech1250);
        f.open(path);
        QCOMPARE(f.panel(StatusPanels::FormatPanel), QStringLiteral("windows-1252, CR LF"));
        f.type(QStringLiteral("x"));

        // A changed page asks first; No keeps the changes.
        f.dialogs->answers = {Answer::No};
        item(f.main->reopenMenu(), QStringLiteral("windows-1250"))->trigger();
        QCOMPARE(f.dialogs->questionDefaults, QList<Answer>{Answer::No});
        QVERIFY(f.active()->editor()->text().startsWith(QLatin1Char('x')));
        QVERIFY(f.active()->isModified());

        f.dialogs->answers = {Answer::Yes};
        item(f.main->reopenMenu(), QStringLiteral("windows-1250"))->trigger();
        QCOMPARE(f.active()->editor()->text(), czech);
        QVERIFY(!f.active()->isModified());
        QCOMPARE(f.panel(StatusPanels::FormatPanel), QStringLiteral("windows-1250, CR LF"));

        // Bytes that are not UTF-8 are not read as UTF-8 with losses.
        item(f.main->reopenMenu(), QStringLiteral("UTF-8"))->trigger();
        QCOMPARE(f.dialogs->errors,
                 QStringList{QStringLiteral("File %1 is not a text in the UTF-8 character set.").arg(path)});
        QCOMPARE(f.active()->editor()->text(), czech);
        QCOMPARE(f.dialogs->questions.size(), 2);
    }

    void reopenNeedsAFile()
    {
        GuiFixture f;
        f.trigger("FileNew");
        item(f.main->reopenMenu(), QStringLiteral("UTF-8"))->trigger();
        QCOMPARE(f.dialogs->errors, QStringList{QStringLiteral("This page has no file to reopen; save it first.")});
        f.trigger("FileClose");
        QTest::qWait(0);
        QVERIFY(!f.main->reopenMenu()->menuAction()->isEnabled());
        QCOMPARE(f.panel(StatusPanels::FormatPanel), QString());
    }

    void charactersOutsideTheSetAskBeforeConverting_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("utf8");
        const QByteArray decl = "<?xml version=\"1.0\" encoding=\"windows-1250\"?>\r\n";
        QTest::newRow("declared set") << decl + czech1250
                                      << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n" + czech.toUtf8();
        QTest::newRow("declaration without encoding")
            << "<?xml version=\"1.0\"?>\r\n" + czech1250
            << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n" + czech.toUtf8();
        QTest::newRow("no declaration") << czech1250 << czech.toUtf8();
    }
    void charactersOutsideTheSetAskBeforeConverting()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, utf8);
        FallbackReset reset;
        UserSettings::setFallbackCharset("windows-1250");
        GuiFixture f;
        const QString path = f.folder.write(QStringLiteral("page.wml"), bytes);
        f.open(path);
        const int end = f.active()->editor()->length();
        insert(f.active(), end, cyrillic);

        f.dialogs->answers = {Answer::No};
        f.trigger("FileSave");
        QCOMPARE(f.dialogs->questions.size(), 1);
        QCOMPARE(f.dialogs->questionDefaults, QList<Answer>{Answer::No});
        QCOMPARE(ProgramFolderFixture::read(path), bytes);
        QVERIFY(f.active()->isModified());

        // Pressing Enter on the question (its default) converts nothing.
        f.trigger("FileSave");
        QCOMPARE(ProgramFolderFixture::read(path), bytes);

        f.dialogs->answers = {Answer::Yes};
        f.trigger("FileSave");
        QCOMPARE(ProgramFolderFixture::read(path), utf8 + cyrillic.toUtf8());
        QCOMPARE(f.active()->editor()->text().toUtf8(), utf8 + cyrillic.toUtf8());
        QVERIFY(!f.active()->isModified());
        QCOMPARE(f.panel(StatusPanels::FormatPanel), QStringLiteral("UTF-8, CR LF"));
    }

    void unicodePagesSaveBackOrAsUtf8_data()
    {
        QTest::addColumn<bool>("littleEndian");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QByteArray>("saved");
        const QString edited = unicodePage + QStringLiteral("x");
        QTest::newRow("UTF-16LE kept") << true << Answer::No << QByteArray("\xFF\xFE") + utf16(edited, true);
        QTest::newRow("UTF-16BE kept") << false << Answer::No << QByteArray("\xFE\xFF") + utf16(edited, false);
        QTest::newRow("UTF-16LE to UTF-8")
            << true << Answer::Yes << QString(edited).replace(QLatin1String("UTF-16"), QLatin1String("UTF-8")).toUtf8();
    }
    void unicodePagesSaveBackOrAsUtf8()
    {
        QFETCH(bool, littleEndian);
        QFETCH(Answer, answer);
        QFETCH(QByteArray, saved);
        GuiFixture f;
        const QByteArray bytes
            = QByteArray(littleEndian ? "\xFF\xFE" : "\xFE\xFF") + utf16(unicodePage, littleEndian);
        const QString path = f.folder.write(QStringLiteral("unicode.wml"), bytes);
        f.open(path);
        QCOMPARE(f.active()->editor()->text(), QString(unicodePage).replace(QLatin1String("\n"), QLatin1String("\r\n")));
        QCOMPARE(f.panel(StatusPanels::FormatPanel),
                 QLatin1String(littleEndian ? "UTF-16LE" : "UTF-16BE") + QStringLiteral(" BOM, LF"));
        f.active()->editor()->setCaret(f.active()->editor()->length());
        f.type(QStringLiteral("x"));
        f.dialogs->answers = {answer};
        f.trigger("FileSave");
        QCOMPARE(f.dialogs->questionDefaults, QList<Answer>{Answer::No});
        QCOMPARE(ProgramFolderFixture::read(path), saved);
        // The answer holds for the page: the next save does not ask again.
        f.type(QStringLiteral("y"));
        f.trigger("FileSave");
        QCOMPARE(f.dialogs->questions.size(), 1);
        QVERIFY(!f.active()->isModified());
    }

    void savesWithTheFilesLineBreaks_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("style");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("LF") << QByteArray("<wml>\n</wml>\n") << "LF" << QByteArray("x<wml>\n</wml>\n");
        QTest::newRow("CR") << QByteArray("<wml>\r</wml>") << "CR" << QByteArray("x<wml>\r</wml>");
        QTest::newRow("CR LF") << QByteArray("<wml>\r\n</wml>") << "CR LF" << QByteArray("x<wml>\r\n</wml>");
        QTest::newRow("mixed") << QByteArray("<wml>\n</wml>\r\n") << "CR LF" << QByteArray("x<wml>\r\n</wml>\r\n");
    }
    void savesWithTheFilesLineBreaks()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, style);
        QFETCH(QByteArray, saved);
        GuiFixture f;
        const QString path = f.folder.write(QStringLiteral("page.wml"), bytes);
        f.open(path);
        QCOMPARE(f.panel(StatusPanels::FormatPanel), QStringLiteral("UTF-8, ") + style);
        f.type(QStringLiteral("x"));
        f.trigger("FileSave");
        QCOMPARE(ProgramFolderFixture::read(path), saved);
        // A line added in the editor gets the file's break too.
        const QString copy = f.folder.file(QStringLiteral("copy.wml"));
        f.dialogs->saveNames = {copy};
        f.trigger("FileSaveAs");
        QCOMPARE(ProgramFolderFixture::read(copy), saved);
    }

    void newPagesUseCrLf()
    {
        GuiFixture f;
        f.folder.write(QStringLiteral("data/new.tem"), "<wml>\n<card/>\n</wml>");
        f.trigger("FileNew");
        QCOMPARE(f.panel(StatusPanels::FormatPanel), QStringLiteral("UTF-8, CR LF"));
        const QString path = f.folder.file(QStringLiteral("new.wml"));
        f.dialogs->saveNames = {path};
        f.trigger("FileSave");
        QVERIFY(!ProgramFolderFixture::read(path).contains("\n<card/>\n"));
        QVERIFY(ProgramFolderFixture::read(path).endsWith("<card/>\r\n</wml>"));
    }

    void saveAsAsksBeforeReplacingAFile_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("Save As") << "FileSaveAs";
        QTest::newRow("Save of a new page") << "FileSave";
    }
    void saveAsAsksBeforeReplacingAFile()
    {
        QFETCH(QString, command);
        GuiFixture f;
        const QString existing = f.folder.write(QStringLiteral("existing.wml"), "precious");
        const QString fresh = f.folder.file(QStringLiteral("fresh.wml"));
        if (command == QLatin1String("FileSave"))
            f.trigger("FileNew");
        else
            f.open(f.folder.write(QStringLiteral("mine.wml"), "mine"));
        f.type(QStringLiteral("new "));
        const QString text = f.active()->editor()->text();

        // No shows the dialog again; a new name is written without asking.
        f.dialogs->saveNames = {existing, fresh};
        f.dialogs->answers = {Answer::No};
        f.main->action(command)->trigger();
        QCOMPARE(f.dialogs->questions, QStringList{existing + QStringLiteral(" already exists.\rReplace it?")});
        QCOMPARE(f.dialogs->questionDefaults, QList<Answer>{Answer::No});
        QCOMPARE(ProgramFolderFixture::read(existing), QByteArray("precious"));
        QCOMPARE(ProgramFolderFixture::read(fresh), text.toUtf8());

        // Cancelling the dialog after No writes nothing.
        f.type(QStringLiteral("more "));
        f.dialogs->saveNames = {existing};
        f.dialogs->answers = {Answer::No};
        f.trigger("FileSaveAs");
        QCOMPARE(ProgramFolderFixture::read(existing), QByteArray("precious"));
        QVERIFY(f.active()->isModified());

        f.dialogs->saveNames = {existing};
        f.dialogs->answers = {Answer::Yes};
        f.trigger("FileSaveAs");
        QCOMPARE(ProgramFolderFixture::read(existing), f.active()->editor()->text().toUtf8());
        QVERIFY(!f.active()->isModified());
    }
};

TARNEL_TEST(EncodingCommandsTest)
#include "encodingcommandstest.moc"
