#include "guifixture.h"
#include "localserver.h"
#include "testregistry.h"

#include "app/transferprogress.h"
#include "common/inifile.h"

#include <QCheckBox>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

using namespace std::chrono_literals;

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}


// Served with bare line feeds; the downloaded file has CR LF.
const QByteArray httpPage = "<wml>\n<card id=\"home\"><p>Hello</p></card>\n</wml>";
const QByteArray httpPageAsSaved = "<wml>\r\n<card id=\"home\"><p>Hello</p></card>\r\n</wml>";
// Czech letters in windows-1250 without a declaration, and in ISO-8859-2
// with one.
const QByteArray czechPage = "<wml><card><p>\x9Elu\x9Dou\xE8k\xFD</p></card></wml>";
const QByteArray latin2Page = "<?xml version=\"1.0\" encoding=\"ISO-8859-2\"?><wml><card><p>\xB9\xBB</p></card></wml>";
const QByteArray missingPage = "<wml><card id=\"missing\"><p>No such page</p></card></wml>";
// FTP moves bytes as they are.
const QByteArray ftpPage = "<wml>\n<card><p>\xe9t\xe9</p></card>\r\n</wml>";
const QString placeholder = QStringLiteral("tarnel@example.com");

QLineEdit *edit(QDialog &dialog, const char *name)
{
    return dialog.findChild<QLineEdit *>(QString::fromLatin1(name));
}

// Plays the user's part in a remote dialog: fields by name, then a button.
struct Entry
{
    QList<std::pair<const char *, QString>> fields;
    bool ftpTab = false;
    bool proxy = false;
    const char *button = "Button1";

    void operator()(QDialog &dialog) const
    {
        if (ftpTab)
            dialog.findChild<QTabWidget *>(QStringLiteral("pgMAIN"))->setCurrentIndex(1);
        dialog.findChild<QCheckBox *>(QStringLiteral("chkbPROXY"))->setChecked(proxy);
        for (const auto &[name, text] : fields)
            edit(dialog, name)->setText(text);
        dialog.findChild<QPushButton *>(QString::fromLatin1(button))->click();
    }
};

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

} // namespace

// Open from URL and Save to FTP through the main window, against real
// servers on 127.0.0.1.
class RemoteCommandsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_httpRoot;
    QTemporaryDir m_ftpRoot;
    std::unique_ptr<LocalServer> m_http;
    std::unique_ptr<LocalServer> m_ftp;
    std::unique_ptr<LocalServer> m_silent;
    std::unique_ptr<LocalServer> m_ftpDrop;
    std::unique_ptr<LocalServer> m_httpProxy;
    std::unique_ptr<LocalServer> m_ftpProxy;
    std::unique_ptr<LocalServer> m_ftpSlow; // m_ftpRoot, taking uploads slowly
    std::unique_ptr<GuiFixture> m_f;

    GuiFixture &f() { return *m_f; }
    QString downloads() const { return m_f->folder.file(QStringLiteral("downloads")); }
    QString ini(const char *section, const char *key) const
    {
        return IniFile::load(m_f->folder.file(QStringLiteral("tarnel.ini")))
            .value(QString::fromLatin1(section), QString::fromLatin1(key), QStringLiteral("(none)"));
    }
    QStringList downloadedFiles() const
    {
        return QDir(downloads()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    Entry ftpEntry(const QString &remote) const
    {
        return {{{"edtURL", QStringLiteral("127.0.0.1")},
                 {"edtFTPPORT", QString::number(m_ftp->port())},
                 {"edtUSER", QStringLiteral("alice")},
                 {"edtPASS", QStringLiteral("s3cret")},
                 {"edtREMOTEFILE", remote}},
                true};
    }
    Entry httpEntry(const QString &url) const { return {{{"edtURL", url}}}; }
    // Runs Open from URL with entry as the user's part.
    void openUrl(const Entry &entry)
    {
        f().dialogs->onModal = entry;
        f().trigger("FileOpenURL");
    }
    void openGoodPage()
    {
        const int before = f().main->documentCount();
        openUrl(httpEntry(m_http->address(QStringLiteral("/page.wml"))));
        QCOMPARE(f().main->documentCount(), before + 1);
    }
    // Opens a page from a file of its own, for Save to FTP.
    QString openLocal(const QString &name)
    {
        const QString path = f().folder.write(QStringLiteral("work/") + name, "<wml>\r\n</wml>");
        f().open(path);
        return path;
    }
    Entry saveEntry(const QString &folder) const
    {
        return {{{"edtURL", QStringLiteral("127.0.0.1")},
                 {"edtFTPPORT", QString::number(m_ftp->port())},
                 {"edtUSER", QStringLiteral("alice")},
                 {"edtPASS", QStringLiteral("s3cret")},
                 {"edtFOLDER", folder}}};
    }

private slots:
    void initTestCase()
    {
        QFile page(m_httpRoot.filePath(QStringLiteral("page.wml")));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write(httpPage);
        page.close();
        for (const auto &[name, bytes] : {std::pair{"czech.wml", czechPage}, std::pair{"latin2.wml", latin2Page}}) {
            QFile file(m_httpRoot.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        for (const char *folder : {"pub", "up", "my_dir"})
            QDir(m_ftpRoot.path()).mkpath(QString::fromLatin1(folder));
        QFile ftpFile(m_ftpRoot.filePath(QStringLiteral("pub/page.wml")));
        QVERIFY(ftpFile.open(QIODevice::WriteOnly));
        ftpFile.write(ftpPage);
        ftpFile.close();
        m_http = std::make_unique<LocalServer>(QStringList{"http", m_httpRoot.path()});
        m_ftp = std::make_unique<LocalServer>(QStringList{"ftp", m_ftpRoot.path(), "alice", "s3cret"});
        m_silent = std::make_unique<LocalServer>(QStringList{"silent"});
        m_ftpDrop = std::make_unique<LocalServer>(QStringList{"ftpdrop"});
        m_httpProxy = std::make_unique<LocalServer>(QStringList{"proxy"});
        m_ftpProxy = std::make_unique<LocalServer>(QStringList{"ftpproxy"});
        m_ftpSlow = std::make_unique<LocalServer>(QStringList{"ftp", m_ftpRoot.path(), "alice", "s3cret", "slow"});
        for (const LocalServer *server : {m_http.get(), m_ftp.get(), m_silent.get(), m_ftpDrop.get(),
                                          m_httpProxy.get(), m_ftpProxy.get(), m_ftpSlow.get()})
            QVERIFY(server->isRunning());
    }

    void cleanupTestCase()
    {
        for (auto *server : {&m_http, &m_ftp, &m_silent, &m_ftpDrop, &m_httpProxy, &m_ftpProxy, &m_ftpSlow})
            server->reset();
    }

    void init()
    {
        m_f = std::make_unique<GuiFixture>();
        QDir().mkpath(downloads());
        f().main->setDownloadFolder(downloads());
        f().main->transferLimits() = TransferLimits{2000ms, 400ms};
    }

    void cleanup() { m_f.reset(); }

    void opensAnHttpPage_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("completed");
        QTest::addColumn<QByteArray>("saved");
        const QString host = QStringLiteral("127.0.0.1:%1").arg(m_http->port());
        QTest::newRow("typed without http://") << host + "/page.wml" << "http://" + host + "/page.wml"
                                               << httpPageAsSaved;
        QTest::newRow("typed with http://") << "http://" + host + "/page.wml" << "http://" + host + "/page.wml"
                                            << httpPageAsSaved;
        QTest::newRow("capital HTTP:// kept") << "HTTP://" + host + "/page.wml" << "HTTP://" + host + "/page.wml"
                                              << httpPageAsSaved;
        QTest::newRow("a redirection") << host + "/go/page.wml" << "http://" + host + "/go/page.wml"
                                       << httpPageAsSaved;
        QTest::newRow("a 404 opens its body") << host + "/none.wml" << "http://" + host + "/none.wml" << missingPage;
    }
    void opensAnHttpPage()
    {
        QFETCH(QString, typed);
        QFETCH(QString, completed);
        QFETCH(QByteArray, saved);
        openUrl(httpEntry(typed));
        QCOMPARE(f().dialogs->errors, QStringList());
        QCOMPARE(f().main->documentCount(), 1);
        const QString file = QDir(downloads()).filePath(QStringLiteral("$$$$$$$$.wml"));
        QCOMPARE(f().active()->caption(), file);
        QCOMPARE(f().active()->documentPath(), file);
        QCOMPARE(readFile(file), saved);
        QCOMPARE(f().active()->editor()->text(), QString::fromUtf8(saved));
        QVERIFY(!f().active()->isModified());
        QCOMPARE(f().panel(StatusPanels::HintPanel), QStringLiteral("Transfer OK"));
        QVERIFY(f().action("FileClose")->isEnabled());
        // The field, shown again next time, holds the completed address.
        QCOMPARE(ini("TfrmOPENURL", "edtURL_Text"), completed);
        QCOMPARE(f().main->edittemp().text(), QString());
    }

    void readsThePageInTheServersCharsetUnlessItDeclaresOne_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("format");
        QTest::newRow("charset of the server") << "/charset/windows-1250/czech.wml"
                                               << "<wml><card><p>\u017Elu\u0165ou\u010Dk\u00FD</p></card></wml>"
                                               << "windows-1250, CR LF";
        QTest::newRow("declaration before the server")
            << "/charset/windows-1250/latin2.wml"
            << "<?xml version=\"1.0\" encoding=\"ISO-8859-2\"?><wml><card><p>\u0161\u0165</p></card></wml>"
            << "ISO-8859-2, CR LF";
    }
    void readsThePageInTheServersCharsetUnlessItDeclaresOne()
    {
        QFETCH(QString, path);
        QFETCH(QString, text);
        QFETCH(QString, format);
        openUrl(httpEntry(m_http->address(path)));
        QCOMPARE(f().dialogs->errors, QStringList());
        QCOMPARE(f().active()->editor()->text(), text);
        QCOMPARE(f().panel(StatusPanels::FormatPanel), format);
        // Saving writes the page in the set it came in, to a file of the
        // user's (the download goes at exit).
        f().type(QStringLiteral("x"));
        f().dialogs->saveNames << f().folder.file(QStringLiteral("saved.wml"));
        f().trigger("FileSave");
        QVERIFY(f().dialogs->questions.isEmpty());
        QCOMPARE(f().active()->documentPath(), f().folder.file(QStringLiteral("saved.wml")));
        QCOMPARE(readFile(f().active()->documentPath()),
                 "x" + QByteArray(path.endsWith(QLatin1String("czech.wml")) ? czechPage : latin2Page));
    }

    void opensAnFtpFileAndGivesEveryDownloadItsOwnFile()
    {
        openUrl(ftpEntry(QStringLiteral("pub/page.wml")));
        QCOMPARE(f().dialogs->errors, QStringList());
        const QString first = QDir(downloads()).filePath(QStringLiteral("$$$$$$$$.wml"));
        QCOMPARE(f().active()->documentPath(), first);
        QCOMPARE(readFile(first), ftpPage);
        QCOMPARE(ini("TfrmOPENURL", "edtURL_Text"), QStringLiteral("ftp://127.0.0.1"));
        QCOMPARE(ini("TfrmOPENURL", "edtPASS_Text"), QStringLiteral("s3cret"));
        QCOMPARE(ini("TfrmOPENURL", "edtREMOTEFILE_Text"), QStringLiteral("(none)"));

        // Next time the field holds "ftp://127.0.0.1", and the host still
        // goes to the server without it.
        QString shown;
        f().dialogs->onModal = [&](QDialog &dialog) {
            shown = edit(dialog, "edtURL")->text();
            Entry{{{"edtREMOTEFILE", QStringLiteral("/pub/page.wml")}}, true}(dialog);
        };
        f().trigger("FileOpenURL");
        QCOMPARE(shown, QStringLiteral("ftp://127.0.0.1"));
        QCOMPARE(f().dialogs->errors, QStringList());
        const QString second = QDir(downloads()).filePath(QStringLiteral("$$$$$$$$-2.wml"));
        QCOMPARE(f().active()->documentPath(), second);

        // Saving the second download goes to a file of the user's and
        // leaves both downloads alone.
        f().type(QStringLiteral("changed "));
        const QString saved = f().folder.file(QStringLiteral("second.wml"));
        f().dialogs->saveNames << saved;
        f().trigger("FileSave");
        QVERIFY(readFile(saved).startsWith("changed "));
        QCOMPARE(readFile(second), ftpPage);
        QCOMPARE(readFile(first), ftpPage);
    }

    void goesThroughProxies_data()
    {
        QTest::addColumn<bool>("ftp");
        QTest::newRow("HTTP proxy gets the request") << false;
        QTest::newRow("FTP proxy logs in as user@host") << true;
    }
    void goesThroughProxies()
    {
        QFETCH(bool, ftp);
        Entry entry = ftp ? ftpEntry(QStringLiteral("pub/page.wml"))
                          : httpEntry(QStringLiteral("wap.example.invalid/deck.wml"));
        const LocalServer &proxy = ftp ? *m_ftpProxy : *m_httpProxy;
        entry.proxy = true;
        entry.fields << std::pair{"edtPROXY", QStringLiteral("127.0.0.1")}
                     << std::pair{"edtPORT", QString::number(proxy.port())};
        openUrl(entry);
        QCOMPARE(f().dialogs->errors, QStringList());
        QCOMPARE(f().main->documentCount(), 1);
        if (ftp) {
            QCOMPARE(proxy.log().last(), QStringLiteral("USER alice@127.0.0.1:%1").arg(m_ftp->port()));
            QCOMPARE(readFile(f().active()->documentPath()), ftpPage);
        } else {
            QCOMPARE(proxy.log().last(), QStringLiteral("GET http://wap.example.invalid/deck.wml HTTP/1.0"));
            QVERIFY(f().active()->editor()->text().contains(QStringLiteral("via proxy")));
        }
        QCOMPARE(ini("TfrmOPENURL", "chkbPROXY_Checked"), QStringLiteral("True"));
        QCOMPARE(ini("TfrmOPENURL", "edtPORT_Text"), QString::number(proxy.port()));
    }

    void failuresOpenNothingAndTheNextTransferWorks_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("panel");
        const QString refused = QStringLiteral("127.0.0.1:%1/page.wml").arg(LocalServer::refusedPort());
        const QString silent = m_silent->address(QStringLiteral("/page.wml"));
        const QString drop = m_http->address(QStringLiteral("/drop/"));
        QTest::newRow("refused port") << refused << "Couldn't connect to server"
                                      << "Starting transfer of http://" + refused;
        QTest::newRow("server that never answers") << silent
                                                   << "The transfer stalled: nothing moved for 0.4 seconds."
                                                   << "Starting transfer of http://" + silent;
        QTest::newRow("dropped mid-transfer") << drop << "transfer closed with 99000 bytes remaining"
                                              << "Starting transfer of http://" + drop;
        QTest::newRow("ftp wrong password") << "ftp password" << "530" << "Starting transfer of pub/page.wml";
        QTest::newRow("ftp server that never greets") << "ftp silent" << "nothing moved for 0.4 seconds"
                                                      << "Starting transfer of pub/page.wml";
        QTest::newRow("ftp dropped mid-transfer") << "ftp drop" << "99000 bytes remaining"
                                                  << "Starting transfer of pub/page.wml";
        QTest::newRow("ftp missing file") << "ftp missing" << "550" << "Starting transfer of pub/none.wml";
        QTest::newRow("ftp port not a number") << "ftp port" << "'2x' is not a valid integer value." << "idle";
        QTest::newRow("proxy port not a number") << "proxy port" << "'abc' is not a valid integer value."
                                                 << "idle";
        QTest::newRow("no remote file") << "ftp no file" << "Enter the path of the remote file to open." << "idle";
        QTest::newRow("download folder missing") << "no folder" << "Cannot create file"
                                                 << "Starting transfer of http://" + m_http->address(QStringLiteral("/page.wml"));
    }
    void failuresOpenNothingAndTheNextTransferWorks()
    {
        QFETCH(QString, kind);
        QFETCH(QString, error);
        QFETCH(QString, panel);
        f().main->statusPanels()->setPanelText(StatusPanels::HintPanel, QStringLiteral("idle"));
        Entry entry = httpEntry(kind);
        if (kind.startsWith(QLatin1String("ftp"))) {
            entry = ftpEntry(kind == QLatin1String("ftp missing") ? QStringLiteral("pub/none.wml")
                             : kind == QLatin1String("ftp no file") ? QString()
                                                                     : QStringLiteral("pub/page.wml"));
            if (kind == QLatin1String("ftp password"))
                entry.fields << std::pair{"edtPASS", QStringLiteral("wrong")};
            if (kind == QLatin1String("ftp silent"))
                entry.fields << std::pair{"edtFTPPORT", QString::number(m_silent->port())};
            if (kind == QLatin1String("ftp drop"))
                entry.fields << std::pair{"edtFTPPORT", QString::number(m_ftpDrop->port())};
            if (kind == QLatin1String("ftp port"))
                entry.fields << std::pair{"edtFTPPORT", QStringLiteral("2x")};
        } else if (kind == QLatin1String("no folder")) {
            entry = httpEntry(m_http->address(QStringLiteral("/page.wml")));
            f().main->setDownloadFolder(downloads() + QStringLiteral("/missing"));
        } else if (kind == QLatin1String("proxy port")) {
            entry = httpEntry(m_http->address(QStringLiteral("/page.wml")));
            entry.proxy = true;
            entry.fields << std::pair{"edtPORT", QStringLiteral("abc")};
        }
        openUrl(entry);
        QCOMPARE(f().dialogs->errors.size(), 1);
        QVERIFY2(f().dialogs->errors[0].contains(error), qPrintable(f().dialogs->errors[0]));
        QCOMPARE(f().main->documentCount(), 0);
        QCOMPARE(f().panel(StatusPanels::HintPanel), panel);
        QCOMPARE(downloadedFiles(), QStringList());
        QVERIFY(!f().main->findChild<TransferProgress *>());

        f().dialogs->errors.clear();
        f().main->setDownloadFolder(downloads());
        if (kind.startsWith(QLatin1String("ftp")))
            openUrl(ftpEntry(QStringLiteral("pub/page.wml")));
        else
            openGoodPage();
        QCOMPARE(f().dialogs->errors, QStringList());
        QCOMPARE(f().main->documentCount(), 1);
    }

    void openFromUrlNeverWritesThroughAPlantedLink()
    {
        const QString victim = f().folder.write(QStringLiteral("work/notes.wml"), "the user's notes");
        QVERIFY(QFile::link(victim, QDir(downloads()).filePath(QStringLiteral("$$$$$$$$.wml"))));
        openGoodPage();
        QCOMPARE(f().dialogs->errors, QStringList());
        QCOMPARE(readFile(victim), QByteArray("the user's notes"));
        const QString download = QDir(downloads()).filePath(QStringLiteral("$$$$$$$$-2.wml"));
        QCOMPARE(f().active()->documentPath(), download);
        QCOMPARE(readFile(download), httpPageAsSaved);
    }

    void downloadsGoToAPrivateFolderThatGoesAtExit()
    {
        f().main->setDownloadFolder(QString());
        openGoodPage();
        openUrl(ftpEntry(QStringLiteral("pub/page.wml")));
        QCOMPARE(f().dialogs->errors, QStringList());
        const QString second = f().active()->documentPath();
        const QString folder = QFileInfo(second).absolutePath();
        QVERIFY2(folder.startsWith(QDir::tempPath() + QStringLiteral("/tarnel-")), qPrintable(folder));
        QCOMPARE(QFileInfo(second).fileName(), QStringLiteral("$$$$$$$$-2.wml"));
        QCOMPARE(QFileInfo(folder).permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup
                                                     | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther),
                 QFile::Permissions());
        m_f.reset(); // the program ends
        QVERIFY(!QFileInfo::exists(second));
        QVERIFY(!QFileInfo::exists(folder));
    }

    void savingADownloadedPageAsksForAFileOfItsOwn()
    {
        // The download goes at exit, or when another download takes its
        // name: a Save there would lose the user's work.
        openGoodPage();
        TMDIChild *child = f().active();
        const QString download = child->documentPath();
        const QByteArray fetched = fileBytes(download);
        f().type(QStringLiteral("edited "));
        const QString mine = f().folder.file(QStringLiteral("mine.wml"));
        f().dialogs->saveNames << mine;
        f().trigger("FileSave");
        QCOMPARE(f().dialogs->errors, QStringList());
        QCOMPARE(child->documentPath(), mine);
        QVERIFY(fileBytes(mine).contains("edited "));
        QCOMPARE(fileBytes(download), fetched);
        // From then on it is the user's file, saved without asking.
        f().type(QStringLiteral("again "));
        f().trigger("FileSave");
        QVERIFY(fileBytes(mine).contains("again "));
        QVERIFY(f().dialogs->saveNames.isEmpty());
    }

    void cancellingSaveToFtpKeepsTheServersCopy()
    {
        const QByteArray good = "<wml><card id=\"good\"/></wml>";
        const QString target = m_ftpRoot.filePath(QStringLiteral("up/big.wml"));
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(good);
        old.close();
        f().main->transferLimits() = TransferLimits{2000ms, 3000ms};
        // 3 MB in lines of 1 KB: the upload is what is measured here, not
        // the editor's layout of one very long line.
        QByteArray line(1023, 'x');
        line += '\n';
        const QString local = f().folder.write(QStringLiteral("work/big.wml"), "<wml>" + line.repeated(3072) + "</wml>");
        f().open(local);
        const auto partials = [&] {
            return QDir(m_ftpRoot.filePath(QStringLiteral("up"))).entryInfoList({QStringLiteral("big.wml.*")});
        };
        bool oldKeptWhilePartialGrew = false;
        QTimer watch;
        // Generous: on a busy machine the log-in alone can take seconds.
        const QDeadlineTimer deadline(30000);
        connect(&watch, &QTimer::timeout, this, [&] {
            auto *progress = f().main->findChild<TransferProgress *>();
            const QFileInfoList now = partials();
            if (!progress || now.isEmpty() || now[0].size() == 0) {
                if (deadline.hasExpired())
                    watch.stop();
                return;
            }
            watch.stop();
            oldKeptWhilePartialGrew = readFile(target) == good;
            QTest::mouseClick(progress->cancelButton(), Qt::LeftButton);
        });
        watch.start(20);
        Entry entry = saveEntry(QStringLiteral("up"));
        entry.fields << std::pair{"edtFTPPORT", QString::number(m_ftpSlow->port())};
        f().dialogs->answers = {DialogService::Answer::Yes};
        f().dialogs->onModal = entry;
        f().trigger("FileSaveFtp");
        QVERIFY(oldKeptWhilePartialGrew);
        QCOMPARE(f().dialogs->errors, QStringList{QStringLiteral("Transfer cancelled.")});
        QCOMPARE(readFile(target), good);
        QCOMPARE(partials(), QFileInfoList());
        QCOMPARE(f().panel(StatusPanels::HintPanel), QStringLiteral("Starting transfer of big.wml"));
    }

    void showsProgressAndCancels_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Escape") << true;
        QTest::newRow("Cancel button") << false;
    }
    void showsProgressAndCancels()
    {
        QFETCH(bool, escape);
        int ticks = 0;
        bool barShown = false;
        QString bytes;
        QTimer watch;
        const QDeadlineTimer deadline(3000);
        // The progress display never makes the window wider, also when the
        // window is as narrow as it may be.
        QTest::qWait(20);
        f().main->resize(f().main->minimumSizeHint().width(), f().main->height());
        QTest::qWait(20);
        const int width = f().main->width();
        int widest = width;
        connect(&watch, &QTimer::timeout, this, [&] {
            ++ticks;
            widest = std::max(widest, f().main->width());
            auto *progress = f().main->findChild<TransferProgress *>();
            if (!progress || progress->bytesLabel()->text() == QStringLiteral("0 bytes")) {
                if (deadline.hasExpired())
                    watch.stop();
                return;
            }
            watch.stop();
            barShown = progress->bar()->isVisible();
            bytes = progress->bytesLabel()->text();
            // Commands wait for the transfer: Ctrl+N opens nothing meanwhile.
            QTest::keyClick(f().main.get(), Qt::Key_N, Qt::ControlModifier);
            if (escape)
                QTest::keyClick(f().main.get(), Qt::Key_Escape);
            else
                QTest::mouseClick(progress->cancelButton(), Qt::LeftButton);
        });
        watch.start(20);
        QElapsedTimer clock;
        clock.start();
        const QString slow = m_http->address(QStringLiteral("/slow"));
        openUrl(httpEntry(slow));
        QVERIFY(clock.elapsed() < 3000);
        QVERIFY2(ticks > 2, "the window kept processing events during the transfer");
        QVERIFY(barShown);
        QVERIFY2(bytes.endsWith(QStringLiteral(" bytes")) && bytes != QStringLiteral("0 bytes"), qPrintable(bytes));
        QCOMPARE(f().dialogs->errors, QStringList{QStringLiteral("Transfer cancelled.")});
        QCOMPARE(f().main->documentCount(), 0);
        QCOMPARE(f().panel(StatusPanels::HintPanel), QStringLiteral("Starting transfer of http://") + slow);
        QVERIFY(!f().main->findChild<TransferProgress *>());
        QCOMPARE(widest, width);
        QCOMPARE(f().main->width(), width);
        f().dialogs->errors.clear();
        openGoodPage();
    }

    void openUrlRemembersItsFieldsAcrossRuns()
    {
        // Close was switched on by hand: the dialog's end refreshes the states.
        f().action("FileClose")->setEnabled(true);
        QStringList first;
        bool groupAfterTick = false;
        f().dialogs->onModal = [&](QDialog &dialog) {
            first << dialog.windowTitle()
                  << dialog.findChild<QTabWidget *>(QStringLiteral("pgMAIN"))->tabText(0)
                  << dialog.findChild<QTabWidget *>(QStringLiteral("pgMAIN"))->tabText(1);
            for (const char *name : {"edtURL", "edtFTPPORT", "edtUSER", "edtPASS", "edtREMOTEFILE", "edtPROXY", "edtPORT"})
                first << edit(dialog, name)->text();
            first << QString::number(dialog.findChild<QTabWidget *>(QStringLiteral("pgMAIN"))->currentIndex());
            QVERIFY(!dialog.findChild<QCheckBox *>(QStringLiteral("chkbPROXY"))->isChecked());
            QVERIFY(!dialog.findChild<QGroupBox *>(QStringLiteral("gbPROXY"))->isVisible());
            QVERIFY(dialog.findChild<QPushButton *>(QStringLiteral("Button1"))->isDefault());
            dialog.findChild<QCheckBox *>(QStringLiteral("chkbPROXY"))->setChecked(true);
            groupAfterTick = dialog.findChild<QGroupBox *>(QStringLiteral("gbPROXY"))->isVisible();
            Entry{{{"edtURL", QStringLiteral("ftp.example.com")},
                   {"edtFTPPORT", QStringLiteral("2121")},
                   {"edtUSER", QStringLiteral("bob")},
                   {"edtPASS", QStringLiteral("pw")},
                   {"edtREMOTEFILE", QStringLiteral("r.wml")},
                   {"edtPROXY", QStringLiteral("proxy.example.com")},
                   {"edtPORT", QStringLiteral("8080")}},
                  true, true, "Button2"}(dialog);
        };
        f().trigger("FileOpenURL");
        QCOMPARE(first, (QStringList{"Open from URL", "HTTP", "FTP", "", "21", "", placeholder, "", "", "21", "0"}));
        QVERIFY(groupAfterTick);
        QVERIFY(!f().action("FileClose")->isEnabled());
        QCOMPARE(f().main->documentCount(), 0);
        QCOMPARE(ini("TfrmOPENURL", "edtPASS_Text"), QStringLiteral("pw"));
        QCOMPARE(ini("TfrmOPENURL", "chkbPROXY_Checked"), QStringLiteral("True"));

        QStringList second;
        bool groupShown = false;
        bool fieldOnFtpTab = false;
        f().dialogs->onModal = [&](QDialog &dialog) {
            auto *pages = dialog.findChild<QTabWidget *>(QStringLiteral("pgMAIN"));
            second << QString::number(pages->currentIndex());
            for (const char *name : {"edtURL", "edtFTPPORT", "edtUSER", "edtPASS", "edtREMOTEFILE", "edtPROXY", "edtPORT"})
                second << edit(dialog, name)->text();
            groupShown = dialog.findChild<QGroupBox *>(QStringLiteral("gbPROXY"))->isVisible();
            pages->setCurrentIndex(1);
            fieldOnFtpTab = edit(dialog, "edtURL")->isVisible();
            dialog.reject();
        };
        f().trigger("FileOpenURL");
        QCOMPARE(second, (QStringList{"0", "ftp.example.com", "2121", "bob", "pw", "", "proxy.example.com", "8080"}));
        QVERIFY(groupShown);
        QVERIFY(fieldOnFtpTab);
    }

    void saveToFtpSavesThenUploads_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("folderKept");
        QTest::newRow("empty folder is the root") << "" << "root page.wml" << "root_page.wml" << "/";
        QTest::newRow("folder gains a slash") << "up" << "a.wml" << "up/a.wml" << "up/";
        QTest::newRow("spaces become _") << "my dir/" << "my page.wml" << "my_dir/my_page.wml" << "my dir/";
    }
    void saveToFtpSavesThenUploads()
    {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QFETCH(QString, stored);
        QFETCH(QString, folderKept);
        const QString local = openLocal(name);
        f().type(QStringLiteral("new "));
        int shown = 0;
        bool savedBeforeDialog = false;
        f().dialogs->answers = {DialogService::Answer::Yes};
        f().dialogs->onModal = [&](QDialog &dialog) {
            ++shown;
            savedBeforeDialog = readFile(local).startsWith("new ");
            saveEntry(folder)(dialog);
        };
        f().trigger("FileSaveFtp");
        QCOMPARE(f().dialogs->questions,
                 QStringList{QStringLiteral("Before save to ftp file must be saved. Save now?")});
        QCOMPARE(f().dialogs->errors, QStringList());
        QCOMPARE(shown, 1);
        QVERIFY(savedBeforeDialog);
        QVERIFY(!f().active()->isModified());
        QCOMPARE(readFile(m_ftpRoot.filePath(stored)), readFile(local));
        QCOMPARE(f().panel(StatusPanels::HintPanel), QStringLiteral("Transfer OK"));
        QCOMPARE(ini("TfrmSAVEFTP", "edtFOLDER_Text"), folderKept);
        QCOMPARE(ini("TfrmSAVEFTP", "edtUSER_Text"), QStringLiteral("alice"));
        QCOMPARE(ini("TfrmSAVEFTP", "edtPASS_Text"), QStringLiteral("(none)"));
    }

    void saveToFtpRemembersAllButThePassword()
    {
        openLocal(QStringLiteral("keep.wml"));
        QStringList first;
        f().dialogs->answers = {DialogService::Answer::Yes};
        f().dialogs->onModal = [&](QDialog &dialog) {
            first << dialog.windowTitle();
            for (const char *name : {"edtURL", "edtFTPPORT", "edtUSER", "edtPASS", "edtPROXY", "edtPORT", "edtFOLDER"})
                first << edit(dialog, name)->text();
            first << (dialog.findChild<QGroupBox *>(QStringLiteral("gbPROXY"))->isVisible() ? "group" : "no group");
            Entry{{{"edtURL", QStringLiteral("ftp.example.com")},
                   {"edtFTPPORT", QStringLiteral("2121")},
                   {"edtUSER", QStringLiteral("bob")},
                   {"edtPASS", QStringLiteral("pw")},
                   {"edtPROXY", QStringLiteral("proxy.example.com")},
                   {"edtPORT", QStringLiteral("8080")},
                   {"edtFOLDER", QStringLiteral("www")}},
                  false, true, "Button2"}(dialog);
        };
        const qsizetype before = m_ftp->log().size();
        f().trigger("FileSaveFtp");
        QCOMPARE(first, (QStringList{"Save to ftp", "", "21", "anonymous", placeholder, "", "21", "", "no group"}));
        QCOMPARE(m_ftp->log().size(), before);

        QStringList second;
        f().dialogs->answers = {DialogService::Answer::Yes};
        f().dialogs->onModal = [&](QDialog &dialog) {
            for (const char *name : {"edtURL", "edtFTPPORT", "edtUSER", "edtPASS", "edtPROXY", "edtPORT", "edtFOLDER"})
                second << edit(dialog, name)->text();
            second << (dialog.findChild<QGroupBox *>(QStringLiteral("gbPROXY"))->isVisible() ? "group" : "no group");
            dialog.reject();
        };
        f().trigger("FileSaveFtp");
        QCOMPARE(second, (QStringList{"ftp.example.com", "2121", "bob", placeholder, "proxy.example.com", "8080",
                                      "www", "group"}));
        QCOMPARE(ini("TfrmSAVEFTP", "edtPASS_Text"), QStringLiteral("(none)"));
    }

    void answeringNoSavesAndUploadsNothing()
    {
        const QString local = openLocal(QStringLiteral("no.wml"));
        f().type(QStringLiteral("x"));
        bool shown = false;
        f().dialogs->answers = {DialogService::Answer::No};
        f().dialogs->onModal = [&](QDialog &) { shown = true; };
        const qsizetype before = m_ftp->log().size();
        f().trigger("FileSaveFtp");
        QVERIFY(!shown);
        QCOMPARE(readFile(local), QByteArray("<wml>\r\n</wml>"));
        QVERIFY(f().active()->isModified());
        QCOMPARE(m_ftp->log().size(), before);
        QVERIFY(!QFile::exists(m_ftpRoot.filePath(QStringLiteral("no.wml"))));
    }

    void aNewPageIsGivenAFileFirst_data()
    {
        QTest::addColumn<bool>("chooses");
        QTest::newRow("save dialog cancelled") << false;
        QTest::newRow("save dialog names a file") << true;
    }
    void aNewPageIsGivenAFileFirst()
    {
        QFETCH(bool, chooses);
        f().trigger("FileNew");
        const QString chosen = f().folder.file(QStringLiteral("fresh page.wml"));
        if (chooses)
            f().dialogs->saveNames = {chosen};
        int shown = 0;
        f().dialogs->answers = {DialogService::Answer::Yes};
        f().dialogs->onModal = [&](QDialog &dialog) {
            ++shown;
            saveEntry(QStringLiteral("up"))(dialog);
        };
        f().trigger("FileSaveFtp");
        QCOMPARE(f().dialogs->errors, QStringList());
        QCOMPARE(shown, chooses ? 1 : 0);
        QCOMPARE(QFile::exists(chosen), chooses);
        const QString uploaded = m_ftpRoot.filePath(QStringLiteral("up/fresh_page.wml"));
        QCOMPARE(QFile::exists(uploaded), chooses);
        if (chooses)
            QCOMPARE(readFile(uploaded), readFile(chosen));
        QFile::remove(uploaded);
    }

    void failedUploadsAreReportedAndTheNextOneWorks_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("panel");
        QTest::newRow("wrong password") << QByteArray("edtPASS") << "wrong" << "530" << "Starting transfer of up.wml";
        QTest::newRow("folder not on the server") << QByteArray("edtFOLDER") << "/nowhere" << "550"
                                                  << "Starting transfer of up.wml";
        QTest::newRow("port not a number") << QByteArray("edtFTPPORT") << "x21" << "'x21' is not a valid integer value."
                                           << "idle";
    }
    void failedUploadsAreReportedAndTheNextOneWorks()
    {
        QFETCH(QByteArray, field);
        QFETCH(QString, value);
        QFETCH(QString, error);
        QFETCH(QString, panel);
        openLocal(QStringLiteral("up.wml"));
        const QString uploaded = m_ftpRoot.filePath(QStringLiteral("up/up.wml"));
        QFile::remove(uploaded);
        f().main->statusPanels()->setPanelText(StatusPanels::HintPanel, QStringLiteral("idle"));
        Entry entry = saveEntry(QStringLiteral("up"));
        entry.fields << std::pair{field.constData(), value};
        f().dialogs->answers = {DialogService::Answer::Yes};
        f().dialogs->onModal = entry;
        f().trigger("FileSaveFtp");
        QCOMPARE(f().dialogs->errors.size(), 1);
        QVERIFY2(f().dialogs->errors[0].contains(error), qPrintable(f().dialogs->errors[0]));
        QCOMPARE(f().panel(StatusPanels::HintPanel), panel);
        QVERIFY(!QFile::exists(uploaded));

        f().dialogs->errors.clear();
        f().dialogs->answers = {DialogService::Answer::Yes};
        f().dialogs->onModal = saveEntry(QStringLiteral("up"));
        f().trigger("FileSaveFtp");
        QCOMPARE(f().dialogs->errors, QStringList());
        QVERIFY(QFile::exists(uploaded));
    }
};

TARNEL_TEST(RemoteCommandsTest)
#include "remotecommandstest.moc"
