#include "servedialog.h"

#include "serve/serveaddresses.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

ServeDialog::ServeDialog(const ServePreferences &preferences, const QString &folder, const QString &deckName,
                         quint16 runningPort, QWidget *parent)
    : QDialog(parent)
    , m_preferences(preferences)
    , m_folder(folder)
    , m_deckName(deckName)
    , m_runningPort(runningPort)
{
    setObjectName(QStringLiteral("ServeDialog"));
    setWindowTitle(tr("Serve to Phone"));
    auto *layout = new QVBoxLayout(this);

    auto *where = new QGroupBox(tr("Listen on"), this);
    auto *whereLayout = new QVBoxLayout(where);
    rbLOOPBACK = new QRadioButton(tr("This &computer only (127.0.0.1): phone simulators and a gateway here"), where);
    rbLOOPBACK->setObjectName(QStringLiteral("rbLOOPBACK"));
    rbNETWORK = new QRadioButton(tr("The local &network: phones on the same Wi-Fi, gateways on other computers"), where);
    rbNETWORK->setObjectName(QStringLiteral("rbNETWORK"));
    whereLayout->addWidget(rbLOOPBACK);
    whereLayout->addWidget(rbNETWORK);
    lblWARNING = new QLabel(where);
    lblWARNING->setObjectName(QStringLiteral("lblWARNING"));
    lblWARNING->setWordWrap(true);
    lblWARNING->setStyleSheet(QStringLiteral("color: #b00000;"));
    lblWARNING->setText(tr("Anyone on the network can then read every file of the folder %1, not only this deck.")
                            .arg(QDir::toNativeSeparators(folder)));
    whereLayout->addWidget(lblWARNING);
    layout->addWidget(where);

    auto *form = new QFormLayout;
    spnPORT = new QSpinBox(this);
    spnPORT->setObjectName(QStringLiteral("spnPORT"));
    spnPORT->setRange(1, 65535);
    spnPORT->setValue(preferences.port);
    form->addRow(tr("&Port:"), spnPORT);
    layout->addLayout(form);

    layout->addWidget(new QLabel(tr("Addresses to type into the phone or the gateway:"), this));
    lstADDRESSES = new QListWidget(this);
    lstADDRESSES->setObjectName(QStringLiteral("lstADDRESSES"));
    lstADDRESSES->setMinimumHeight(60);
    lstADDRESSES->setMaximumHeight(120);
    layout->addWidget(lstADDRESSES);
    btnCOPY = new QPushButton(tr("Cop&y Address"), this);
    btnCOPY->setObjectName(QStringLiteral("btnCOPY"));
    layout->addWidget(btnCOPY, 0, Qt::AlignLeft);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);

    (preferences.localNetwork ? rbNETWORK : rbLOOPBACK)->setChecked(true);
    connect(rbNETWORK, &QRadioButton::toggled, this, &ServeDialog::updateAddresses);
    connect(spnPORT, &QSpinBox::valueChanged, this, &ServeDialog::updateAddresses);
    connect(btnCOPY, &QPushButton::clicked, this, &ServeDialog::copyAddress);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    updateAddresses();
    resize(560, sizeHint().height());
}

ServePreferences ServeDialog::preferences() const
{
    ServePreferences chosen = m_preferences;
    chosen.localNetwork = rbNETWORK->isChecked();
    chosen.port = quint16(spnPORT->value());
    return chosen;
}

QStringList ServeDialog::addresses() const
{
    QStringList list;
    for (int row = 0; row < lstADDRESSES->count(); ++row)
        list << lstADDRESSES->item(row)->text();
    return list;
}

void ServeDialog::copyAddress()
{
    QListWidgetItem *item = lstADDRESSES->currentItem() ? lstADDRESSES->currentItem() : lstADDRESSES->item(0);
    if (item)
        QApplication::clipboard()->setText(item->text());
}

void ServeDialog::updateAddresses()
{
    const ServePreferences chosen = preferences();
    lblWARNING->setVisible(chosen.localNetwork);
    // The port the server has while it keeps it; a changed one once it restarts.
    const bool samePlace = m_runningPort && chosen.port == m_preferences.port
                           && chosen.localNetwork == m_preferences.localNetwork;
    const quint16 port = samePlace ? m_runningPort : chosen.port;
    lstADDRESSES->clear();
    for (const QString &host : ServeAddresses::hosts(chosen.listenAddress()))
        lstADDRESSES->addItem(ServeAddresses::url(host, port, m_deckName));
    lstADDRESSES->setCurrentRow(0);
}
