// Ctrl+J completion in the source editor, and the card lists of the window.
#include "mdichild.h"

#include "completionlist.h"
#include "wmleditor.h"

#include "app/dialogservice.h"
#include "app/mainform.h"

#include "common/taglistfile.h"
#include "editor/tagcompletion.h"

#include <QComboBox>
#include <QKeyEvent>

namespace {
const QString missingTagList = QStringLiteral("*** Error open CHECK.INI ***");
}

bool TMDIChild::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_memo && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (Memo1KeyDown(key->key(), key->modifiers()))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool TMDIChild::Memo1KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    const Qt::KeyboardModifiers relevant = modifiers & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    if (key != Qt::Key_J || relevant != Qt::ControlModifier)
        return false;
    openCompletionList();
    // The editor itself has nothing to do with Ctrl+J.
    return true;
}

void TMDIChild::openCompletionList()
{
    if (!isSourceShowing())
        return;
    m_completion->clear();
    const int position = m_memo->caret();
    const TagCompletion::Request request = TagCompletion::requestAt(*m_memo, position);
    QStringList entries;
    switch (request.kind) {
    case TagCompletion::Request::Kind::NoTag:
        // Outside any tag there is nothing to complete.
        m_completion->hide();
        return;
    case TagCompletion::Request::Kind::TagNames:
        entries = TagListFile::tagNames();
        break;
    case TagCompletion::Request::Kind::Attributes:
        entries = TagCompletion::attributeEntries(ReadTagAttributes(request.tagName));
        break;
    case TagCompletion::Request::Kind::ClosingTag:
        break;
    }
    const bool tagNames = request.kind == TagCompletion::Request::Kind::TagNames;
    showCompletionList(entries, TagCompletion::prepareForList(*m_memo, position, tagNames));
}

void TMDIChild::showCompletionList(const QStringList &entries, const TagCompletion::OpenList &list)
{
    m_completion->setEntries(entries);
    m_openList = list;
    m_listOpen = true;
    // The list opens a little right of and below the caret, inside the tab.
    const QPoint caret = m_memo->mapTo(m_tabWml, m_memo->caretPixelPosition());
    m_completion->move(caret + QPoint(10, 27 - 22));
    m_completion->show();
    m_completion->raise();
    m_completion->setFocus();
}

TagCompletion::OpenList TMDIChild::closeCompletionList()
{
    // Closed first, so that the focus leaving the list is no loss of it.
    m_listOpen = false;
    m_memo->setFocus();
    m_completion->hide();
    return m_openList;
}

QString TMDIChild::ReadTagAttributes(const QString &tag)
{
    if (!TagListFile::exists()) {
        m_main.dialogs().message(missingTagList);
        return QString();
    }
    return TagListFile::tagValue(tag);
}

void TMDIChild::lv_1DblClick()
{
    if (!m_listOpen)
        return;
    const QString entry = m_completion->selectedEntry();
    const TagCompletion::OpenList list = closeCompletionList();
    if (entry.isNull())
        return;
    const QStringList choices = TagCompletion::choose(*m_memo, list, entry);
    // An attribute with a choice list: its choices are offered next, at
    // the caret between the empty quotes; that list types nothing.
    if (!choices.isEmpty())
        showCompletionList(choices, TagCompletion::OpenList());
}

void TMDIChild::cancelCompletion()
{
    if (!m_listOpen)
        return;
    TagCompletion::cancel(*m_memo, closeCompletionList());
}

void TMDIChild::completionFocusLost()
{
    if (!m_listOpen)
        return;
    m_listOpen = false;
    m_completion->hide();
    const TagCompletion::OpenList list = m_openList;
    // The source stays as it is while the Preview shows.
    QMetaObject::invokeMethod(
        this,
        [this, list] {
            if (isSourceShowing())
                TagCompletion::cancel(*m_memo, list);
        },
        Qt::QueuedConnection);
}

void TMDIChild::RefreshCardLists()
{
    const QStringList cards = TagCompletion::cardEntries(*m_memo);
    QComboBox *previewCards = previewCardList();
    // Refilling the lists is no choice of the user's: it shows nothing.
    const QSignalBlocker quietCards(m_cardList);
    const QSignalBlocker quietPreviewCards(previewCards);
    m_cardList->clear();
    m_cardList->addItems(cards);
    previewCards->clear();
    previewCards->addItems(cards);
    if (!cards.isEmpty())
        m_cardList->setCurrentIndex(0);
    m_memo->setCaret(m_memo->caret());
}
