#pragma once

#include "remotedialog.h"

class ProxyBox;
class QLineEdit;

// "Save to ftp": server, port, user, password, proxy and remote folder.
// Remembered in the section `TfrmSAVEFTP`, all but the password, which
// starts as the placeholder address every time.
class TfrmSAVEFTP : public RemoteDialog
{
    Q_OBJECT

public:
    explicit TfrmSAVEFTP(DialogService &dialogs, QWidget *parent = nullptr);

    QLineEdit *edtURL() const { return m_url; }
    QLineEdit *edtFTPPORT() const { return m_ftpPort; }
    QLineEdit *edtUSER() const { return m_user; }
    QLineEdit *edtPASS() const { return m_password; }
    QLineEdit *edtFOLDER() const { return m_folder; }
    ProxyBox *proxyBox() const { return m_proxy; }

private:
    void FormCreate();

    QLineEdit *m_url;
    QLineEdit *m_ftpPort;
    QLineEdit *m_user;
    QLineEdit *m_password;
    QLineEdit *m_folder;
    ProxyBox *m_proxy;
};
