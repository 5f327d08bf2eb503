// Tools > Serve to Phone in the program: started and stopped from the menu
// and by F9, the request log panel, unsaved edits served as shown, and the
// settings and gateway dialogs.
#include "guifixture.h"
#include "testregistry.h"

#include "app/mainform.h"
#include "net/httpclient.h"
#include "net/transfercontrol.h"
#include "serve/gatewaydialog.h"
#include "serve/requestlogpanel.h"
#include "serve/servecontroller.h"
#include "serve/servedialog.h"

#include "common/tarnelerror.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTreeWidget>

using namespace std::chrono_literals;

namespace {

const QByteArray deck = "<wml><card id=\"home\"><p>On the desk</p></card></wml>";

// A GET from the test's own thread: the server answers on its own.
QByteArray get(const QString &address, QString *error = nullptr)
{
    TransferControl control(TransferLimits{2000ms, 2000ms});
    try {
        return HttpClient::get(address, ProxySetting(), control);
    } catch (const TarnelError &failure) {
        if (error)
            *error = failure.text();
        return QByteArray();
    }
}

QStringList rowTexts(const QTreeWidgetItem *row)
{
    QStringList texts;
    for (int column = 0; column < row->columnCount(); ++column)
        texts << row->text(column);
    return texts;
}

} // namespace

class ServeToPhoneTest : public QObject
{
    Q_OBJECT

    ServePreferences m_saved;

    // A main window with deck.wml of a fresh folder open, serving on a
    // free port.
    QString openDeck(GuiFixture &f)
    {
        const QString path = f.folder.write(QStringLiteral("site/deck.wml"), deck);
        f.open(path);
        f.main->serveController()->preferences().port = 0;
        f.main->serveController()->preferences().localNetwork = false;
        return path;
    }

    QString deckAddress(GuiFixture &f) const
    {
        return QStringLiteral("http://127.0.0.1:%1/deck.wml").arg(f.main->serveController()->server().port());
    }

private slots:
    void initTestCase() { m_saved = ServePreferences::load(); }
    void cleanupTestCase() { m_saved.save(); }

    void startsAndStopsFromTheToolsMenu()
    {
        GuiFixture f;
        openDeck(f);
        QMenu *tools = f.main->findChild<QMenu *>(QStringLiteral("mmTools"));
        QVERIFY(tools);
        QVERIFY(f.main->menuBar()->actions().contains(tools->menuAction()));
        QAction *serve = f.action("ToolsServe");
        QVERIFY(tools->actions().contains(serve));
        QCOMPARE(serve->shortcut(), QKeySequence(Qt::Key_F9));
        QVERIFY(serve->isCheckable() && !serve->isChecked());

        serve->trigger();
        QVERIFY(serve->isChecked());
        QVERIFY(f.main->serveController()->isRunning());
        QVERIFY(f.main->requestLog()->isVisible());
        QVERIFY(f.dialogs->errors.isEmpty());
        QLabel *status = f.main->requestLog()->findChild<QLabel *>(QStringLiteral("lblSERVESTATUS"));
        QTRY_VERIFY(status->text().contains(deckAddress(f)));

        QCOMPARE(get(deckAddress(f)), deck);
        QTreeWidget *rows = f.main->requestLog()->rows();
        QTRY_COMPARE(rows->topLevelItemCount(), 1);
        const QStringList row = rowTexts(rows->topLevelItem(0));
        QCOMPARE(row.mid(1, 5), (QStringList{QStringLiteral("127.0.0.1"), QStringLiteral("GET"), QStringLiteral("/deck.wml"),
                                             QStringLiteral("200"), QString::number(deck.size())}));
        QVERIFY(!row.at(6).isEmpty()); // the client's User-Agent

        const QString address = deckAddress(f);
        serve->trigger();
        QVERIFY(!serve->isChecked());
        QVERIFY(!f.main->serveController()->isRunning());
        QString error;
        get(address, &error);
        QVERIFY(!error.isEmpty());
    }

    void f9InTheEditorTogglesServing()
    {
        GuiFixture f;
        openDeck(f);
        f.active()->editor()->setFocus();
        QTest::keyClick(f.active()->editor(), Qt::Key_F9);
        QVERIFY(f.main->serveController()->isRunning());
        QTest::keyClick(f.active()->editor(), Qt::Key_F9);
        QVERIFY(!f.main->serveController()->isRunning());
        QCOMPARE(f.active()->editor()->text(), QString::fromUtf8(deck));
    }

    void anUnsavedEditIsServedAsShown()
    {
        GuiFixture f;
        openDeck(f);
        f.trigger("ToolsServe");
        f.active()->editor()->setSelection(0, 0);
        f.type(QStringLiteral("<!-- typed -->"));
        QVERIFY(f.active()->isModified());
        QTRY_VERIFY(get(deckAddress(f)).startsWith("<!-- typed --><wml>"));
        // The file on disk is as it was.
        QCOMPARE(ProgramFolderFixture::read(f.folder.file(QStringLiteral("site/deck.wml"))), deck);
    }

    void anUnsavedPageCannotBeServed()
    {
        GuiFixture f;
        f.trigger("FileNew");
        f.trigger("ToolsServe");
        QVERIFY(!f.action("ToolsServe")->isChecked());
        QVERIFY(!f.main->serveController()->isRunning());
        QCOMPARE(f.dialogs->errors.size(), 1);
        QVERIFY(f.dialogs->errors.first().contains(QStringLiteral("Save the page first")));
    }

    void aTakenPortIsReportedAndNothingRuns()
    {
        GuiFixture f;
        openDeck(f);
        PhoneServer other;
        ServeSettings settings;
        settings.folder = f.folder.path();
        other.start(settings);
        f.main->serveController()->preferences().port = other.port();
        f.trigger("ToolsServe");
        QVERIFY(!f.action("ToolsServe")->isChecked());
        QCOMPARE(f.dialogs->errors.size(), 1);
        QVERIFY(f.dialogs->errors.first().startsWith(QStringLiteral("Cannot serve")));
    }

    void settingsWarnAboutTheNetworkAndCopyAddresses()
    {
        GuiFixture f;
        openDeck(f);
        f.main->serveController()->preferences().port = 8123;
        QString warning;
        QStringList loopbackAddresses;
        QStringList networkAddresses;
        f.dialogs->onModal = [&](QDialog &dialog) {
            auto &serve = static_cast<ServeDialog &>(dialog);
            QVERIFY(serve.rbLOOPBACK->isChecked());
            QVERIFY(!serve.lblWARNING->isVisible());
            loopbackAddresses = serve.addresses();
            serve.rbNETWORK->setChecked(true);
            QVERIFY(serve.lblWARNING->isVisible());
            warning = serve.lblWARNING->text();
            networkAddresses = serve.addresses();
            serve.copyAddress();
            dialog.accept();
        };
        f.trigger("ToolsServeSettings");
        QCOMPARE(loopbackAddresses, QStringList{QStringLiteral("http://127.0.0.1:8123/deck.wml")});
        QVERIFY(warning.contains(QStringLiteral("every file of the folder")));
        QVERIFY(warning.contains(QDir::toNativeSeparators(f.folder.file(QStringLiteral("site")))));
        QVERIFY(networkAddresses.contains(QStringLiteral("http://127.0.0.1:8123/deck.wml")));
        QCOMPARE(QApplication::clipboard()->text(), networkAddresses.first());
        QVERIFY(f.main->serveController()->preferences().localNetwork);
    }

    void gatewaySettingsWriteAKannelConfiguration()
    {
        GuiFixture f;
        openDeck(f);
        f.trigger("ToolsServe");
        const QString config = f.folder.file(QStringLiteral("gateway/kannel.conf"));
        QString shown;
        f.dialogs->onModal = [&](QDialog &dialog) {
            auto &gateway = static_cast<GatewayDialog &>(dialog);
            gateway.spnADMINPORT->setValue(14000);
            gateway.spnBOXPORT->setValue(14002);
            gateway.edtCONFIGFILE->setText(config);
            shown = gateway.memCONFIG->toPlainText();
            QVERIFY(gateway.writeConfig());
            dialog.accept();
        };
        f.trigger("ToolsGateway");
        QVERIFY(shown.contains(QStringLiteral("admin-port = 14000")));
        QVERIFY(shown.contains(QStringLiteral("wapbox-port = 14002")));
        QVERIFY(shown.contains(deckAddress(f)));
        QCOMPARE(QString::fromUtf8(ProgramFolderFixture::read(config)), shown);
        QCOMPARE(f.dialogs->messages.size(), 1);
        QVERIFY(f.dialogs->messages.first().contains(QStringLiteral("/usr/sbin/bearerbox")));
        QCOMPARE(f.main->serveController()->preferences().gatewayAdminPort, quint16(14000));
    }
};

TARNEL_TEST(ServeToPhoneTest)
#include "servetophonetest.moc"
