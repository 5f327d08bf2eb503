#include "guifixture.h"
#include "testregistry.h"

#include "app/apptexts.h"
#include "app/startup.h"
#include "app/widgetdialogservice.h"
#include "check/problemset.h"
#include "common/commandlineoptions.h"
#include "common/filefilters.h"
#include "common/translationset.h"
#include "common/usersettings.h"
#include "editor/tfrmqtable.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

namespace {

// The access key of a menu text: the character after the first single "&".
QChar accessKey(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return QChar();
}

// "Menu: X twice (A, B)" for every menu of the bar (and their submenus)
// in which two visible items share an access key.
QStringList accessKeyClashes(QMenu *menu)
{
    QStringList clashes;
    QHash<QChar, QStringList> byKey;
    for (QAction *item : menu->actions()) {
        if (item->isSeparator() || !item->isVisible())
            continue;
        const QChar key = accessKey(item->text());
        if (!key.isNull())
            byKey[key] << item->text();
        if (item->menu())
            clashes += accessKeyClashes(item->menu());
    }
    for (auto it = byKey.cbegin(); it != byKey.cend(); ++it) {
        if (it.value().size() > 1)
            clashes << menu->title() + QStringLiteral(": ") + it.value().join(QStringLiteral(", "));
    }
    return clashes;
}

// The Czech translations, installed as the program installs them when the
// user chose Czech, and removed again.
struct CzechRun
{
    TranslationSet translations;
    CzechRun(const ProgramFolderFixture &folder)
    {
        QFile::copy(QStringLiteral(TARNEL_TRANSLATION_CS), folder.file(QStringLiteral("tarnel.CS")));
        UserSettings::setLanguageOverride(QStringLiteral("CS"));
        StartUp::configure(translations, folder.file(QStringLiteral("tarnel")));
    }
    ~CzechRun() { UserSettings::setLanguageOverride(QString()); }
};

// What a real file dialog shows: its filters and its buttons' texts.
QStringList fileDialogTexts(const QString &filter)
{
    QStringList texts;
    QTimer::singleShot(0, [&texts] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        const QStringList filters = dialog->nameFilters();
        texts += filters;
        for (QPushButton *button : dialog->findChildren<QDialogButtonBox *>().value(0)->findChildren<QPushButton *>())
            texts << button->text();
        dialog->reject();
    });
    QWidget parent;
    WidgetDialogService(&parent).openFileName({QDir::tempPath(), filter, QStringLiteral("wml")});
    return texts;
}

} // namespace

// The program's languages: window titles, the texts of both languages,
// Qt's own dialogs in Czech, access keys, and the command line's options.
class LanguageTest : public QObject
{
    Q_OBJECT

private slots:
    void titlesAreExactlyTheCaptions()
    {
        TranslationSet translations;
        StartUp::configure(translations, QCoreApplication::applicationFilePath());
        // A display name would be appended to every title on X11.
        QVERIFY(QGuiApplication::applicationDisplayName() != AppTexts::applicationTitle());
        GuiFixture f;
        QCOMPARE(f.main->windowTitle(), QStringLiteral("Orvane Tarnel"));
        QCOMPARE(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    }

    void englishTextsAreEnglish()
    {
        GuiFixture f;
        f.trigger("FileNew");
        QString caption;
        f.dialogs->onModal = [&](QDialog &dialog) {
            caption = dialog.windowTitle();
            dialog.reject();
        };
        f.active()->insertAction(QStringLiteral("InsTable"))->trigger();
        QCOMPARE(caption, QStringLiteral("Quick table"));
    }

    void everyMenuItemHasAnAccessKeyOfItsOwn_data()
    {
        QTest::addColumn<bool>("czech");
        QTest::newRow("English") << false;
        QTest::newRow("Czech") << true;
    }
    void everyMenuItemHasAnAccessKeyOfItsOwn()
    {
        QFETCH(bool, czech);
        ProgramFolderFixture folder;
        std::unique_ptr<CzechRun> run = czech ? std::make_unique<CzechRun>(folder) : nullptr;
        GuiFixture f;
        f.trigger("FileNew");
        QStringList clashes;
        QStringList bar;
        for (QAction *menu : f.main->menuBar()->actions()) {
            clashes += accessKeyClashes(menu->menu());
            bar << menu->text();
        }
        QCOMPARE(clashes, QStringList());
        if (czech)
            QCOMPARE(f.active()->insertMenu()->title(), QStringLiteral("&Vložit"));
    }

    void qtsOwnDialogsAndTheFiltersSpeakCzech()
    {
        ProgramFolderFixture folder;
        {
            const QStringList english = fileDialogTexts(FileFilters::wmlOpen());
            QVERIFY2(english.contains(QStringLiteral("WML files (*.wml)")), qPrintable(english.join('|')));
            QVERIFY2(english.contains(QStringLiteral("&Open")), qPrintable(english.join('|')));
        }
        CzechRun czech(folder);
        const QStringList texts = fileDialogTexts(FileFilters::wmlOpen());
        QVERIFY2(texts.contains(QStringLiteral("Soubory WML (*.wml)")), qPrintable(texts.join('|')));
        QVERIFY2(texts.contains(QStringLiteral("Všechny soubory (*.*)")), qPrintable(texts.join('|')));
        QVERIFY2(texts.contains(QStringLiteral("Zrušit")), qPrintable(texts.join('|')));
        QVERIFY2(!texts.contains(QStringLiteral("Cancel")), qPrintable(texts.join('|')));
        QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Zrušit"));
    }

    void problemCountsSpeakCzechInAllThreeNumbers()
    {
        ProgramFolderFixture folder;
        CzechRun czech(folder);
        QCOMPARE(ProblemSet::summaryOf(0, 0), QStringLiteral("Žádné problémy"));
        QCOMPARE(ProblemSet::summaryOf(1, 0), QStringLiteral("1 chyba"));
        QCOMPARE(ProblemSet::summaryOf(3, 1), QStringLiteral("3 chyby, 1 varování"));
        QCOMPARE(ProblemSet::summaryOf(5, 2), QStringLiteral("5 chyb, 2 varování"));
        QCOMPARE(ProblemSet(QList<Diagnostic>(ProblemSet::shownLimit + 7)).moreText(), QStringLiteral("a 7 dalších"));
    }

    void aFileNamedLikeAnOptionOpensWithItsPath_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("./--help") << QStringList{"./--help"};
        QTest::newRow("after --") << QStringList{"--", "--help"};
    }
    void aFileNamedLikeAnOptionOpensWithItsPath()
    {
        QFETCH(QStringList, arguments);
        GuiFixture f;
        f.folder.write(QStringLiteral("work/--help"), "<wml/>");
        const QString previous = QDir::currentPath();
        QDir::setCurrent(f.folder.file(QStringLiteral("work")));
        f.main->openCommandLineFiles(CommandLineOptions::parse(arguments).files);
        QDir::setCurrent(previous);
        QCOMPARE(f.main->documentCount(), 1);
        QCOMPARE(f.active()->documentPath(), f.folder.file(QStringLiteral("work/--help")));
        QCOMPARE(f.active()->editor()->text(), QStringLiteral("<wml/>"));
    }
};

TARNEL_TEST(LanguageTest)
#include "languagetest.moc"
