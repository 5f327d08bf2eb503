#include "gatewaydialog.h"

#include "app/dialogservice.h"
#include "serve/kannelconfig.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QSpinBox>
#include <QVBoxLayout>

GatewayDialog::GatewayDialog(const ServePreferences &preferences, const QString &deckUrl, DialogService &dialogs,
                             QWidget *parent)
    : QDialog(parent)
    , m_preferences(preferences)
    , m_deckUrl(deckUrl)
    , m_password(KannelConfig::newPassword())
    , m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("GatewayDialog"));
    setWindowTitle(tr("Gateway Settings"));
    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(tr("Phones of the WAP 1.x era speak WSP to a gateway, which fetches the deck from "
                                "this computer's server and compiles it. Kannel (Debian packages kannel and "
                                "kannel-extras) is such a gateway; this writes its configuration."),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto *form = new QFormLayout;
    spnADMINPORT = new QSpinBox(this);
    spnADMINPORT->setObjectName(QStringLiteral("spnADMINPORT"));
    spnADMINPORT->setRange(1, 65535);
    spnADMINPORT->setValue(preferences.gatewayAdminPort);
    form->addRow(tr("&Administration port:"), spnADMINPORT);
    spnBOXPORT = new QSpinBox(this);
    spnBOXPORT->setObjectName(QStringLiteral("spnBOXPORT"));
    spnBOXPORT->setRange(1, 65535);
    spnBOXPORT->setValue(preferences.gatewayBoxPort);
    form->addRow(tr("&Wapbox port:"), spnBOXPORT);
    chkNETWORK = new QCheckBox(tr("Phones reach the gateway over the &network (WSP ports 9200 and 9201)"), this);
    chkNETWORK->setObjectName(QStringLiteral("chkNETWORK"));
    chkNETWORK->setChecked(preferences.gatewayOnNetwork);
    form->addRow(QString(), chkNETWORK);
    edtCONFIGFILE = new QLineEdit(defaultConfigPath(), this);
    edtCONFIGFILE->setObjectName(QStringLiteral("edtCONFIGFILE"));
    form->addRow(tr("Configuration &file:"), edtCONFIGFILE);
    layout->addLayout(form);

    memCONFIG = new QPlainTextEdit(this);
    memCONFIG->setObjectName(QStringLiteral("memCONFIG"));
    memCONFIG->setReadOnly(true);
    memCONFIG->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    memCONFIG->setMinimumSize(560, 260);
    layout->addWidget(memCONFIG);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    btnWRITE = buttons->addButton(tr("&Write Configuration"), QDialogButtonBox::ActionRole);
    btnWRITE->setObjectName(QStringLiteral("btnWRITE"));
    layout->addWidget(buttons);

    connect(spnADMINPORT, &QSpinBox::valueChanged, this, &GatewayDialog::updateText);
    connect(spnBOXPORT, &QSpinBox::valueChanged, this, &GatewayDialog::updateText);
    connect(chkNETWORK, &QCheckBox::toggled, this, &GatewayDialog::updateText);
    connect(edtCONFIGFILE, &QLineEdit::textChanged, this, &GatewayDialog::updateText);
    connect(btnWRITE, &QPushButton::clicked, this, &GatewayDialog::writeConfig);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::accept);
    updateText();
}

QString GatewayDialog::defaultConfigPath()
{
    return QDir::homePath() + QStringLiteral("/tarnel-kannel/kannel.conf");
}

ServePreferences GatewayDialog::preferences() const
{
    ServePreferences chosen = m_preferences;
    chosen.gatewayAdminPort = quint16(spnADMINPORT->value());
    chosen.gatewayBoxPort = quint16(spnBOXPORT->value());
    chosen.gatewayOnNetwork = chkNETWORK->isChecked();
    return chosen;
}

QString GatewayDialog::configText() const
{
    const QString path = QFileInfo(edtCONFIGFILE->text().trimmed()).absoluteFilePath();
    KannelSettings settings;
    settings.deckUrl = m_deckUrl;
    settings.wdpInterface = chkNETWORK->isChecked() ? QStringLiteral("*") : QStringLiteral("127.0.0.1");
    settings.adminPort = quint16(spnADMINPORT->value());
    settings.wapboxPort = quint16(spnBOXPORT->value());
    settings.adminPassword = m_password;
    settings.logFolder = QFileInfo(path).path();
    return KannelConfig::text(settings, path);
}

bool GatewayDialog::writeConfig()
{
    const QString path = QFileInfo(edtCONFIGFILE->text().trimmed()).absoluteFilePath();
    if (spnADMINPORT->value() == spnBOXPORT->value()) {
        m_dialogs.error(tr("The administration port and the wapbox port must differ"));
        return false;
    }
    QSaveFile file(path);
    const QByteArray bytes = configText().toUtf8();
    if (!QDir().mkpath(QFileInfo(path).path()) || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()
        || !file.commit()) {
        m_dialogs.error(tr("Cannot create file %1").arg(QDir::toNativeSeparators(path)));
        return false;
    }
    m_dialogs.message(tr("The gateway's configuration is in %1. Start it with:\n%2")
                          .arg(QDir::toNativeSeparators(path), KannelConfig::startCommands(path).join(QLatin1Char('\n'))));
    return true;
}

void GatewayDialog::updateText()
{
    memCONFIG->setPlainText(configText());
}
