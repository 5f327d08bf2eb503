#include "remotedialog.h"

#include <QLineEdit>

#include "errordisplay.h"
#include "widgetplacement.h"

#include <QHBoxLayout>
#include <QPushButton>

RemoteDialog::RemoteDialog(const QString &section, DialogService &dialogs, QWidget *parent)
    : QDialog(parent), m_dialogs(dialogs), m_storage(section)
{
    setObjectName(section);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_buttons = new QWidget(this);
    auto *row = new QHBoxLayout(m_buttons);
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch(1);
    m_ok = new QPushButton(tr("O&K"), m_buttons);
    m_ok->setObjectName(QStringLiteral("Button1"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(tr("&Cancel"), m_buttons);
    m_cancel->setObjectName(QStringLiteral("Button2"));
    row->addWidget(m_ok);
    row->addWidget(m_cancel);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    // Only the position matters: the layout fixes the size.
    m_storage.bindPlacement([this] { return WidgetPlacement::capture(this); },
                            [this](const WindowPlacement &placement) { move(placement.normalBounds.topLeft()); },
                            [this] { return WidgetPlacement::screenOf(this); });
}

RemoteDialog::~RemoteDialog()
{
    saveSettings();
}

void RemoteDialog::showEvent(QShowEvent *event)
{
    m_storage.restore();
    QDialog::showEvent(event);
}

void RemoteDialog::done(int result)
{
    saveSettings();
    QDialog::done(result);
}

void RemoteDialog::saveSettings()
{
    ErrorDisplay::run(m_dialogs, [this] { m_storage.save(); });
}

void RemoteDialog::bindText(const char *key, QLineEdit *edit)
{
    m_storage.bindText(QString::fromLatin1(key), [edit] { return edit->text(); },
                       [edit](const QString &value) { edit->setText(value); });
}
