#include "tfrmsaveftp.h"

#include "proxybox.h"

#include "net/remoteaddress.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

TfrmSAVEFTP::TfrmSAVEFTP(DialogService &dialogs, QWidget *parent)
    : RemoteDialog(QStringLiteral("TfrmSAVEFTP"), dialogs, parent)
{
    setWindowTitle(tr("Save to ftp"));
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    const auto field = [this](const char *name) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setMinimumWidth(220);
        return edit;
    };
    m_url = field("edtURL");
    m_ftpPort = field("edtFTPPORT");
    m_ftpPort->setText(QStringLiteral("21"));
    m_user = field("edtUSER");
    m_user->setText(QStringLiteral("anonymous"));
    m_password = field("edtPASS");
    m_password->setEchoMode(QLineEdit::Password);
    m_folder = field("edtFOLDER");

    auto *server = new QFormLayout;
    server->addRow(tr("URL:"), m_url);
    server->addRow(tr("Port:"), m_ftpPort);
    server->addRow(tr("User:"), m_user);
    server->addRow(tr("Password:"), m_password);
    layout->addLayout(server);
    m_proxy = new ProxyBox(this);
    layout->addWidget(m_proxy);
    auto *folder = new QFormLayout;
    folder->addRow(tr("Remote folder:"), m_folder);
    layout->addLayout(folder);
    layout->addWidget(buttonRow());
    FormCreate();
}

void TfrmSAVEFTP::FormCreate()
{
    m_password->setText(RemoteAddress::placeholderPassword());
    bindText("edtURL_Text", m_url);
    bindText("edtFTPPORT_Text", m_ftpPort);
    m_proxy->bind(storage());
    bindText("edtFOLDER_Text", m_folder);
    bindText("edtUSER_Text", m_user);
}
