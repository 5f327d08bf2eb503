#pragma once

#include "net/proxysetting.h"

#include <QWidget>

class FormStorage;
class QCheckBox;
class QGroupBox;
class QLineEdit;

// The "Proxy" check box of the remote dialogs and the group `gbPROXY` it
// shows while ticked, holding the proxy host `edtPROXY` and its port
// `edtPORT` (default "21").
class ProxyBox : public QWidget
{
    Q_OBJECT

public:
    explicit ProxyBox(QWidget *parent = nullptr);

    // Remembers chkbPROXY_Checked, edtPROXY_Text and edtPORT_Text.
    void bind(FormStorage &storage);

    // No proxy while the box is clear. Throws TarnelError "'%s' is not a
    // valid integer value" for a port field that holds no number.
    ProxySetting proxy() const;

    QCheckBox *chkbPROXY() const { return m_check; }
    QGroupBox *gbPROXY() const { return m_group; }
    QLineEdit *edtPROXY() const { return m_host; }
    QLineEdit *edtPORT() const { return m_port; }

private:
    void chkbPROXYClick(bool checked);

    QCheckBox *m_check;
    QGroupBox *m_group;
    QLineEdit *m_host;
    QLineEdit *m_port;
};
