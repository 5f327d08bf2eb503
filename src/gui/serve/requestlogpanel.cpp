#include "requestlogpanel.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>

RequestLogPanel::RequestLogPanel(QWidget *parent)
    : QDockWidget(tr("Request Log"), parent)
{
    setObjectName(QStringLiteral("dockREQUESTLOG"));
    auto *body = new QWidget(this);
    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);
    auto *top = new QHBoxLayout;
    m_status = new QLabel(body);
    m_status->setObjectName(QStringLiteral("lblSERVESTATUS"));
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *clearButton = new QPushButton(tr("C&lear"), body);
    clearButton->setObjectName(QStringLiteral("btnCLEARLOG"));
    connect(clearButton, &QPushButton::clicked, this, &RequestLogPanel::clear);
    top->addWidget(m_status, 1);
    top->addWidget(clearButton);
    layout->addLayout(top);

    m_rows = new QTreeWidget(body);
    m_rows->setObjectName(QStringLiteral("lstREQUESTS"));
    m_rows->setRootIsDecorated(false);
    m_rows->setUniformRowHeights(true);
    m_rows->setAlternatingRowColors(true);
    m_rows->setHeaderLabels({tr("Time"), tr("Client"), tr("Method"), tr("Path"), tr("Status"), tr("Bytes"),
                             tr("User-Agent"), tr("Accept"), tr("Note")});
    const int widths[] = {70, 100, 55, 180, 50, 60, 160, 200, 200};
    for (int column = 0; column < int(std::size(widths)); ++column)
        m_rows->header()->resizeSection(column, widths[column]);
    layout->addWidget(m_rows);
    setWidget(body);
}

void RequestLogPanel::addEntry(const ServeLogEntry &entry)
{
    auto *row = new QTreeWidgetItem(QStringList{entry.time.toString(QStringLiteral("HH:mm:ss")),
                                                entry.client,
                                                entry.method,
                                                entry.path,
                                                entry.status ? QString::number(entry.status) : QStringLiteral("-"),
                                                QString::number(entry.bytes),
                                                entry.userAgent,
                                                entry.accept,
                                                entry.note});
    row->setTextAlignment(4, Qt::AlignRight | Qt::AlignVCenter);
    row->setTextAlignment(5, Qt::AlignRight | Qt::AlignVCenter);
    for (int column = 0; column < row->columnCount(); ++column)
        row->setToolTip(column, row->text(column));
    if (entry.status == 0 || entry.status >= 400)
        row->setForeground(4, QColor(0xb0, 0x00, 0x00));
    const bool atBottom = m_rows->topLevelItemCount() == 0
                          || m_rows->verticalScrollBar()->value() == m_rows->verticalScrollBar()->maximum();
    m_rows->addTopLevelItem(row);
    while (m_rows->topLevelItemCount() > maxRows)
        delete m_rows->takeTopLevelItem(0);
    if (atBottom)
        m_rows->scrollToItem(row);
}

void RequestLogPanel::clear()
{
    m_rows->clear();
}

void RequestLogPanel::setStatus(const QString &text)
{
    m_status->setText(text);
}
