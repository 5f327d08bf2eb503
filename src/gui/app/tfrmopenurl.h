#pragma once

#include "remotedialog.h"

class ProxyBox;
class QGridLayout;
class QLineEdit;
class QTabWidget;

// "Open from URL": the tabs "HTTP" and "FTP" share one address field
// `edtURL`, shown after "http://" or "ftp://"; the FTP tab adds port, user,
// password and remote file; the proxy box serves both. Remembered in the
// section `TfrmOPENURL`: the address, the FTP port, user and password (in
// plain text) and the proxy fields. The dialog always opens on the HTTP tab.
class TfrmOPENURL : public RemoteDialog
{
    Q_OBJECT

public:
    explicit TfrmOPENURL(DialogService &dialogs, QWidget *parent = nullptr);

    bool isHttpTab() const;

    QTabWidget *pgMAIN() const { return m_pages; }
    QLineEdit *edtURL() const { return m_url; }
    QLineEdit *edtFTPPORT() const { return m_ftpPort; }
    QLineEdit *edtUSER() const { return m_user; }
    QLineEdit *edtPASS() const { return m_password; }
    QLineEdit *edtREMOTEFILE() const { return m_remoteFile; }
    ProxyBox *proxyBox() const { return m_proxy; }

private:
    void FormCreate();
    void pgMAINChange(int index);

    QTabWidget *m_pages;
    QGridLayout *m_httpGrid;
    QGridLayout *m_ftpGrid;
    QLineEdit *m_url;
    QLineEdit *m_ftpPort;
    QLineEdit *m_user;
    QLineEdit *m_password;
    QLineEdit *m_remoteFile;
    ProxyBox *m_proxy;
};
