#include "transferprogress.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

TransferProgress::TransferProgress(QWidget *panel) : QWidget(panel)
{
    setObjectName(QStringLiteral("TransferProgress"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_bytes = new QLabel(this);
    m_bytes->setObjectName(QStringLiteral("TransferBytes"));
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("TransferBar"));
    m_bar->setMinimumWidth(30);
    m_bar->setMaximumWidth(120);
    m_bar->setRange(0, 1000);
    m_bar->hide();
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("TransferCancel"));
    m_cancel->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(m_bytes);
    layout->addWidget(m_bar);
    layout->addWidget(m_cancel);
    connect(m_cancel, &QPushButton::clicked, this, &TransferProgress::cancelRequested);
    showProgress(0, -1);
    // The panel's own text stays underneath; the progress covers it.
    setAutoFillBackground(true);
    setGeometry(panel->rect());
    panel->installEventFilter(this);
}

bool TransferProgress::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void TransferProgress::showProgress(qint64 done, qint64 total)
{
    m_bytes->setText(tr("%1 bytes").arg(done));
    m_bar->setVisible(total > 0);
    if (total > 0)
        m_bar->setValue(int(std::min<qint64>(1000, done * 1000 / total)));
}
