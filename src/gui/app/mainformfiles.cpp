// The main window's file commands: new, open, save, close and print.
#include "mainform.h"

#include "apptexts.h"
#include "dialogservice.h"
#include "documentsubwindow.h"
#include "errordisplay.h"

#include "editor/mdichild.h"
#include "editor/wmleditor.h"

#include "common/commandlinefiles.h"
#include "common/documentfile.h"
#include "common/droppedfiles.h"
#include "common/filefilters.h"
#include "common/filehistory.h"
#include "common/newpage.h"
#include "common/programfolder.h"
#include "common/tarnelerror.h"
#include "common/textprinter.h"
#include "net/downloadfolder.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

const QString wmlExtension = QStringLiteral("wml");

bool isCompiledDeck(const QString &name)
{
    return QFileInfo(name).suffix().compare(QLatin1String("wmlc"), Qt::CaseInsensitive) == 0;
}

QString blankTemplatePath()
{
    return QDir(ProgramFolder::dataFolder()).filePath(QStringLiteral("new.tem"));
}

} // namespace

void TMainForm::OpenDocument(const QString &name)
{
    openDocument(name, QByteArray());
    if (!NewPage::isNewPageName(name) && QFileInfo(name).isFile())
        rememberFile(name);
}

void TMainForm::openDocument(const QString &name, const QByteArray &transportCharset)
{
    auto *child = new TMDIChild(*this);
    auto *window = new DocumentSubWindow;
    window->setWidget(child);
    m_mdiArea->addSubWindow(window);
    // A closed window leaves menus, status and command states to the next one.
    connect(window, &DocumentSubWindow::closed, this, [this] { childActivated(nullptr); });
    // Ctrl+F4 belongs to Close; the frame keeps Ctrl+W.
    window->releaseShortcut(action(QStringLiteral("FileClose"))->shortcut());
    window->resize(558, 395);
    window->show();
    placeInSight(window);
    m_mdiArea->setActiveSubWindow(window);
    child->setCaption(name);

    // The window stays open, empty and unchanged, when its text cannot be read.
    const auto load = [this, child, &transportCharset](const QString &path) {
        const LoadedDocument document = DocumentFile::load(path, decodeHints(transportCharset));
        child->setEncoding(document.encoding);
        child->setLineBreaks(document.lineBreaks);
        child->loadText(document.text);
    };
    if (isCompiledDeck(name)) {
        // Shown decoded and read-only; saving it asks for a new .wml file.
        child->SetDocumentPath(QString());
        if (QFileInfo::exists(name))
            runCommand([&] { child->showCompiledDeck(compiledDeckText(name)); });
        child->setEncoding(TextEncoding());
        child->setLineBreaks(LineBreaks::Style::CrLf);
    } else if (!NewPage::isNewPageName(name)) {
        child->SetDocumentPath(name);
        if (QFileInfo::exists(name))
            runCommand([&] { load(name); });
    } else {
        child->SetDocumentPath(QString());
        runCommand([&] {
            load(blankTemplatePath());
            child->loadText(NewPage::fromBlankTemplate(child->editor()->text()));
        });
        // New pages are UTF-8 with CR LF breaks, whatever the template was written in.
        child->setEncoding(TextEncoding());
        child->setLineBreaks(LineBreaks::Style::CrLf);
    }
    child->SetModified(false);
    child->Memo1SelMove();
    showDocumentFormat();
}

QStringList TMainForm::documentCaptions() const
{
    QStringList captions;
    for (const TMDIChild *child : documentWindows())
        captions.append(child->caption());
    return captions;
}

void TMainForm::FileNewExecute()
{
    OpenDocument(NewPage::nextName(documentCaptions()));
    UpdateCommandState();
}

void TMainForm::FileNewFromTemplateExecute()
{
    const QString chosen = m_dialogs->openFileName({ProgramFolder::dataFolder(), FileFilters::templates(), wmlExtension});
    if (chosen.isEmpty())
        return;
    OpenDocument(NewPage::nextName(documentCaptions()));
    UpdateCommandState();
    TMDIChild *child = activeChild();
    if (!QFileInfo::exists(blankTemplatePath()))
        return; // OpenDocument has reported the missing blank page
    const LoadedDocument document = DocumentFile::load(chosen, decodeHints());
    m_edittemp.setText(document.text);
    const QString text = m_edittemp.text();
    m_edittemp.setText(QString());
    // Replacing the whole text is an edit of the new page.
    child->editor()->setSelection(0, child->editor()->length());
    child->editor()->replaceSelection(text);
    child->editor()->setCaret(0);
}

DialogService::FileRequest TMainForm::usualOpenRequest()
{
    return {QString(), FileFilters::wmlOpen(), wmlExtension};
}

void TMainForm::FileOpenExecute()
{
    DialogService::FileRequest request = m_openDialog;
    request.initialFolder = dialogFolder();
    const QString chosen = m_dialogs->openFileName(request);
    if (chosen.isEmpty())
        return;
    FileHistory::rememberFolderOf(chosen);
    OpenDocument(chosen);
    UpdateCommandState();
}

bool TMainForm::writeDocument(TMDIChild *target, const QString &path)
{
    TextEncoding encoding = target->encoding();
    if (!chooseSaveEncoding(target, &encoding))
        return false;
    DocumentFile::save(path, target->editor()->text(), encoding, target->lineBreaks());
    target->setEncoding(encoding);
    target->leaveCompiledView();
    target->SetModified(false);
    target->UpdateSaveCommand();
    target->Memo1SelMove();
    showDocumentFormat();
    rememberFile(path);
    return true;
}

QString TMainForm::askSavePath()
{
    // The dialog comes back until the user names a new file, agrees to
    // replace an existing one, or cancels.
    for (;;) {
        const QString chosen = m_dialogs->saveFileName({dialogFolder(), FileFilters::wmlSave(), wmlExtension});
        FileHistory::rememberFolderOf(chosen);
        if (chosen.isEmpty() || !QFileInfo::exists(chosen))
            return chosen;
        if (m_dialogs->question(tr("%1 already exists.\rReplace it?").arg(chosen), DialogService::Choice::YesNo,
                                DialogService::Answer::No)
            == DialogService::Answer::Yes)
            return chosen;
    }
}

bool TMainForm::Save(TMDIChild *target)
{
    if (!target)
        return false;
    // A page fetched from the network lies in the private download folder,
    // which goes at exit: it is saved to a file the user chooses.
    if (!target->documentPath().isEmpty() && !m_downloads->holds(target->documentPath()))
        return writeDocument(target, target->documentPath());
    const QString chosen = askSavePath();
    if (chosen.isEmpty() || !writeDocument(target, chosen))
        return false;
    // The window now stands for the file it was written to.
    target->SetDocumentPath(chosen);
    return true;
}

void TMainForm::FileSaveExecute()
{
    Save(activeChild());
}

void TMainForm::FileSaveAsExecute()
{
    TMDIChild *child = activeChild();
    if (!child)
        return;
    const QString chosen = askSavePath();
    if (chosen.isEmpty() || !writeDocument(child, chosen))
        return;
    child->SetDocumentPath(chosen);
    child->setCaption(QFileInfo(chosen).fileName());
}

void TMainForm::FileSaveAllExecute()
{
    for (TMDIChild *child : documentWindows()) {
        if (!child->isModified() && !child->documentPath().isEmpty())
            continue;
        if (!Save(child))
            return;
    }
}

// Close, Close All, Ctrl+W and the close box all close the frame, whose
// close runs the document's question; its closed signal does the rest.
void TMainForm::FileCloseExecute()
{
    if (TMDIChild *child = activeChild())
        child->parentWidget()->close();
}

void TMainForm::FileCloseAllExecute()
{
    for (TMDIChild *child : documentWindows()) {
        if (!child->parentWidget()->close())
            return;
    }
}

QPrinter &TMainForm::printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setFullPage(true);
    }
    return *m_printer;
}

void TMainForm::printActiveDocument()
{
    TMDIChild *child = activeChild();
    if (!child)
        return;
    QPrinter &target = printer();
    // Without a printer Qt falls back to PDF output, which needs a file name.
    const bool toFile = target.outputFormat() == QPrinter::PdfFormat && !target.outputFileName().isEmpty();
    if (!toFile && QPrinterInfo::availablePrinters().isEmpty())
        throw TarnelError(AppTexts::noPrinter());
    target.setDocName(child->caption());
    TextPrinter(child->editor()->font(), child->editor()->tabWidth()).print(child->editor()->text(), &target);
}

void TMainForm::FilePrintExecute()
{
    printActiveDocument();
}

void TMainForm::FilePrintSetupExecute()
{
    if (m_dialogs->printerSetup(printer()))
        printActiveDocument();
}

void TMainForm::FileExitExecute()
{
    close();
}

void TMainForm::openCommandLineFiles(const QStringList &arguments)
{
    for (const QString &argument : arguments) {
        const QString path = CommandLineFiles::documentPath(argument, QDir::currentPath());
        if (ErrorDisplay::run(*m_dialogs, [&] { CommandLineFiles::ensureExists(path); }))
            OpenDocument(path);
    }
    UpdateCommandState();
}

void TMainForm::openDroppedFiles(const QStringList &paths)
{
    for (const QString &path : paths)
        OpenDocument(path);
    UpdateCommandState();
}

void TMainForm::dragEnterEvent(QDragEnterEvent *event)
{
    if (!DroppedFiles::localPaths(event->mimeData()).isEmpty()) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    }
}

void TMainForm::dropEvent(QDropEvent *event)
{
    const QStringList paths = DroppedFiles::localPaths(event->mimeData());
    if (paths.isEmpty())
        return;
    event->setDropAction(Qt::CopyAction);
    event->accept();
    openDroppedFiles(paths);
}
