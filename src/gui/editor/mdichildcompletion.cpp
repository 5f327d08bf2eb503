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
    m_completion->setEntries(entries);

    TagCompletion::prepareForList(*m_memo, position);
    // The list opens a little right of and below the caret, inside the tab.
    const QPoint caret = m_memo->mapTo(m_tabWml, m_memo->caretPixelPosition());
    m_completion->move(caret + QPoint(10, 27 - 22));
    m_completion->show();
    m_completion->raise();
    m_completion->setFocus();
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
    const QString entry = m_completion->selectedEntry();
    if (!entry.isNull())
        TagCompletion::insertEntry(*m_memo, entry);
    m_memo->setFocus();
    m_completion->hide();
}

void TMDIChild::cancelCompletion()
{
    m_memo->setFocus();
    TagCompletion::cancel(*m_memo);
    m_completion->hide();
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
