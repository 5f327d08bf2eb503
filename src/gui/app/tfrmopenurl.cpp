#include "tfrmopenurl.h"

#include "proxybox.h"

#include "net/remoteaddress.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
QLineEdit *field(const char *name, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMinimumWidth(220);
    return edit;
}
} // namespace

TfrmOPENURL::TfrmOPENURL(DialogService &dialogs, QWidget *parent)
    : RemoteDialog(QStringLiteral("TfrmOPENURL"), dialogs, parent)
{
    setWindowTitle(tr("Open from URL"));
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("pgMAIN"));
    auto *tabHttp = new QWidget(m_pages);
    tabHttp->setObjectName(QStringLiteral("tabHTTP"));
    auto *tabFtp = new QWidget(m_pages);
    tabFtp->setObjectName(QStringLiteral("tabFTP"));
    m_httpGrid = new QGridLayout(tabHttp);
    m_ftpGrid = new QGridLayout(tabFtp);

    m_url = field("edtURL", tabHttp);
    m_httpGrid->addWidget(new QLabel(QStringLiteral("http://"), tabHttp), 0, 0);
    m_httpGrid->addWidget(m_url, 0, 1);
    m_httpGrid->setRowStretch(1, 1);

    m_ftpPort = field("edtFTPPORT", tabFtp);
    m_ftpPort->setText(QStringLiteral("21"));
    m_user = field("edtUSER", tabFtp);
    m_password = field("edtPASS", tabFtp);
    m_password->setEchoMode(QLineEdit::Password);
    m_remoteFile = field("edtREMOTEFILE", tabFtp);
    m_ftpGrid->addWidget(new QLabel(QStringLiteral("ftp://"), tabFtp), 0, 0);
    const std::pair<QString, QLineEdit *> rows[] = {
        {tr("Port:"), m_ftpPort}, {tr("User:"), m_user}, {tr("Password:"), m_password},
        {tr("Remote file:"), m_remoteFile}};
    int row = 1;
    for (const auto &[label, edit] : rows) {
        m_ftpGrid->addWidget(new QLabel(label, tabFtp), row, 0);
        m_ftpGrid->addWidget(edit, row++, 1);
    }

    m_pages->addTab(tabHttp, tr("HTTP"));
    m_pages->addTab(tabFtp, tr("FTP"));
    layout->addWidget(m_pages);
    m_proxy = new ProxyBox(this);
    layout->addWidget(m_proxy);
    layout->addWidget(buttonRow());

    connect(m_pages, &QTabWidget::currentChanged, this, &TfrmOPENURL::pgMAINChange);
    FormCreate();
}

void TfrmOPENURL::FormCreate()
{
    m_password->setText(RemoteAddress::placeholderPassword());
    bindText("edtURL_Text", m_url);
    m_proxy->bind(storage());
    bindText("edtFTPPORT_Text", m_ftpPort);
    bindText("edtUSER_Text", m_user);
    bindText("edtPASS_Text", m_password);
}

bool TfrmOPENURL::isHttpTab() const
{
    return m_pages->currentIndex() == 0;
}

void TfrmOPENURL::pgMAINChange(int index)
{
    // One field serves both tabs: it moves to the tab being shown.
    QGridLayout *grid = index == 0 ? m_httpGrid : m_ftpGrid;
    grid->addWidget(m_url, 0, 1);
    // A widget given a new parent stays hidden until shown again.
    m_url->show();
}
