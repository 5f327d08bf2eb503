#include "proxybox.h"

#include "common/formstorage.h"
#include "net/remoteaddress.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

ProxyBox::ProxyBox(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_check = new QCheckBox(tr("Proxy"), this);
    m_check->setObjectName(QStringLiteral("chkbPROXY"));
    layout->addWidget(m_check);

    m_group = new QGroupBox(this);
    m_group->setObjectName(QStringLiteral("gbPROXY"));
    auto *fields = new QFormLayout(m_group);
    m_host = new QLineEdit(m_group);
    m_host->setObjectName(QStringLiteral("edtPROXY"));
    m_port = new QLineEdit(QStringLiteral("21"), m_group);
    m_port->setObjectName(QStringLiteral("edtPORT"));
    fields->addRow(tr("URL:"), m_host);
    fields->addRow(tr("Port:"), m_port);
    layout->addWidget(m_group);
    m_group->hide();

    // Restoring a ticked box from the settings shows the group as well.
    connect(m_check, &QCheckBox::toggled, this, &ProxyBox::chkbPROXYClick);
}

void ProxyBox::chkbPROXYClick(bool checked)
{
    m_group->setVisible(checked);
}

void ProxyBox::bind(FormStorage &storage)
{
    storage.bindBool(QStringLiteral("chkbPROXY_Checked"), [this] { return m_check->isChecked(); },
                     [this](bool on) { m_check->setChecked(on); });
    storage.bindText(QStringLiteral("edtPROXY_Text"), [this] { return m_host->text(); },
                     [this](const QString &text) { m_host->setText(text); });
    storage.bindText(QStringLiteral("edtPORT_Text"), [this] { return m_port->text(); },
                     [this](const QString &text) { m_port->setText(text); });
}

ProxySetting ProxyBox::proxy() const
{
    if (!m_check->isChecked())
        return {};
    return {m_host->text().trimmed(), RemoteAddress::portNumber(m_port->text())};
}
