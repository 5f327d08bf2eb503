#include "completionlist.h"

#include <QHeaderView>
#include <QKeyEvent>

CompletionList::CompletionList(QWidget *parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("lv_1"));
    setColumnCount(1);
    setHeaderLabels({tr("Nazev")});
    setColumnWidth(0, 145);
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformRowHeights(true);
    QFont listFont(QStringLiteral("MS Sans Serif"));
    listFont.setPixelSize(11);
    setFont(listFont);
    resize(121, 87);
    hide();
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this] { emit chosen(); });
}

void CompletionList::setEntries(const QStringList &entries)
{
    clear();
    QList<QTreeWidgetItem *> items;
    items.reserve(entries.size());
    for (const QString &entry : entries)
        items << new QTreeWidgetItem(QStringList{entry});
    addTopLevelItems(items);
    // The first entry is ready to be taken with Enter.
    if (!items.isEmpty())
        setCurrentItem(items.constFirst());
}

QStringList CompletionList::entries() const
{
    QStringList captions;
    for (int i = 0; i < topLevelItemCount(); ++i)
        captions << topLevelItem(i)->text(0);
    return captions;
}

QString CompletionList::selectedEntry() const
{
    const QList<QTreeWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.constFirst()->text(0);
}

void CompletionList::keyPressEvent(QKeyEvent *event)
{
    // Enter and Escape act when released; their presses must not reach
    // the list's own handling or a parent.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void CompletionList::keyReleaseEvent(QKeyEvent *event)
{
    if (event->isAutoRepeat()) {
        QTreeWidget::keyReleaseEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit chosen();
        break;
    case Qt::Key_Escape:
        emit cancelled();
        break;
    default:
        QTreeWidget::keyReleaseEvent(event);
    }
}

void CompletionList::focusOutEvent(QFocusEvent *event)
{
    QTreeWidget::focusOutEvent(event);
    emit focusLost();
}
