// The main window's remote commands: Open from URL and Save to FTP.
#include "mainform.h"

#include "proxybox.h"
#include "statuspanels.h"
#include "tfrmopenurl.h"
#include "tfrmsaveftp.h"
#include "transferrunner.h"

#include "editor/mdichild.h"

#include "common/documentfile.h"
#include "common/tarnelerror.h"
#include "net/downloadfolder.h"
#include "net/ftpclient.h"
#include "net/httpclient.h"
#include "net/remoteaddress.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QScopeGuard>

namespace {

QString startingTransfer(const QString &name)
{
    return QCoreApplication::translate("TMainForm", "Starting transfer of ") + name;
}

QString transferOk()
{
    return QCoreApplication::translate("TMainForm", "Transfer OK");
}

QString saveFirstQuestion()
{
    return QCoreApplication::translate("TMainForm", "Before save to ftp file must be saved. Save now?");
}

QByteArray readWhole(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw TarnelError::cannotOpen(path);
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw TarnelError::cannotOpen(path);
    return bytes;
}

} // namespace

QString TMainForm::downloadFolder() const
{
    return m_downloads->path();
}

void TMainForm::setDownloadFolder(const QString &folder)
{
    m_downloads = std::make_unique<DownloadFolder>(folder);
}

void TMainForm::FileOpenURLExecute()
{
    // The command states are refreshed however the dialog closed and
    // whatever the transfer did.
    const auto refresh = qScopeGuard([this] { UpdateCommandState(); });
    TfrmOPENURL dialog(*m_dialogs, this);
    if (m_dialogs->runModal(dialog) != QDialog::Accepted)
        return;
    m_edittemp.setText(QString());
    QStringList open;
    for (const TMDIChild *child : documentWindows())
        open << child->documentPath();
    QString target;
    TransferRunner runner(*m_statusBar);
    // The charset the web server named, for a page whose declaration names none.
    QByteArray transportCharset;

    if (dialog.isHttpTab()) {
        QLineEdit *url = dialog.edtURL();
        url->setText(RemoteAddress::withScheme(url->text(), QStringLiteral("http")));
        const QString address = url->text();
        const ProxySetting proxy = dialog.proxyBox()->proxy();
        m_statusBar->setPanelText(StatusPanels::HintPanel, startingTransfer(address));
        QByteArray body;
        QByteArray contentType;
        runner.run(m_transferLimits, [&](TransferControl &control) {
            body = HttpClient::get(address, proxy, control, &contentType);
        });
        transportCharset = HttpClient::charsetOf(contentType);
        // The page goes through the scratch editor, which writes it with
        // the program's own line breaks, in the character set it came in.
        const LoadedDocument page = DocumentFile::decode(body, decodeHints(transportCharset));
        m_edittemp.setText(page.text);
        const QByteArray saved = DocumentFile::encode(m_edittemp.text(), page.encoding);
        m_edittemp.setText(QString());
        target = m_downloads->store(saved, open);
    } else {
        const QString remote = dialog.edtREMOTEFILE()->text().trimmed();
        const ProxySetting proxy = dialog.proxyBox()->proxy();
        QLineEdit *url = dialog.edtURL();
        FtpLogin login;
        login.host = RemoteAddress::ftpHost(url->text());
        url->setText(RemoteAddress::withScheme(url->text(), QStringLiteral("ftp")));
        login.port = RemoteAddress::portNumber(dialog.edtFTPPORT()->text());
        login.user = dialog.edtUSER()->text();
        login.password = dialog.edtPASS()->text();
        login.proxy = proxy;
        // An empty name or a folder would fetch a listing, not a page.
        if (remote.isEmpty() || remote.endsWith(QLatin1Char('/')))
            throw TarnelError(tr("Enter the path of the remote file to open"));
        m_statusBar->setPanelText(StatusPanels::HintPanel, startingTransfer(remote));
        QByteArray bytes;
        runner.run(m_transferLimits,
                   [&](TransferControl &control) { bytes = FtpClient::download(login, remote, control); });
        target = m_downloads->store(bytes, open);
    }
    m_statusBar->setPanelText(StatusPanels::HintPanel, transferOk());
    openDocument(target, transportCharset);
}

void TMainForm::FileSaveFtpExecute()
{
    TMDIChild *child = activeChild();
    if (!child)
        return;
    if (m_dialogs->question(saveFirstQuestion(), DialogService::Choice::YesNo) != DialogService::Answer::Yes)
        return;
    // A page without a file is given one first; cancelling that ends here.
    if (!Save(child))
        return;
    const QString local = child->documentPath();

    TfrmSAVEFTP dialog(*m_dialogs, this);
    if (m_dialogs->runModal(dialog) != QDialog::Accepted)
        return;
    QLineEdit *folder = dialog.edtFOLDER();
    folder->setText(RemoteAddress::folderWithSlash(folder->text()));
    const QString remote = RemoteAddress::uploadPath(folder->text(), local);
    FtpLogin login;
    login.proxy = dialog.proxyBox()->proxy();
    login.host = RemoteAddress::ftpHost(dialog.edtURL()->text());
    login.port = RemoteAddress::portNumber(dialog.edtFTPPORT()->text());
    login.user = dialog.edtUSER()->text();
    login.password = dialog.edtPASS()->text();

    const QString name = QFileInfo(local).fileName();
    m_statusBar->setPanelText(StatusPanels::HintPanel, startingTransfer(name));
    const QByteArray bytes = readWhole(local);
    TransferRunner(*m_statusBar).run(m_transferLimits, [&](TransferControl &control) {
        FtpClient::upload(login, remote, bytes, control);
    });
    m_statusBar->setPanelText(StatusPanels::HintPanel, transferOk());
}
