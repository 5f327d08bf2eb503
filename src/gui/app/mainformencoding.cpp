// The main window's character-set commands: View > Encoding, File > Reopen
// with Encoding, the choice of a character set when a page is saved, and
// the status panel that shows a page's format.
#include "mainform.h"

#include "apptexts.h"
#include "statuspanels.h"

#include "editor/mdichild.h"
#include "editor/wmleditor.h"

#include "common/tarnelerror.h"
#include "common/usersettings.h"
#include "common/xmldeclaration.h"

#include <QAction>
#include <QActionGroup>
#include <QFileInfo>
#include <QMenu>

namespace {

QString reopenQuestion(const QString &path)
{
    return TMainForm::tr("File %1 is changed.\rReopening it discards the changes. Reopen?").arg(path);
}

QString cannotReadAs(const QString &path, const QByteArray &charset)
{
    return TMainForm::tr("File %1 is not a text in the %2 character set").arg(path, QString::fromLatin1(charset));
}

QString noFileToReopen()
{
    return TMainForm::tr("This page has no file to reopen; save it first");
}

QString keepUnicodeQuestion(const QByteArray &charset)
{
    return TMainForm::tr("This page is stored as %1, which many phones and gateways cannot read.\r"
                         "Save it as UTF-8?")
        .arg(QString::fromLatin1(charset));
}

} // namespace

void TMainForm::createEncodingMenus()
{
    m_reopenMenu = new QMenu(tr("Reopen with Enco&ding"), this);
    m_reopenMenu->setObjectName(QStringLiteral("FileReopenEncoding"));
    m_reopenMenu->menuAction()->setObjectName(QStringLiteral("FileReopenEncodingItem"));
    m_reopenMenu->menuAction()->setStatusTip(tr("Read the page's file again in another character set"));
    for (const QByteArray &name : Charset::offeredSets()) {
        QAction *item = m_reopenMenu->addAction(QString::fromLatin1(name));
        connect(item, &QAction::triggered, this, [this, name] {
            runCommand([this, name] { FileReopenEncodingExecute(name); });
        });
    }

    m_encodingMenu = new QMenu(tr("&Encoding"), this);
    m_encodingMenu->setObjectName(QStringLiteral("ViewEncoding"));
    m_encodingMenu->menuAction()->setObjectName(QStringLiteral("ViewEncodingItem"));
    m_encodingMenu->menuAction()->setStatusTip(
        tr("Character set of pages that are not UTF-8 and declare none, used when they are opened"));
    auto *group = new QActionGroup(m_encodingMenu);
    const QByteArray current = UserSettings::fallbackCharset();
    for (const QByteArray &name : Charset::eightBitSets()) {
        QAction *item = m_encodingMenu->addAction(QString::fromLatin1(name));
        item->setCheckable(true);
        item->setChecked(name == current);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, name] { ViewEncodingExecute(name); });
    }
}

void TMainForm::ViewEncodingExecute(const QByteArray &charset)
{
    UserSettings::setFallbackCharset(charset);
}

DecodeHints TMainForm::decodeHints(const QByteArray &transportCharset) const
{
    DecodeHints hints;
    hints.fallback = UserSettings::fallbackCharset();
    hints.transportCharset = transportCharset;
    return hints;
}

void TMainForm::FileReopenEncodingExecute(const QByteArray &charset)
{
    TMDIChild *child = activeChild();
    if (!child)
        return;
    const QString path = child->documentPath();
    if (path.isEmpty() || !QFileInfo::exists(path))
        throw TarnelError(noFileToReopen());
    if (child->isModified()
        && m_dialogs->question(reopenQuestion(path), DialogService::Choice::YesNo, DialogService::Answer::No)
               != DialogService::Answer::Yes)
        return;
    LoadedDocument document;
    if (!DocumentFile::decodeAs(DocumentFile::readBytes(path), charset, &document))
        throw TarnelError(cannotReadAs(path, charset));
    child->setEncoding(document.encoding);
    child->setLineBreaks(document.lineBreaks);
    child->setKeepsEncoding(false);
    child->loadText(document.text);
    child->SetModified(false);
    child->UpdateSaveCommand();
    child->Memo1SelMove();
    showDocumentFormat();
}

bool TMainForm::chooseSaveEncoding(TMDIChild *target, TextEncoding *encoding)
{
    WmlEditor *editor = target->editor();
    const QString text = editor->text();
    bool toUtf8 = false;
    if (!DocumentFile::canEncode(text, *encoding)) {
        // The page is never written with characters turned into "?".
        if (m_dialogs->question(AppTexts::notEncodable(QString::fromLatin1(encoding->name)),
                                DialogService::Choice::YesNo, DialogService::Answer::No)
            != DialogService::Answer::Yes)
            return false;
        toUtf8 = true;
    } else if (encoding->charset().isUtf16() && !target->keepsEncoding()) {
        toUtf8 = m_dialogs->question(keepUnicodeQuestion(encoding->name), DialogService::Choice::YesNo,
                                     DialogService::Answer::No)
                 == DialogService::Answer::Yes;
        target->setKeepsEncoding(!toUtf8);
    }
    if (!toUtf8)
        return true;
    *encoding = TextEncoding();
    // The declaration must not go on naming the old set; the change is an
    // edit the user sees and can undo.
    if (const auto edit = XmlDeclaration::encodingEdit(text, encoding->name)) {
        const int caret = editor->caret();
        editor->setSelection(int(edit->start), int(edit->start + edit->length));
        editor->replaceSelection(edit->replacement);
        editor->setCaret(caret <= edit->start ? caret : caret + int(edit->replacement.size() - edit->length));
    }
    return true;
}

void TMainForm::showDocumentFormat()
{
    const TMDIChild *child = activeChild();
    m_statusBar->setPanelText(StatusPanels::FormatPanel,
                              child ? DocumentFile::formatName(child->encoding(), child->lineBreaks()) : QString());
    if (m_reopenMenu)
        m_reopenMenu->menuAction()->setEnabled(child != nullptr);
}
