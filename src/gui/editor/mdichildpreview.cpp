// Moving between the WML and Preview tabs, and links in the preview.
#include "mdichild.h"

#include "editorplace.h"
#include "wmleditor.h"

#include "app/dialogservice.h"
#include "app/errordisplay.h"
#include "app/mainform.h"
#include "common/previewfolders.h"
#include "cardmodel/cardparser.h"
#include "common/tarnelerror.h"
#include "common/windowfit.h"
#include "preview/htmlviewer.h"
#include "preview/previewpages.h"
#include "preview/previewroad.h"
#include "preview/previewtab.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTabWidget>
#include <QUrl>

#include "preview/phoneview.h"

QComboBox *TMDIChild::previewCardList() const
{
    return m_preview->cardList();
}

QString TMDIChild::documentFolder() const
{
    if (!m_documentPath.isEmpty())
        return QFileInfo(m_documentPath).absolutePath();
    const QString shown = caption();
    return shown.contains(QLatin1Char('/')) ? QFileInfo(shown).absolutePath() : QString();
}

QString TMDIChild::pageFolder()
{
    if (m_pageFolder.isEmpty())
        m_pageFolder = m_main.previewFolders().newDocumentFolder();
    return m_pageFolder;
}

void TMDIChild::SplitCards()
{
    m_cardModel.setImageFolder(documentFolder());
    CardParser::SplitCards(m_cardModel, m_memo->text());
}

void TMDIChild::pgMAINChange(int index)
{
    const int view = index + 1;
    if (view == ViewWml) {
        EnableSourceCommands(ViewWml);
        m_insertMenu->setEnabled(true);
        RefreshCardLists();
        lastView = ViewWml;
        // The Preview put the caret at the start; the user finds the text as
        // they left it, unless something has moved the caret since.
        if (m_sourcePlace && m_memo->caret() == 0 && m_memo->anchor() == 0) {
            m_sourcePlace->restore(*m_memo);
            Memo1SelMove();
        }
        m_sourcePlace.reset();
    } else if (view == ViewPreview) {
        if (!m_sourcePlace)
            m_sourcePlace = std::make_unique<EditorPlace>(EditorPlace::of(*m_memo));
        EnableSourceCommands(ViewPreview);
        // On failure the message is shown, the tab keeps the page it had and
        // the last view stays, so the next entry rebuilds again.
        ErrorDisplay::run(m_main.dialogs(), [this] { showPreview(); });
    } else {
        EnableSourceCommands(view);
    }
}

void TMDIChild::showPreview()
{
    PreviewRoad::Request request;
    request.source = m_memo->text();
    request.documentFolder = documentFolder();
    request.pageFolder = pageFolder();
    request.light = m_preview->viewer()->defaultBackground();
    request.rebuildModel = lastView == ViewWml;
    const PreviewPages::Result pages = PreviewRoad::run(m_cardModel, request, m_main.edittemp());
    m_preview->setCardNames(pages.cardNames, request.pageFolder);
    m_memo->setCaret(0);
    m_preview->viewer()->loadFile(pages.firstPage);
    lastView = ViewPreview;
    openPhoneIfShown();
    fitPhone();
}

QUrl TMDIChild::phoneAddress()
{
    if (!m_documentPath.isEmpty())
        return QUrl::fromLocalFile(QFileInfo(m_documentPath).absoluteFilePath());
    const QString shown = caption();
    if (shown.startsWith(QLatin1String("http://"), Qt::CaseInsensitive)
        || shown.startsWith(QLatin1String("https://"), Qt::CaseInsensitive))
        return QUrl(shown);
    const QString folder = documentFolder().isEmpty() ? pageFolder() : documentFolder();
    return QUrl::fromLocalFile(QDir(folder).absoluteFilePath(QStringLiteral("untitled.wml")));
}

void TMDIChild::openPhoneIfShown()
{
    if (!m_preview->isPhoneMode() || m_pages->currentWidget() != m_preview)
        return;
    m_preview->openPhone(m_memo->text(), phoneAddress(), m_main.deviceProfile(m_preview->skinProfile()));
    m_preview->phoneView()->setFocus();
}

void TMDIChild::fitPhone()
{
    const QSize phone = m_preview->phoneSize();
    auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget());
    if (phone.isEmpty() || !frame || !frame->mdiArea() || frame->isMaximized() || frame->isMinimized())
        return;
    const QSize extra = phone - m_preview->size();
    if (extra.width() <= 0 && extra.height() <= 0)
        return;
    frame->setGeometry(WindowFit::grown(frame->geometry(), extra, frame->mdiArea()->viewport()->rect()));
}

void TMDIChild::htmlLITEHotSpotClick(const QString &link, bool &handled)
{
    if (link.contains(QLatin1String("http://"))) {
        QDesktopServices::openUrl(QUrl(link));
        return;
    }
    if (!link.startsWith(QLatin1Char('#')))
        return; // other decks, files and schemes are the viewer's
    const QString fileName = PreviewPages::pageFileName(link.mid(1));
    try {
        m_preview->showLinkedCard(link.mid(1));
        handled = true;
    } catch (const TarnelError &error) {
        m_main.dialogs().message(QStringLiteral("Error opening ") + fileName + QStringLiteral(" - ") + error.text());
    }
}
